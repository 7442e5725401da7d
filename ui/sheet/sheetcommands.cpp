#include "sheetcommands.h"

#include "casesheet.h"
#include "messages.h"
#include "printerloader.h"
#include "printjob.h"
#include "version.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace quorrel::ui
{
namespace
{

// Qt's file dialog, the print dialog's too, writes the folders it visited to
// the user's settings whenever it closes. Where case sheets went is not ours
// to keep, and Quorrel has no settings of its own. For as long as one lives,
// a dialog's writes go nowhere or are undone.
class NoDialogHistory
{
public:
    NoDialogHistory()
    {
#ifdef Q_OS_WIN
        // In the registry, beneath keys every Qt program shares: what the
        // dialog's own key held before is put back afterwards, and keys
        // made only now go again.
        QSettings software(kSoftware, QSettings::NativeFormat);
        m_hadProject = software.childGroups().contains(kProject);
        software.beginGroup(kProject);
        m_hadDefaults = software.childGroups().contains(kDefaults);
        software.beginGroup(kDefaults + '/' + kGroup);
        for (const QString &key : software.allKeys())
            m_saved.append({key, software.value(key)});
#else
        // In ~/.config/QtProject.conf: user settings are sent beneath the
        // program's own file, a folder that can never be made, so that the
        // write finds nowhere to go and nothing is read back either.
        const QString program = QCoreApplication::applicationFilePath();
        if (QFileInfo(program).isFile())
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, program);
#endif
    }
    ~NoDialogHistory()
    {
#ifdef Q_OS_WIN
        QSettings software(kSoftware, QSettings::NativeFormat);
        const QString defaults = kProject + '/' + kDefaults;
        software.remove(defaults + '/' + kGroup);
        for (const auto &[key, value] : m_saved)
            software.setValue(defaults + '/' + kGroup + '/' + key, value);
        // Keys made only now go again, unless another program has written
        // to them meanwhile.
        const auto removeIfEmpty = [&](const QString &key) {
            software.beginGroup(key);
            const bool empty = software.allKeys().isEmpty();
            software.endGroup();
            if (empty)
                software.remove(key);
        };
        if (!m_hadDefaults)
            removeIfEmpty(defaults);
        if (!m_hadProject)
            removeIfEmpty(kProject);
#endif
    }
    NoDialogHistory(const NoDialogHistory &) = delete;
    NoDialogHistory &operator=(const NoDialogHistory &) = delete;

private:
#ifdef Q_OS_WIN
    // Where Qt's dialog keeps its settings, for the organization "QtProject"
    // and no application.
    static inline const QString kSoftware = QStringLiteral("HKEY_CURRENT_USER\\Software");
    static inline const QString kProject = QStringLiteral("QtProject");
    static inline const QString kDefaults = QStringLiteral("OrganizationDefaults");
    static inline const QString kGroup = QStringLiteral("FileDialog");
    bool m_hadProject = false;
    bool m_hadDefaults = false;
    QList<std::pair<QString, QVariant>> m_saved;
#endif
};

// "The case sheet could not be saved as <file>: <reason>."; a reason that
// names the file itself ("Existing file <file> is not writable") is not
// preceded by it again.
QString failedFile(const QString &done, const QString &how, const QString &path,
                   const QString &reason)
{
    const QString file = QDir::toNativeSeparators(path);
    if (reason.contains(path) || reason.contains(file))
        return QStringLiteral("The case sheet could not be %1: %2.").arg(done, reason);
    return QStringLiteral("The case sheet could not be %1 %2 %3: %4.").arg(done, how, file, reason);
}

} // namespace

void saveCaseSheet(QWidget *parent, const CaseRecord &record)
{
    // Made before the dialog, so that it ends after the dialog's last write.
    const NoDialogHistory noHistory;
    const QDateTime madeAt = QDateTime::currentDateTime();
    // Qt's own dialog on every desktop: it adds ".pdf" to a name typed without
    // it before it asks whether to replace a file, so the question concerns
    // the file that will be written; a desktop's dialog asks about the name
    // as typed.
    QFileDialog dialog(parent, QStringLiteral("Save Case Sheet as PDF"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF documents (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString suggested = suggestedCaseSheetPath(madeAt);
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = dialog.selectedFiles().value(0);
    if (path.isEmpty())
        return;
    const QString reason = writeCaseSheetPdf(path, record, madeAt);
    if (!reason.isEmpty())
        showMessage(parent, QStringLiteral("Case Sheet Not Saved"),
                    failedFile(QStringLiteral("saved"), QStringLiteral("as"), path, reason),
                    QMessageBox::Critical);
}

void printCaseSheet(QWidget *parent, const CaseRecord &record)
{
    const NoDialogHistory noHistory;
    // Qt Print Support is loaded with the module on the first print, not at
    // start-up.
    QString whyNot;
    CaseSheetPrinter *printer = loadCaseSheetPrinter(printModuleFolders(), &whyNot);
    if (!printer) {
        showMessage(parent, QStringLiteral("Case Sheet Not Printed"),
                    QStringLiteral("Printing is not available: %1.").arg(whyNot),
                    QMessageBox::Critical);
        return;
    }
    const QDateTime madeAt = QDateTime::currentDateTime();
    PrintJob job;
    job.parent = parent;
    job.paper = casePaper();
    job.title = QStringLiteral("Time of death estimate");
    job.creator = QStringLiteral(QUORREL_TITLE " " QUORREL_VERSION);
    job.suggestedFile = suggestedCaseSheetPath(madeAt);
    job.draw = [&](QPainter &painter, const QRectF &page) {
        drawCaseSheet(painter, page, record, madeAt);
    };
    const PrintResult printed = printer->print(job);
    if (printed.outcome != PrintResult::Outcome::Failed)
        return;
    showMessage(
        parent, QStringLiteral("Case Sheet Not Printed"),
        printed.toFile
            ? failedFile(QStringLiteral("printed"), QStringLiteral("to"), printed.destination,
                         printed.reason)
            : QStringLiteral("The case sheet could not be printed on %1.").arg(printed.destination),
        QMessageBox::Critical);
}

} // namespace quorrel::ui
