// The toolkit's floor: an empty window of Quorrel's client size.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(394, 316);
    window.show();
    return QApplication::exec();
}
