#include "application.h"
#include "form.h"
#include "forms.h"
#include "main/frmquorrelestimator.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORREL_APP_ID));
    // The program ends when no window is loaded any more, hidden ones included.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&quorrel::ui::LoadedForms::instance(), &quorrel::ui::LoadedForms::allUnloaded,
                     &app, &QCoreApplication::quit, Qt::QueuedConnection);
    quorrel::ui::setUpApplication();
    quorrel::ui::mainForm().show();
    return QApplication::exec();
}
