#include "curvedrawing.h"

#include "curvelayout.h"
#include "wording.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace quorrel::ui
{
namespace
{

QString readingsInWords(const CaseRecord &record, const MethodResult &result, bool withDay)
{
    return QStringLiteral("%1, when the body was found, and %2; room %3")
        .arg(readingText(record.foundAt, result.readings.at(0), withDay),
             readingText(record.foundAt, result.readings.at(1), withDay),
             typedDegrees(result.ambient));
}

// Newton's curve, from the temperature at death through both readings.
QString newtonInWords(const CaseRecord &record, const MethodRecord &newton, bool withDay)
{
    const MethodResult &result = newton.result;
    if (!result.hasCurve())
        return QStringLiteral("No curve: %1. %2.")
            .arg(newton.sentence, readingsInWords(record, result, withDay));
    // A death named with its day is set off like the readings' days.
    const bool dayNamed =
        withDay && dayFromDiscovery(record.foundAt, result.curveFrom()).value_or(1) != 0;
    return QStringLiteral("From %1 at %2%3 to %4")
        .arg(typedDegrees(result.startTemperature),
             momentText(record.foundAt, result.curveFrom(), withDay),
             dayNamed ? QStringLiteral(",") : QString(), readingsInWords(record, result, withDay));
}

// Henssge's curve, from 98.96 °F at its most likely time of death, with its
// limits, through the reading. Its time is given to the minute, with its day,
// as the window gives it.
QString henssgeInWords(const CaseRecord &record, const MethodRecord &henssge)
{
    const MethodResult &result = henssge.result;
    const std::optional<std::int64_t> minute =
        minuteFromDiscovery(record.foundAt, result.curveFrom());
    const QString died = minute ? minuteClock(*minute) + ' ' + discoveryDayWords(*minute)
                                : momentText(record.foundAt, result.curveFrom(), true);
    const QString limits = result.spreadHours
                               ? QStringLiteral("95 % limits ") + tenthsOfHours(*result.spreadHours)
                               : QStringLiteral("no 95 % limits");
    return QStringLiteral("from %1 at about %2 (%3) to %4, when the body was found")
        .arg(typedDegrees(result.startTemperature), died, limits,
             readingText(record.foundAt, result.readings.at(0), false));
}

} // namespace

QString readingText(ClockTime foundAt, const MarkedPoint &reading, bool withDay)
{
    return typedDegrees(reading.temperature) + QStringLiteral(" at ") +
           momentText(foundAt, reading.hours, withDay);
}

QString curveSummary(const CaseRecord *record)
{
    if (!record)
        return QStringLiteral("Calculate an estimate to see its curve.");
    const bool withDay = curveNamesDays(*record);
    if (!record->henssge)
        return newtonInWords(*record, *record->newton, withDay);
    // With Henssge's curve, each is named with the line that draws it.
    const QString henssge = QStringLiteral("Henssge's nomogram, dashed line: ") +
                            henssgeInWords(*record, *record->henssge) + '.';
    if (!record->newton)
        return henssge + QStringLiteral(" Room ") + typedDegrees(record->henssge->result.ambient) +
               '.';
    QString newton = newtonInWords(*record, *record->newton, withDay);
    newton = record->newton->result.hasCurve()
                 ? QStringLiteral("Newton's law, solid line: f") + newton.mid(1)
                 : QStringLiteral("Newton's law, n") + newton.mid(1);
    return newton + (newton.endsWith('.') ? QStringLiteral(" ") : QStringLiteral(". ")) + henssge;
}

QString pointOnCurve(const CaseRecord &record, double hours)
{
    const QList<const MethodRecord *> methods = drawnMethods(record);
    const auto temperature = [&](const MethodRecord *method) {
        return degrees(numberWithDecimals(method->result.temperatureAt(hours), 1));
    };
    const QString moment = momentText(record.foundAt, hours, curveNamesDays(record));
    if (methods.size() == 1 && !record.henssge)
        return moment + QStringLiteral(", ") + temperature(methods.first());
    // Each curve that runs at that time, by name.
    QStringList on;
    for (const MethodRecord *method : methods)
        if (hours >= method->result.curveFrom() && hours <= method->result.curveTo)
            on.append(method->name + ' ' + temperature(method));
    return on.isEmpty() ? QString() : moment + QStringLiteral(": ") + on.join(QStringLiteral(", "));
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

    // The bands behind everything: Newton's shaded, Henssge's hatched, so
    // that they differ on paper without colour too.
    const auto bandBrush = [&](CurveStyle style) {
        QColor shade = style == CurveStyle::Solid ? accent : ink;
        shade.setAlpha(style == CurveStyle::Solid ? 60 : 90);
        return style == CurveStyle::Solid ? QBrush(shade) : QBrush(shade, Qt::BDiagPattern);
    };
    for (const PlotCurve &curve : layout.curves) {
        if (!curve.band)
            continue;
        const QRectF band(curve.band->first, plot.top(), curve.band->second - curve.band->first,
                          plot.height());
        painter.fillRect(band, bandBrush(curve.style));
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

    // The axes, the room and the temperatures at death.
    painter.setPen(QPen(ink, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (double x : layout.timeLines)
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), layout.roomY), QPointF(plot.right(), layout.roomY));
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    for (const PlotCurve &curve : layout.curves)
        painter.drawLine(QPointF(plot.left(), curve.startY), QPointF(plot.right(), curve.startY));

    const auto penOf = [&](CurveStyle style) {
        return style == CurveStyle::Solid ? QPen(accent, 2.5)
                                          : QPen(ink, 2, Qt::DashLine, Qt::FlatCap);
    };
    painter.save();
    painter.setClipRect(plot.adjusted(-8, -8, 8, 8));
    painter.setBrush(Qt::NoBrush);
    for (const PlotCurve &curve : layout.curves) {
        painter.setPen(penOf(curve.style));
        painter.drawPolyline(curve.points);
    }
    painter.restore();

    const QFontMetricsF metrics(painter.font());
    const double dot = std::max(3.5, metrics.height() / 4);
    if (!layout.cursor.isEmpty()) {
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawLine(QPointF(layout.cursor.first().x(), plot.top()),
                         QPointF(layout.cursor.first().x(), plot.bottom()));
        painter.setPen(QPen(ink, 2));
        painter.setBrush(Qt::NoBrush);
        for (const QPointF &point : layout.cursor)
            painter.drawEllipse(point, dot * 1.8, dot * 1.8);
    }
    // Newton's death a diamond, Henssge's a square.
    for (const PlotCurve &curve : layout.curves) {
        const QPointF death = curve.death;
        const double r = dot * 1.6;
        painter.setPen(QPen(ink, 1.5));
        if (curve.style == CurveStyle::Solid) {
            painter.setBrush(accent);
            painter.drawPolygon(QPolygonF({death + QPointF(0, -r), death + QPointF(r, 0),
                                           death + QPointF(0, r), death + QPointF(-r, 0)}));
        } else {
            painter.setBrush(paper);
            painter.drawRect(QRectF(death - QPointF(r * 0.8, r * 0.8), QSizeF(r * 1.6, r * 1.6)));
        }
    }
    painter.setBrush(ink);
    painter.setPen(QPen(paper, 1));
    for (const QPointF &point : layout.readings)
        painter.drawEllipse(point, dot, dot);

    // Words on the background's colour, so lines under them do not cross
    // their letters; a legend's line shows its curve's stroke first.
    for (const PlotText &text : layout.texts) {
        painter.fillRect(text.box, paper);
        painter.setPen(ink);
        if (!text.legendOf) {
            painter.drawText(text.box, Qt::AlignCenter, text.text);
            continue;
        }
        const double sample = metrics.horizontalAdvance(QStringLiteral("0000"));
        const double y = text.box.center().y();
        // The band's fill behind the stroke, so that on paper too the legend
        // says which band is whose.
        const CurveStyle style = layout.curves.at(*text.legendOf).style;
        painter.fillRect(
            QRectF(text.box.left() + 2, text.box.top() + 2, sample - 2, text.box.height() - 4),
            bandBrush(style));
        painter.setPen(penOf(style));
        painter.drawLine(QPointF(text.box.left() + 2, y), QPointF(text.box.left() + sample, y));
        painter.setPen(ink);
        painter.drawText(text.box.adjusted(sample + 6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         text.text);
    }
    painter.restore();
}

std::optional<QPointF> drawCoolingCurve(QPainter &painter, const QRectF &area,
                                        const QPalette &palette, const CaseRecord *record,
                                        std::optional<double> cursor)
{
    const CurveLayout layout = layOutCurve(area, painter.font(), record, cursor);
    paintCurve(painter, layout, palette);
    return layout.cursor.isEmpty() ? std::nullopt : std::optional(layout.cursor.first());
}

} // namespace quorrel::ui
