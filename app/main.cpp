#include "application.h"
#include "form.h"
#include "forms.h"
#include "main/frmquorrelestimator.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace
{

// What Qt says while it opens the display is held back: when no display can
// be opened, Qt would abort with advice to reinstall; one line of ours says
// what is wrong instead, and the program ends with status 1.
QStringList heldMessages;

void holdWhileOpening(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr, "quorrel: no display could be opened (DISPLAY=%s)\n",
                     display.isEmpty() ? "not set" : display.constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages << qFormatLogMessage(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    const QtMessageHandler previous = qInstallMessageHandler(holdWhileOpening);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString &message : std::as_const(heldMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    heldMessages.clear();

    QGuiApplication::setDesktopFileName(QStringLiteral(QUORREL_APP_ID));
    // The program ends when no window is loaded any more, hidden ones included.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&quorrel::ui::LoadedForms::instance(), &quorrel::ui::LoadedForms::allUnloaded,
                     &app, &QCoreApplication::quit, Qt::QueuedConnection);
    quorrel::ui::setUpApplication();
    quorrel::ui::mainForm().show();
    return QApplication::exec();
}
