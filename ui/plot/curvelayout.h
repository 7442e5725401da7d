#pragma once

#include "caserecord.h"

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

// A word of the picture and the box it is drawn in; a line of the legend
// also shows, at its left, a stretch of the curve it names.
struct PlotText {
    QRectF box;
    QString text;
    std::optional<int> legendOf = std::nullopt; // the curve named
};

// One method's curve in the picture.
struct PlotCurve {
    CurveLook look;
    QPolygonF points;
    QPointF death;
    double startY = 0.0;
    // The interval around the time of death, from left to right, cut at the
    // plot's edges.
    std::optional<std::pair<double, double>> band;
    // An interval alone, with no curve: its band between brackets, its
    // label above it.
    bool bracketed = false;
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
    double roomY = 0.0;
    // In the record's order, the intervals alone after the curves.
    QList<PlotCurve> curves;
    QList<QPointF> readings;
    // Where the cursor meets each curve that runs at its time.
    QList<QPointF> cursor;
    // Every word, none over another, all inside the area; the cursor's first,
    // then the legend wherever the curves are named.
    QList<PlotText> texts;
};

// Lays out the curves of the case's estimates, with the cursor (in hours
// from discovery) where given.
CurveLayout layOutCurve(const QRectF &area, const QFont &font, const CaseRecord *record,
                        std::optional<double> cursor = std::nullopt);

} // namespace quorrel::ui
