#include "application.h"
#include "form.h"
#include "forms.h"
#include "frmquorrelestimator.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

// What Qt says while it opens the display is held back: when the windowing
// system cannot start, Qt would abort with advice to reinstall; one line of
// ours gives Qt's own reason instead (the display it could not open, the
// platform plugin it could not load) and the program ends with status 1.
QStringList heldMessages;
QStringList platformReasons;

void holdWhileOpening(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        QString line = QStringLiteral("quorrel: the windowing system could not start: ");
        if (platformReasons.isEmpty())
            line += message.section('\n', 0, 0).trimmed();
        else
            line += platformReasons.join(QStringLiteral("; "));
        if (line.endsWith(QLatin1String("display")))
            line += QStringLiteral(" (DISPLAY is not set)");
        // Qt lists the plugins a user could choose from instead.
        const QString available = QStringLiteral("Available platform plugins are: ");
        const qsizetype at = message.indexOf(available);
        if (at >= 0)
            line += QStringLiteral(" (platform plugins here: ") +
                    message.mid(at + available.size()).trimmed().chopped(1) + ')';
        std::fprintf(stderr, "%s\n", qPrintable(line));
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type != QtDebugMsg && type != QtInfoMsg &&
        QLatin1String(context.category).startsWith(QLatin1String("qt.qpa")))
        platformReasons << message.trimmed();
    heldMessages << qFormatLogMessage(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    quorrel::ui::ignoreFileSizeLimitSignal();
    // Everything after "--" is a file, and Qt never sees it: it would take
    // a file named "-reverse" for its own option.
    int qtArgc = argc;
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            qtArgc = i;
            for (int j = i + 1; j < argc; ++j)
                files << QString::fromLocal8Bit(argv[j]);
            break;
        }
    }
    const QtMessageHandler previous = qInstallMessageHandler(holdWhileOpening);
    QApplication app(qtArgc, argv);
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
    // `quorrel FILE`, as the desktop starts it for a case file: opened once
    // the window is up, so that a message about the file has its window.
    const QStringList arguments = QCoreApplication::arguments();
    if (qtArgc == argc && arguments.size() > 1)
        files << arguments.at(1);
    if (!files.isEmpty()) {
        const QString path = files.first();
        QMetaObject::invokeMethod(
            &quorrel::ui::mainForm(), [path] { quorrel::ui::mainForm().openCase(path); },
            Qt::QueuedConnection);
    }
    return QApplication::exec();
}
