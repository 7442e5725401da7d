#include "sheetcommands.h"

#include "casesheet.h"
#include "messages.h"
#include "nodialoghistory.h"
#include "printerloader.h"
#include "printjob.h"
#include "version.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace quorrel::ui
{
namespace
{

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
