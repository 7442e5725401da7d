#include "printerloader.h"

#include "printjob.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
#include <QPluginLoader>

namespace quorrel::ui
{
namespace
{

class PrinterLoaderWords
{
    Q_DECLARE_TR_FUNCTIONS(PrinterLoaderWords)
};

const QString kModuleName = QStringLiteral("quorrel-print");

// What a loader's error says about a file, without the file: Qt's reasons
// name it, some twice ("Failed to extract plugin meta data from '/x.so':
// '/x.so' is not a valid ELF object (file too small)"), and the message
// names it once itself.
QString whatIsWrong(const QString &error, const QString &file)
{
    // "'<file>' is not a Qt plugin (metadata not found)", "The plugin '<file>'
    // uses incompatible Qt library. (…)": what follows the last mention.
    const QString quoted = '\'' + file + QStringLiteral("' ");
    if (const qsizetype at = error.lastIndexOf(quoted); at >= 0)
        return error.mid(at + quoted.size());
    // "Cannot load library <file>: (<why the system's loader refused it>)",
    // where the system's reason may begin with the file again.
    QString why = error;
    const QString loading = QStringLiteral("Cannot load library ") + file + QStringLiteral(": ");
    if (why.startsWith(loading)) {
        why = why.mid(loading.size());
        if (why.startsWith('(') && why.endsWith(')'))
            why = why.mid(1, why.size() - 2);
        if (why.startsWith(file + QStringLiteral(": ")))
            why = why.mid(file.size() + 2);
    }
    //: Follows the printing module's file name; %1 is the system's reason.
    return PrinterLoaderWords::tr("could not be loaded: %1").arg(why);
}

} // namespace

QStringList printModuleFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), QDir::cleanPath(program.filePath(QUORREL_PRINT_MODULE_DIR))};
}

CaseSheetPrinter *loadCaseSheetPrinter(const QStringList &folders, QString *whyNot)
{
    QPluginLoader loader;
    // Without a suffix the loader tries the system's own (.so, .dll), and
    // finds no file name where there is none.
    for (const QString &folder : folders) {
        loader.setFileName(QDir(folder).filePath(kModuleName));
        if (!loader.fileName().isEmpty())
            break;
    }
    const QString file = loader.fileName();
    const QString shown = QDir::toNativeSeparators(file);
    if (file.isEmpty()) {
        QStringList shownFolders;
        for (const QString &folder : folders)
            shownFolders << QDir::toNativeSeparators(folder);
        //: %1 is the module's file name, %2 the folders looked in.
        *whyNot = PrinterLoaderWords::tr("the printing module %1 is not in %2")
                      //: Between the folders the printing module was looked for in.
                      .arg(kModuleName, shownFolders.join(PrinterLoaderWords::tr(" or ")));
        return nullptr;
    }
    // Read without running any of its code: a module of another kind or
    // version is refused before it is loaded.
    const QJsonObject about = loader.metaData();
    if (about.isEmpty()) {
        *whyNot = shown + ' ' + whatIsWrong(loader.errorString(), file);
        return nullptr;
    }
    const QString iid = about.value(QStringLiteral("IID")).toString();
    if (iid != QStringLiteral(QuorrelCaseSheetPrinter_iid)) {
        //: %1 is the module's file, %2 and %3 names of plugin interfaces.
        *whyNot = PrinterLoaderWords::tr("%1 is not the printing module of this version of "
                                         "Quorrel: it offers %2, not %3")
                      .arg(shown, iid, QStringLiteral(QuorrelCaseSheetPrinter_iid));
        return nullptr;
    }
    QObject *module = loader.instance();
    if (!module) {
        *whyNot = shown + ' ' + whatIsWrong(loader.errorString(), file);
        return nullptr;
    }
    auto *printer = qobject_cast<CaseSheetPrinter *>(module);
    if (!printer)
        //: %1 is the module's file.
        *whyNot = PrinterLoaderWords::tr("%1 does not print case sheets").arg(shown);
    return printer;
}

} // namespace quorrel::ui
