#include "case/sheetcommands.h"

#include "case/casesheet.h"
#include "messages.h"
#include "print/printjob.h"
#include "version.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QLibrary>
#include <QPageSize>

namespace quorrel::ui
{

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
                    QStringLiteral("The case sheet could not be saved as %1: %2.")
                        .arg(QDir::toNativeSeparators(path), reason),
                    QMessageBox::Critical);
}

void printCaseSheet(QWidget *parent, const CaseRecord &record)
{
    // Qt Print Support is loaded with the module on the first print, not at
    // start-up; the module lies beside the program in the build and in the
    // library folder once installed.
    QLibrary module;
    for (const QString &folder :
         {QCoreApplication::applicationDirPath(),
          QDir(QCoreApplication::applicationDirPath()).filePath(QUORREL_PRINT_MODULE_DIR)}) {
        module.setFileName(QDir(folder).filePath(QStringLiteral("quorrel-print")));
        if (module.load())
            break;
    }
    auto *print = reinterpret_cast<QuorrelPrintFunction *>(module.resolve(kQuorrelPrintSymbol));
    if (!print) {
        showMessage(parent, QStringLiteral("Case Sheet Not Printed"),
                    QStringLiteral("Printing is not available: %1.").arg(module.errorString()),
                    QMessageBox::Critical);
        return;
    }
    struct Page {
        const CaseRecord &record;
        QDateTime madeAt;
    } page{record, QDateTime::currentDateTime()};
    QString failedPrinter;
    const PrintJob job{parent,
                       casePaper().id(),
                       "Time of death estimate",
                       QUORREL_TITLE " " QUORREL_VERSION,
                       [](QPainter &painter, const QRectF &area, void *context) {
                           const auto *p = static_cast<const Page *>(context);
                           drawCaseSheet(painter, area, p->record, p->madeAt);
                       },
                       &page,
                       &failedPrinter};
    if (PrintOutcome(print(&job)) == PrintOutcome::Failed)
        showMessage(parent, QStringLiteral("Case Sheet Not Printed"),
                    QStringLiteral("The case sheet could not be printed on %1.").arg(failedPrinter),
                    QMessageBox::Critical);
}

} // namespace quorrel::ui
