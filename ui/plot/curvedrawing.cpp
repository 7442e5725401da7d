#include "plot/curvedrawing.h"

#include "plot/curvelayout.h"
#include "wording.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace quorrel::ui
{
namespace
{

QString readingsInWords(const CaseRecord &record)
{
    const MethodResult &result = record.newton.result;
    const bool withDay = result.hasCurve() && curveNamesDays(result);
    const auto at = [&](const MarkedPoint &reading) {
        return typedDegrees(reading.temperature) + QStringLiteral(" at ") +
               momentText(record.foundAt, reading.hours, withDay);
    };
    return QStringLiteral("%1, when the body was found, and %2; room %3")
        .arg(at(result.readings.at(0)), at(result.readings.at(1)), typedDegrees(result.ambient));
}

} // namespace

QString curveSummary(const CaseRecord *record)
{
    if (!record)
        return QStringLiteral("Calculate an estimate to see its curve.");
    const MethodResult &result = record->newton.result;
    if (!result.hasCurve())
        return QStringLiteral("No curve: %1. %2.")
            .arg(record->newton.sentence, readingsInWords(*record));
    // A death named with its day is set off like the readings' days.
    const bool withDay = curveNamesDays(result);
    const bool dayNamed =
        withDay && dayFromDiscovery(record->foundAt, result.curveFrom()).value_or(1) != 0;
    return QStringLiteral("From %1 at %2%3 to %4")
        .arg(typedDegrees(result.startTemperature),
             momentText(record->foundAt, result.curveFrom(), withDay),
             dayNamed ? QStringLiteral(",") : QString(), readingsInWords(*record));
}

QString pointOnCurve(const CaseRecord &record, double hours)
{
    const MethodResult &result = record.newton.result;
    if (!result.hasCurve())
        return QString();
    return momentText(record.foundAt, hours, curveNamesDays(result)) + QStringLiteral(", ") +
           degrees(numberWithDecimals(result.temperatureAt(hours), 1));
}

void paintCurve(QPainter &painter, const CurveLayout &layout, const QPalette &palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(layout.area);
    painter.fillRect(layout.area, palette.color(QPalette::Base));
    const QColor ink = palette.color(QPalette::Text);
    const QColor paper = palette.color(QPalette::Base);
    const QColor accent = palette.color(QPalette::Highlight);
    if (!layout.hasPlot()) {
        painter.setPen(ink);
        painter.drawText(layout.area.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         layout.words);
        painter.restore();
        return;
    }
    const QRectF &plot = layout.plot;

    if (layout.band) {
        QColor band = accent;
        band.setAlpha(60);
        painter.fillRect(QRectF(layout.band->first, plot.top(),
                                layout.band->second - layout.band->first, plot.height()),
                         band);
    }

    QColor grid = ink;
    grid.setAlpha(40);
    painter.setPen(QPen(grid, 0));
    for (double y : layout.temperatureLines)
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    for (double x : layout.timeLines)
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(QPen(ink, 1, Qt::DashDotLine));
    for (double x : layout.midnightLines)
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));

    // The axes, the room and the temperature at death.
    painter.setPen(QPen(ink, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (double x : layout.timeLines)
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), layout.roomY), QPointF(plot.right(), layout.roomY));
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    painter.drawLine(QPointF(plot.left(), layout.startY), QPointF(plot.right(), layout.startY));

    painter.save();
    painter.setClipRect(plot.adjusted(-8, -8, 8, 8));
    painter.setPen(QPen(accent, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(layout.curve);
    painter.restore();

    const QFontMetricsF metrics(painter.font());
    const double dot = std::max(3.5, metrics.height() / 4);
    if (layout.cursor) {
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawLine(QPointF(layout.cursor->x(), plot.top()),
                         QPointF(layout.cursor->x(), plot.bottom()));
        painter.setPen(QPen(ink, 2));
        painter.drawEllipse(*layout.cursor, dot * 1.8, dot * 1.8);
    }
    const QPointF death = layout.death;
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(accent);
    painter.drawPolygon(QPolygonF({death + QPointF(0, -dot * 1.6), death + QPointF(dot * 1.6, 0),
                                   death + QPointF(0, dot * 1.6), death + QPointF(-dot * 1.6, 0)}));
    painter.setBrush(ink);
    painter.setPen(QPen(paper, 1));
    for (const QPointF &point : layout.readings)
        painter.drawEllipse(point, dot, dot);

    // Words on the background's colour, so lines under them do not cross
    // their letters.
    painter.setPen(ink);
    for (const PlotText &text : layout.texts) {
        painter.fillRect(text.box, paper);
        painter.drawText(text.box, Qt::AlignCenter, text.text);
    }
    painter.restore();
}

std::optional<QPointF> drawCoolingCurve(QPainter &painter, const QRectF &area,
                                        const QPalette &palette, const CaseRecord *record,
                                        std::optional<double> cursor)
{
    const CurveLayout layout = layOutCurve(area, painter.font(), record, cursor);
    paintCurve(painter, layout, palette);
    return layout.cursor;
}

} // namespace quorrel::ui
