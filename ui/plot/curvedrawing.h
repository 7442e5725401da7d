#pragma once

#include "caserecord.h"

#include <QPointF>

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

} // namespace quorrel::ui
