#include "case/sheetcommands.h"

#include "case/casesheet.h"
#include "messages.h"
#include "print/printerloader.h"
#include "print/printjob.h"
#include "version.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>

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
    const QDateTime madeAt = QDateTime::currentDateTime();
    // The dialog asks before it replaces a file.
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Save Case Sheet as PDF"), suggestedCaseSheetPath(madeAt),
        QStringLiteral("PDF documents (*.pdf)"));
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
