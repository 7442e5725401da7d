#pragma once

#include "caserecord.h"

#include <QPageSize>

#include <QString>

class QDateTime;
class QPainter;
class QRectF;
class QWidget;

namespace quorrel::ui
{

// The case sheet: it records an estimate, what was entered, what came out,
// by which method and when the sheet was made, with the curve and blank lines
// to fill in by hand. `page` is the area inside the margins; where the sheet
// needs more than one page it starts the next with the painter's device's
// newPage(), so the device must be a PDF writer or a printer.
void drawCaseSheet(QPainter &painter, const QRectF &page, const CaseRecord &record,
                   const QDateTime &madeAt);

// Letter where the locale measures in US units, A4 elsewhere.
QPageSize casePaper();

// The user's Documents folder, or the home folder where there is none.
QString documentsFolder();

// Where the save dialog first points: the user's Documents folder and a name
// with the sheet's date and time.
QString suggestedCaseSheetPath(const QDateTime &madeAt);

// Writes the sheet as a PDF, whole or not at all; returns why it could not,
// or an empty text.
QString writeCaseSheetPdf(const QString &path, const CaseRecord &record, const QDateTime &madeAt);

} // namespace quorrel::ui
