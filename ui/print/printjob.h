#pragma once

// What the program hands the printing module, which alone links Qt Print
// Support and is loaded only when the user prints: nothing of printing is
// loaded at start-up.

class QPainter;
class QRectF;
class QString;
class QWidget;

namespace quorrel::ui
{

struct PrintJob {
    QWidget *parent = nullptr;
    int paper = 0; // a QPageSize::PageSizeId
    const char *title = nullptr;
    const char *creator = nullptr;
    // Draws the page at 96 units to the inch into the page's rectangle.
    void (*draw)(QPainter &painter, const QRectF &page, void *context) = nullptr;
    void *context = nullptr;
    // Set to the printer's name when printing fails.
    QString *failedPrinter = nullptr;
};

enum class PrintOutcome { Cancelled = 0, Printed = 1, Failed = 2 };

} // namespace quorrel::ui

// The module's one entry point, found by this name; returns a PrintOutcome.
extern "C" using QuorrelPrintFunction = int(const quorrel::ui::PrintJob *job);
inline constexpr const char *kQuorrelPrintSymbol = "quorrelPrint";
