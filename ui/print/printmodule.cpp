#include "print/printjob.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

using namespace quorrel::ui;

// Shows the desktop's print dialog and prints one page on the printer chosen.
extern "C" Q_DECL_EXPORT int quorrelPrint(const PrintJob *job)
{
    // The page is laid out in the sheet's own units; the printer scales them.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::PageSizeId(job->paper)),
                                      QPageLayout::Portrait, QMarginsF(18, 16, 18, 16),
                                      QPageLayout::Millimeter));
    printer.setDocName(QString::fromUtf8(job->title));
    printer.setCreator(QString::fromUtf8(job->creator));
    QPrintDialog dialog(&printer, job->parent);
    dialog.setWindowTitle(QStringLiteral("Print Case Sheet"));
    if (dialog.exec() != QDialog::Accepted)
        return int(PrintOutcome::Cancelled);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (job->failedPrinter)
            *job->failedPrinter = printer.printerName();
        return int(PrintOutcome::Failed);
    }
    const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    job->draw(painter, QRectF(QPointF(), page), job->context);
    painter.end();
    return int(PrintOutcome::Printed);
}
