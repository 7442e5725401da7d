// The floor for a window that shows text: the same window holding one label,
// which loads the font database.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(394, 316);
    QLabel label(QStringLiteral("Estimated Time Of Death:"), &window);
    label.move(40, 248);
    window.show();
    return QApplication::exec();
}
