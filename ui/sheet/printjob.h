#pragma once

// What the program hands the printing module, a Qt plugin that alone links
// Qt Print Support and is loaded only when the user prints: nothing of
// printing is loaded at start-up. The interface's id carries its version, so
// a module built for another version is refused before it is called.

#include <QPageSize>
#include <QString>
#include <QtPlugin>

#include <functional>

class QPainter;
class QRectF;
class QWidget;

namespace quorrel::ui
{

struct PrintJob {
    QWidget *parent = nullptr;
    QPageSize paper;
    QString title;
    QString creator;
    // Where printing to a file first points, as saving does.
    QString suggestedFile;
    // Draws the sheet into the page's rectangle, starting further pages on
    // the painter's device as it needs them, in the device's pixels: the module asks the printer
    // for the screen's resolution, so the sheet's pens are as thick on paper as on screen; fonts
    // keep their point sizes at any resolution.
    std::function<void(QPainter &painter, const QRectF &page)> draw;
};

struct PrintResult {
    enum class Outcome { Cancelled, Printed, Failed };
    Outcome outcome = Outcome::Cancelled;
    // Printing to a file: the file; on a printer, its name.
    QString destination;
    bool toFile = false;
    // Why a file could not be written; empty for a printer.
    QString reason;
};

class CaseSheetPrinter
{
public:
    virtual ~CaseSheetPrinter() = default;
    // Shows the desktop's print dialog and prints the sheet where the user
    // chose.
    virtual PrintResult print(const PrintJob &job) = 0;
};

} // namespace quorrel::ui

#define QuorrelCaseSheetPrinter_iid "org.quorrel.CaseSheetPrinter/1.0"
Q_DECLARE_INTERFACE(quorrel::ui::CaseSheetPrinter, QuorrelCaseSheetPrinter_iid)
