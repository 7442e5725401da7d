#pragma once

#include "case/caserecord.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <optional>
#include <utility>

namespace quorrel::ui
{

// A word of the picture and the box it is drawn in.
struct PlotText {
    QRectF box;
    QString text;
};

// The picture of a cooling curve laid out for an area and a font, before any
// painting: where the plot, its scales, marks, points and words go. The work
// depends on the area's size, never on the span of time the estimate covers.
struct CurveLayout {
    QRectF area;
    // Words instead of a picture: no estimate, a doubtful one, or an area too
    // small to draw in.
    QString words;
    bool hasPlot() const { return words.isEmpty(); }

    QRectF plot;
    // The view: hours from discovery across, °F up.
    double from = 0.0;
    double to = 1.0;
    double low = 0.0;
    double high = 1.0;
    double x(double hours) const
    {
        return plot.left() + (hours - from) / (to - from) * plot.width();
    }
    double y(double temperature) const
    {
        return plot.bottom() - (temperature - low) / (high - low) * plot.height();
    }

    QList<double> temperatureLines; // at these heights
    QList<double> timeLines;        // at these places across
    QList<double> midnightLines;    // only where few midnights fall in view
    // The spread of the time of death, from left to right, cut at the plot's edges.
    std::optional<std::pair<double, double>> band;
    double roomY = 0.0;
    double startY = 0.0;
    QPolygonF curve;
    QPointF death;
    QList<QPointF> readings;
    std::optional<QPointF> cursor;
    // Every word, none over another, all inside the area; the cursor's first.
    QList<PlotText> texts;
};

// Lays out the curve of the case's estimate, with the cursor (in hours from
// discovery) where given.
CurveLayout layOutCurve(const QRectF &area, const QFont &font, const CaseRecord *record,
                        std::optional<double> cursor = std::nullopt);

// Whether the curve's times name their day: where the picture spans more than
// a day, a clock time alone would not say which.
bool curveNamesDays(const MethodResult &result);

} // namespace quorrel::ui
