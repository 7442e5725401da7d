#pragma once

#include "curve/curvedrawing.h"

#include <QString>

class QDateTime;
class QPainter;
class QRectF;
class QWidget;

namespace quorrel::ui
{

// The case sheet: one page that records an estimate, what was entered, what
// came out, by which method and when the sheet was made, with the curve and
// blank lines to fill in by hand.
void drawCaseSheet(QPainter &painter, const QRectF &page, const ShownEstimate &shown,
                   const QDateTime &madeAt);

// Where the save dialog first points: the user's Documents folder and a name
// with the sheet's date and time.
QString suggestedCaseSheetPath(const QDateTime &madeAt);

// Writes the sheet as a PDF, whole or not at all; returns why it could not,
// or an empty text.
QString writeCaseSheetPdf(const QString &path, const ShownEstimate &shown, const QDateTime &madeAt);

// The command: asks where with the desktop's file dialog, writes the sheet
// and reports a failure in one message.
void saveCaseSheet(QWidget *parent, const ShownEstimate &shown);

// The command that prints the same page through the desktop's print dialog.
void printCaseSheet(QWidget *parent, const ShownEstimate &shown);

} // namespace quorrel::ui
