#include "pdffile.h"
#include "printjob.h"

#include <QLineEdit>
#include <QObject>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace quorrel::ui
{
namespace
{

// Printing to a file: Qt's printer writes the file directly and ignores a
// failed write (a full disk left an empty PDF and said nothing), so the sheet
// is written as a saved one is, with the layout chosen in the dialog.
// Returns why it could not, or an empty text.
QString printToFile(const QPrinter &printer, const PrintJob &job)
{
    return writePdfFile(printer.outputFileName(), [&](QPdfWriter &writer) {
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setTitle(job.title);
        writer.setCreator(job.creator);
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        job.draw(painter, QRectF(QPointF(),
                                 writer.pageLayout().paintRectPixels(writer.resolution()).size()));
        painter.end();
        return true;
    });
}

} // namespace

class CaseSheetPrinterModule : public QObject, public CaseSheetPrinter
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorrelCaseSheetPrinter_iid)
    Q_INTERFACES(quorrel::ui::CaseSheetPrinter)

public:
    PrintResult print(const PrintJob &job) override
    {
        // The page is laid out in the sheet's own units; the printer scales them.
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setPageLayout(QPageLayout(job.paper, QPageLayout::Portrait,
                                          QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter));
        printer.setDocName(job.title);
        printer.setCreator(job.creator);
        QPrintDialog dialog(&printer, job.parent);
        dialog.setWindowTitle(tr("Print Case Sheet"));
        // Qt's own dialog (Linux) has a box for printing to a file, which would
        // start in the working folder: it starts where Save does.
        if (auto *file = dialog.findChild<QLineEdit *>(QStringLiteral("filename")))
            file->setText(job.suggestedFile);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
            const QString reason = printToFile(printer, job);
            return {reason.isEmpty() ? PrintResult::Outcome::Printed : PrintResult::Outcome::Failed,
                    printer.outputFileName(), true, reason};
        }
        QPainter painter;
        if (!painter.begin(&printer))
            return {PrintResult::Outcome::Failed, printer.printerName(), false, QString()};
        const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
        job.draw(painter, QRectF(QPointF(), page));
        // The spooler can still refuse the pages when they are handed over.
        if (!painter.end() || printer.printerState() == QPrinter::Error)
            return {PrintResult::Outcome::Failed, printer.printerName(), false, QString()};
        return {PrintResult::Outcome::Printed, printer.printerName(), false, QString()};
    }
};

} // namespace quorrel::ui

#include "printmodule.moc"
