#pragma once

#include "caserecord.h"

#include <QPointF>
#include <QString>

#include <optional>

class QPainter;
class QPalette;
class QRectF;

namespace quorrel::ui
{

struct CurveLayout;

// Paints a laid-out curve in the palette's colours and the painter's font
// (the one it was laid out for): on screen, into a PDF or onto paper alike.
void paintCurve(QPainter &painter, const CurveLayout &layout, const QPalette &palette);

// Lays out and paints the curve of the case's estimate (or, with none, what
// to do to see one) into the area. The cursor, in hours from discovery, is
// drawn with its time and temperature beside it; returns where, if it was.
std::optional<QPointF> drawCoolingCurve(QPainter &painter, const QRectF &area,
                                        const QPalette &palette, const CaseRecord *record,
                                        std::optional<double> cursor = std::nullopt);

// A reading as the picture names it: "75 °F at 2:00:00 AM", with its day
// where asked.
QString readingText(ClockTime foundAt, const MarkedPoint &reading, bool withDay);

// One sentence that says what the picture shows.
QString curveSummary(const CaseRecord *record);

// The clock time and temperature at a point of the curve, such as
// "7:40:44 PM, 95.3 °F".
QString pointOnCurve(const CaseRecord &record, double hours);

} // namespace quorrel::ui
