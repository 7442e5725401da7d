#include "plot/curvedrawing.h"

#include "cooling.h"
#include "widgets.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace quorrel::ui
{
namespace
{

QString degrees(double value, int decimals = -1)
{
    const QLocale locale;
    const QString number =
        decimals < 0 ? locale.toString(value, 'g', 15) : locale.toString(value, 'f', decimals);
    return number + ' ' + kDegreeSign + 'F';
}

QString clockText(ClockTime start, double hours)
{
    const Result<ClockTime> at = clockTimeAfter(start, hours);
    return at ? QString::fromStdString(formatClockTime(*at)) : QString();
}

// "7:00 PM": the hours and minutes of a time of day, for the time axis.
QString axisTime(std::int64_t secondsOfDay)
{
    const int minutes = static_cast<int>(secondsOfDay / 60);
    const int hour = (minutes / 60 + 11) % 12 + 1;
    return QStringLiteral("%1:%2 %3")
        .arg(hour)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(minutes < 12 * 60 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

// The smallest of 1, 2, 5 times a power of ten that gives at most `count`
// steps over the span.
double niceStep(double span, double count)
{
    const double rough = span / std::max(count, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= rough)
            return m * power;
    return 10.0 * power;
}

// Minutes between the time axis's marks, on the clock's own round times.
std::int64_t timeStepMinutes(double spanMinutes, double count)
{
    for (std::int64_t m : {15, 30, 60, 120, 180, 360, 720, 1440})
        if (spanMinutes / m <= count)
            return m;
    return 1440 * static_cast<std::int64_t>(std::ceil(spanMinutes / 1440.0 / count));
}

// Places texts beside points, inside the area, each on the first of its
// sides where it overlaps no text placed before; on the background's colour,
// so that lines under a text do not cross its letters.
class Labels
{
public:
    Labels(QPainter &painter, const QRectF &area, const QColor &behind)
        : m_painter(painter), m_area(area), m_behind(behind)
    {
    }
    // With `optional`, a text that finds no free side is left out (marks of
    // an axis); otherwise it goes on its first side all the same.
    void add(QPointF at, const QString &text, std::initializer_list<Qt::Alignment> sides,
             bool optional = false)
    {
        std::optional<QRectF> chosen;
        for (Qt::Alignment side : sides) {
            const QRectF box = placed(at, text, side);
            if (std::none_of(m_taken.begin(), m_taken.end(),
                             [&](const QRectF &t) { return t.intersects(box); })) {
                chosen = box;
                break;
            }
        }
        if (!chosen && optional)
            return;
        if (!chosen)
            chosen = placed(at, text, *sides.begin());
        m_taken.append(*chosen);
        m_painter.fillRect(*chosen, m_behind);
        m_painter.drawText(*chosen, Qt::AlignCenter, text);
    }

private:
    QRectF placed(QPointF at, const QString &text, Qt::Alignment side) const
    {
        const QFontMetricsF metrics(m_painter.font());
        QRectF box(QPointF(), QSizeF(metrics.horizontalAdvance(text) + 4, metrics.height()));
        const double gap = 4;
        box.moveCenter(at);
        if (side & Qt::AlignLeft)
            box.moveRight(at.x() - gap);
        if (side & Qt::AlignRight)
            box.moveLeft(at.x() + gap);
        if (side & Qt::AlignTop)
            box.moveBottom(at.y() - gap);
        if (side & Qt::AlignBottom)
            box.moveTop(at.y() + gap);
        box.moveLeft(std::clamp(box.left(), m_area.left(),
                                std::max(m_area.left(), m_area.right() - box.width())));
        box.moveTop(std::clamp(box.top(), m_area.top(),
                               std::max(m_area.top(), m_area.bottom() - box.height())));
        return box;
    }

    QPainter &m_painter;
    QRectF m_area;
    QColor m_behind;
    QList<QRectF> m_taken;
};

void drawWords(QPainter &painter, const QRectF &area, const QPalette &palette, const QString &text)
{
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(area.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, text);
}

QString readingsInWords(const CaseRecord &shown)
{
    const Readings &r = shown.readings;
    return QStringLiteral("%1 at %2, when the body was found, and %3 at %4; room %5")
        .arg(degrees(r.first), clockText(shown.foundAt, 0.0), degrees(r.second),
             clockText(shown.foundAt, r.elapsed), degrees(r.ambient));
}

} // namespace

QString curveSummary(const CaseRecord *shown)
{
    if (!shown)
        return QStringLiteral("Calculate an estimate to see its curve.");
    if (!shown->curve)
        return QStringLiteral("No curve: %1. %2.").arg(shown->sentence, readingsInWords(*shown));
    return QStringLiteral("From %1 at %2 to %3")
        .arg(degrees(kNormalBodyTemperature),
             QString::fromStdString(formatClockTime(shown->deathAt)), readingsInWords(*shown));
}

QString pointOnCurve(const CaseRecord &shown, double hours)
{
    if (!shown.curve)
        return QString();
    return clockText(shown.foundAt, hours) + QStringLiteral(", ") +
           degrees(shown.curve->temperatureAt(hours), 1);
}

std::optional<QPointF> drawCoolingCurve(QPainter &painter, const QRectF &area,
                                        const QPalette &palette, const CaseRecord *shown,
                                        std::optional<double> cursor)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    painter.fillRect(area, palette.color(QPalette::Base));
    if (!shown || !shown->curve) {
        drawWords(painter, area, palette, curveSummary(shown));
        painter.restore();
        return std::nullopt;
    }
    const CoolingCurve &curve = *shown->curve;
    const Readings &read = shown->readings;
    const QColor ink = palette.color(QPalette::Text);
    const QColor paper = palette.color(QPalette::Base);
    const QColor accent = palette.color(QPalette::Highlight);
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();

    // The temperature scale: the room, both readings and 98.6 °F in view.
    double low = std::min({read.ambient, read.second, curve.temperatureAt(curve.to())});
    double high = std::max(kNormalBodyTemperature, read.first);
    const double pad = std::max((high - low) * 0.08, 0.5);
    low -= pad;
    high += pad;

    const QString widest = degrees(std::round(high) + (high < 0 ? -10 : 10));
    QRectF plot =
        area.adjusted(metrics.horizontalAdvance(widest) + 14, line * 1.6,
                      -metrics.horizontalAdvance(QStringLiteral("00:00 AM")) / 2 - 6, -line * 2.8);
    if (plot.width() < 20 || plot.height() < 20) {
        drawWords(painter, area, palette, curveSummary(shown));
        painter.restore();
        return std::nullopt;
    }
    // The time axis begins a little before death, so the band of the spread
    // shows whole around it.
    const double before =
        std::max(shown->spreadMinutes.value_or(0.0) / 60.0, (curve.to() - curve.from()) * 0.04);
    const double from = curve.from() - before;
    const double to = curve.to();
    const auto x = [&](double hours) {
        return plot.left() + (hours - from) / (to - from) * plot.width();
    };
    const auto y = [&](double temperature) {
        return plot.bottom() - (temperature - low) / (high - low) * plot.height();
    };

    // The spread of the time of death, a band across the whole height.
    if (shown->spreadMinutes) {
        const double half = *shown->spreadMinutes / 60.0;
        QColor band = accent;
        band.setAlpha(60);
        const double left = std::max(x(curve.from() - half), plot.left());
        const double right = std::min(x(curve.from() + half), plot.right());
        painter.fillRect(QRectF(left, plot.top(), std::max(right - left, 1.0), plot.height()),
                         band);
    }

    // The grid: temperature steps, and the clock's round times; a day or more
    // apart, the marks are the midnights themselves.
    QColor grid = ink;
    grid.setAlpha(40);
    painter.setPen(QPen(grid, 0));
    const double tStep = niceStep(high - low, plot.height() / (line * 1.8));
    QList<double> temperatureMarks;
    for (auto k = static_cast<std::int64_t>(std::ceil(low / tStep)); k * tStep <= high; ++k) {
        const double t = static_cast<double>(k) * tStep;
        temperatureMarks.append(t);
        painter.drawLine(QPointF(plot.left(), y(t)), QPointF(plot.right(), y(t)));
    }
    const double foundSeconds = shown->foundAt.seconds;
    const double firstSecond = foundSeconds + from * 3600.0;
    const double lastSecond = foundSeconds + to * 3600.0;
    const double markWidth = metrics.horizontalAdvance(QStringLiteral("00:00 AM")) * 1.6;
    const std::int64_t stepSeconds =
        60 * timeStepMinutes((lastSecond - firstSecond) / 60.0, plot.width() / markWidth);
    const auto hoursAt = [&](double second) { return (second - foundSeconds) / 3600.0; };
    QList<std::int64_t> timeMarks;
    for (auto s = static_cast<std::int64_t>(std::ceil(firstSecond / stepSeconds)) * stepSeconds;
         s <= lastSecond; s += stepSeconds) {
        timeMarks.append(s);
        const double at = x(hoursAt(static_cast<double>(s)));
        painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
    }
    QList<std::int64_t> midnights;
    for (auto s =
             static_cast<std::int64_t>(std::ceil(firstSecond / kSecondsPerDay)) * kSecondsPerDay;
         s <= lastSecond; s += kSecondsPerDay) {
        midnights.append(s);
        const double at = x(hoursAt(static_cast<double>(s)));
        painter.setPen(QPen(ink, 1, Qt::DashDotLine));
        painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
    }

    // The axes, the room and normal body temperature.
    painter.setPen(QPen(ink, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (std::int64_t s : timeMarks) {
        const double at = x(hoursAt(static_cast<double>(s)));
        painter.drawLine(QPointF(at, plot.bottom()), QPointF(at, plot.bottom() + 4));
    }
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y(read.ambient)), QPointF(plot.right(), y(read.ambient)));
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    painter.drawLine(QPointF(plot.left(), y(kNormalBodyTemperature)),
                     QPointF(plot.right(), y(kNormalBodyTemperature)));

    // The curve itself.
    QPainterPath path;
    const int samples = std::max(64, static_cast<int>(plot.width() / 2));
    for (int i = 0; i <= samples; ++i) {
        const double hours = curve.from() + (to - curve.from()) * i / samples;
        const QPointF point(x(hours), y(curve.temperatureAt(hours)));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    painter.setPen(QPen(accent, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);

    // The cursor, death where the curve meets 98.6 °F, and the two readings.
    const double dot = std::max(3.5, line / 4);
    std::optional<QPointF> cursorPoint;
    if (cursor) {
        cursorPoint = QPointF(x(*cursor), y(curve.temperatureAt(*cursor)));
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawLine(QPointF(cursorPoint->x(), plot.top()),
                         QPointF(cursorPoint->x(), plot.bottom()));
        painter.setPen(QPen(ink, 2));
        painter.drawEllipse(*cursorPoint, dot * 1.8, dot * 1.8);
    }
    const QPointF death(x(curve.from()), y(kNormalBodyTemperature));
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(accent);
    painter.drawPolygon(QPolygonF({death + QPointF(0, -dot * 1.6), death + QPointF(dot * 1.6, 0),
                                   death + QPointF(0, dot * 1.6), death + QPointF(-dot * 1.6, 0)}));
    const QPointF readings[] = {QPointF(x(0.0), y(read.first)),
                                QPointF(x(read.elapsed), y(read.second))};
    painter.setBrush(ink);
    painter.setPen(QPen(paper, 1));
    for (const QPointF &point : readings)
        painter.drawEllipse(point, dot, dot);

    // The words, the most needed first: each later one yields its place.
    painter.setPen(ink);
    Labels labels(painter, area, paper);
    const auto beside = {Qt::AlignRight | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom,
                         Qt::AlignLeft | Qt::AlignBottom, Qt::AlignLeft | Qt::AlignTop};
    if (cursorPoint)
        labels.add(*cursorPoint, pointOnCurve(*shown, *cursor), beside);
    const QString spread = shown->spreadMinutes
                               ? QStringLiteral(" (\u00B1%1 min)")
                                     .arg(std::max(1L, std::lround(*shown->spreadMinutes)))
                               : QStringLiteral(" (spread unbounded)");
    labels.add(death,
               QStringLiteral("died ") + QString::fromStdString(formatClockTime(shown->deathAt)) +
                   spread,
               beside);
    labels.add(readings[0],
               degrees(read.first) + QStringLiteral(" at ") + clockText(shown->foundAt, 0.0),
               beside);
    labels.add(readings[1],
               degrees(read.second) + QStringLiteral(" at ") +
                   clockText(shown->foundAt, read.elapsed),
               beside);
    labels.add(QPointF(plot.right(), y(kNormalBodyTemperature)), degrees(kNormalBodyTemperature),
               {Qt::AlignLeft | Qt::AlignBottom, Qt::AlignLeft | Qt::AlignTop}, true);
    labels.add(QPointF(plot.right(), y(read.ambient)),
               QStringLiteral("room ") + degrees(read.ambient),
               {Qt::AlignLeft | Qt::AlignTop, Qt::AlignLeft | Qt::AlignBottom}, true);
    for (double t : temperatureMarks)
        labels.add(QPointF(plot.left(), y(t)), degrees(t), {Qt::AlignLeft}, true);
    const bool daySteps = stepSeconds >= kSecondsPerDay;
    const std::int64_t dayFound =
        static_cast<std::int64_t>(foundSeconds) / kSecondsPerDay * kSecondsPerDay;
    for (std::int64_t s : timeMarks) {
        const std::int64_t ofDay = ((s % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay;
        // Days apart, a mark says how many days before the day of discovery.
        const std::int64_t daysBefore = (dayFound - s) / kSecondsPerDay;
        const QString text = !daySteps         ? axisTime(ofDay)
                             : daysBefore > 0  ? QStringLiteral("%1 d before").arg(daysBefore)
                             : daysBefore == 0 ? QStringLiteral("day found")
                                               : QStringLiteral("%1 d after").arg(-daysBefore);
        labels.add(QPointF(x(hoursAt(static_cast<double>(s))), plot.bottom() + 2), text,
                   {Qt::AlignBottom}, true);
    }
    for (std::int64_t s : midnights)
        labels.add(QPointF(x(hoursAt(static_cast<double>(s))), plot.top()),
                   QStringLiteral("midnight"), {Qt::AlignTop}, true);
    painter.restore();
    return cursorPoint;
}

} // namespace quorrel::ui
