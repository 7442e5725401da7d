#include "application.h"

#include "curveaccessible.h"
#include "curveplot.h"
#include "form.h"
#include "forms.h"
#include "methods.h"
#include "style.h"
#include "textboxaccessible.h"
#include "widgets.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <signal.h>

namespace quorrel::ui
{

namespace
{

// Qt presents every QDialog as a dialog; the program's forms of the window
// type (all but About) are its windows, and screen readers should announce
// them so. Text boxes get an interface that reads their whole line; the plot
// of the curve is a graphic.
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    const auto *form = qobject_cast<Form *>(object);
    const bool window = form && form->windowType() == Qt::Window;
    if (window && className == QLatin1String(object->metaObject()->className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (auto *plot = qobject_cast<CurvePlot *>(object))
        return new CurvePlotAccessible(plot);
    if (auto *box = qobject_cast<TextBox *>(object))
        return new TextBoxAccessible(box);
    return nullptr;
}

#ifdef SIGXFSZ
void noAction(int) {}
#endif

// Where the program's translations are: installed beside bin on Linux, in a
// folder beside the .exe on Windows, and the build tree's, so that the tests
// and a program run from the build find them. An installed program never
// looks in the folder it was built in, which on another machine may be
// anyone's.
QStringList translationFolders()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList folders{programDir + QStringLiteral("/../share/quorrel/translations"),
                        programDir + QStringLiteral("/translations")};
    const QString built = QStringLiteral(QUORREL_BUILD_TRANSLATIONS);
    const QString buildRoot = QFileInfo(QFileInfo(built).absolutePath()).canonicalFilePath();
    if (!buildRoot.isEmpty() &&
        QFileInfo(programDir).canonicalFilePath().startsWith(buildRoot + '/'))
        folders << built;
    return folders;
}

// Installs the first copy of the file found in the folders, if any.
bool installTranslation(const QString &file, const QStringList &folders)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : folders) {
        if (translator->load(file, folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

// The first language of the user's list that the program speaks. English, its
// own, loads nothing at all; German loads the program's words and Qt's own (the
// buttons of its dialogs). Languages it does not speak are passed over.
void loadTranslations()
{
    const QStringList languages = QLocale::system().uiLanguages();
    for (const QString &name : languages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English)
            return;
        if (language != QLocale::German)
            continue;
        const QStringList ours = translationFolders();
        // Qt's dialogs in German beside English words of ours would read oddly.
        if (installTranslation(QStringLiteral("quorrel_de"), ours))
            installTranslation(QStringLiteral("qtbase_de"),
                               QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath)} +
                                   ours);
        return;
    }
}

} // namespace

void setUpApplication()
{
    // Before any QSettings: the settings file is ~/.config/Quorrel/quorrel.conf,
    // not one under "Unknown Organization".
    QCoreApplication::setOrganizationName(QStringLiteral("Quorrel"));
    QCoreApplication::setApplicationName(QStringLiteral("quorrel"));
    // First: the menus and windows made below take their words from it.
    loadTranslations();
    QApplication::setStyle(new QuorrelStyle);
    QApplication::setFont(windowFont());
    QAccessible::installFactory(accessibleFor);
    // The menu bar stays in the window, above the client area: a desktop's
    // global menu would leave a gap where the bar was measured, and merely
    // asking the session bus whether there is one costs start-up memory.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    registerMethods();
    answerRequestsForWindows();
}

void ignoreFileSizeLimitSignal()
{
#ifdef SIGXFSZ
    // Caught by a handler that does nothing rather than set to SIG_IGN: an
    // ignored signal stays ignored in the programs started from here (the
    // mail program), a handler does not.
    struct sigaction action = {};
    action.sa_handler = noAction;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGXFSZ, &action, nullptr);
#endif
}

} // namespace quorrel::ui
