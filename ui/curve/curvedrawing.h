#pragma once

#include "clock.h"
#include "curve.h"

#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;
class QPalette;
class QRectF;

namespace quorrel::ui
{

// The estimate the result box shows, as Calculate made it: what the curve
// window draws, whatever the boxes hold since.
struct ShownEstimate {
    // The four entries as typed: room, first and second reading, hours.
    QStringList entries;
    Readings readings;
    ClockTime foundAt;
    ClockTime deathAt;
    // None where the readings make the estimate doubtful.
    std::optional<CoolingCurve> curve;
    // How far a reading off by a thermometer's resolution moves the time of
    // death, in minutes; none where it is unbounded.
    std::optional<double> spreadMinutes;
    // The result box's sentence: how long before discovery and how sure, or
    // which reading makes the estimate doubtful.
    QString sentence;
};

// Draws the curve of an estimate (or, with none, what to do to see one) into
// the area, in the palette's colours and the painter's font: on screen, into
// a PDF or onto paper alike. The cursor, in hours from discovery, is drawn
// with its time and temperature beside it; returns where, if it was drawn.
std::optional<QPointF> drawCoolingCurve(QPainter &painter, const QRectF &area,
                                        const QPalette &palette, const ShownEstimate *shown,
                                        std::optional<double> cursor = std::nullopt);

// One sentence that says what the picture shows.
QString curveSummary(const ShownEstimate *shown);

// The clock time and temperature at a point of the curve, such as
// "7:40:44 PM, 95.3 °F".
QString pointOnCurve(const ShownEstimate &shown, double hours);

} // namespace quorrel::ui
