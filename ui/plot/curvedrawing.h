#pragma once

#include "case/caserecord.h"

#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;
class QPalette;
class QRectF;

namespace quorrel::ui
{

// Draws the curve of an estimate (or, with none, what to do to see one) into
// the area, in the palette's colours and the painter's font: on screen, into
// a PDF or onto paper alike. The cursor, in hours from discovery, is drawn
// with its time and temperature beside it; returns where, if it was drawn.
std::optional<QPointF> drawCoolingCurve(QPainter &painter, const QRectF &area,
                                        const QPalette &palette, const CaseRecord *shown,
                                        std::optional<double> cursor = std::nullopt);

// One sentence that says what the picture shows.
QString curveSummary(const CaseRecord *shown);

// The clock time and temperature at a point of the curve, such as
// "7:40:44 PM, 95.3 °F".
QString pointOnCurve(const CaseRecord &shown, double hours);

} // namespace quorrel::ui
