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

class SheetCommandWords
{
    Q_DECLARE_TR_FUNCTIONS(SheetCommandWords)
};

enum class Failed { Saving, PrintingToFile };

// "The case sheet could not be saved as <file>: <reason>."; a reason that
// names the file itself ("Existing file <file> is not writable") is not
// preceded by it again.
QString failedFile(Failed failed, const QString &path, const QString &reason)
{
    const QString file = QDir::toNativeSeparators(path);
    const bool saving = failed == Failed::Saving;
    if (reason.contains(path) || reason.contains(file))
        //: %1 is the reason, which names the file.
        return (saving ? SheetCommandWords::tr("The case sheet could not be saved: %1.")
                       //: %1 is the reason, which names the file.
                       : SheetCommandWords::tr("The case sheet could not be printed: %1."))
            .arg(reason);
    //: %1 is the file's path, %2 the reason.
    return (saving ? SheetCommandWords::tr("The case sheet could not be saved as %1: %2.")
                   //: %1 is the file's path, %2 the reason.
                   : SheetCommandWords::tr("The case sheet could not be printed to %1: %2."))
        .arg(file, reason);
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
    QFileDialog dialog(parent, SheetCommandWords::tr("Save Case Sheet as PDF"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    //: A file dialog's filter; %1 is the pattern of the files it shows.
    dialog.setNameFilter(SheetCommandWords::tr("PDF documents (%1)").arg(QStringLiteral("*.pdf")));
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
        showMessage(parent, SheetCommandWords::tr("Case Sheet Not Saved"),
                    failedFile(Failed::Saving, path, reason), QMessageBox::Critical);
}

void printCaseSheet(QWidget *parent, const CaseRecord &record)
{
    const NoDialogHistory noHistory;
    // Qt Print Support is loaded with the module on the first print, not at
    // start-up.
    QString whyNot;
    CaseSheetPrinter *printer = loadCaseSheetPrinter(printModuleFolders(), &whyNot);
    if (!printer) {
        showMessage(parent, SheetCommandWords::tr("Case Sheet Not Printed"),
                    //: %1 is why: the printing module is missing or cannot be loaded.
                    SheetCommandWords::tr("Printing is not available: %1.").arg(whyNot),
                    QMessageBox::Critical);
        return;
    }
    const QDateTime madeAt = QDateTime::currentDateTime();
    PrintJob job;
    job.parent = parent;
    job.paper = casePaper();
    //: The print job's name, as the case sheet's title.
    job.title = SheetCommandWords::tr("Time of death estimate");
    job.creator = QStringLiteral(QUORREL_TITLE " " QUORREL_VERSION);
    job.suggestedFile = suggestedCaseSheetPath(madeAt);
    job.draw = [&](QPainter &painter, const QRectF &page) {
        drawCaseSheet(painter, page, record, madeAt);
    };
    const PrintResult printed = printer->print(job);
    if (printed.outcome != PrintResult::Outcome::Failed)
        return;
    showMessage(parent, SheetCommandWords::tr("Case Sheet Not Printed"),
                printed.toFile
                    ? failedFile(Failed::PrintingToFile, printed.destination, printed.reason)
                    //: %1 is the printer's name.
                    : SheetCommandWords::tr("The case sheet could not be printed on %1.")
                          .arg(printed.destination),
                QMessageBox::Critical);
}

} // namespace quorrel::ui
