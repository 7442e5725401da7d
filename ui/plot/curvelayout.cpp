#include "plot/curvelayout.h"

#include "plot/curvedrawing.h"
#include "wording.h"

#include <QFontMetricsF>
#include <QLineF>

#include <algorithm>
#include <array>
#include <cmath>

namespace quorrel::ui
{
namespace
{

constexpr double kGap = 4.0;
constexpr int kMostTimeMarks = 10;

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

// Seconds between the time axis's marks, on the clock's round times: hours,
// then days, then weeks, then round numbers of days.
double timeStepSeconds(double spanSeconds, double count)
{
    constexpr double minute = 60.0;
    constexpr double day = kSecondsPerDay;
    for (double step : {15 * minute, 30 * minute, 60 * minute, 120 * minute, 180 * minute,
                        360 * minute, 720 * minute, day, 2 * day, 7 * day, 14 * day, 28 * day})
        if (spanSeconds / step <= count)
            return step;
    return day * std::max(50.0, niceStep(spanSeconds / day, count));
}

// Whether a segment of the curve passes through a box.
bool crosses(const QRectF &box, QPointF a, QPointF b)
{
    if (box.contains(a) || box.contains(b))
        return true;
    const QLineF segment(a, b);
    const QLineF sides[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    return std::any_of(std::begin(sides), std::end(sides), [&](const QLineF &side) {
        return segment.intersects(side, nullptr) == QLineF::BoundedIntersection;
    });
}

// Places words beside points inside the area, each where it covers no word
// placed before and, if it can, not the curve either; a word with no such
// place is left out.
class Placer
{
public:
    Placer(const QFont &font, const QRectF &area, const QPolygonF &curve)
        : m_metrics(font), m_area(area), m_curve(curve)
    {
    }

    void add(QPointF at, const QString &text, std::initializer_list<Qt::Alignment> sides,
             bool shift = false)
    {
        const QSizeF size(m_metrics.horizontalAdvance(text) + 4, m_metrics.height());
        if (size.width() > m_area.width() || size.height() > m_area.height())
            return;
        // Beside the point first; a word that must be shown also tries places
        // a line or two above and below.
        const std::array<double, 5> offsets = {0.0, -1.0, 1.0, -2.0, 2.0};
        const int tries = shift ? static_cast<int>(offsets.size()) : 1;
        // A word beside a point may lie on the curve where nothing else is
        // free; a word beside a line never does.
        for (bool avoidCurve : {true, false}) {
            if (!avoidCurve && !shift)
                return;
            for (int i = 0; i < tries; ++i) {
                for (Qt::Alignment side : sides) {
                    QRectF box = placed(at + QPointF(0, offsets[i] * size.height()), size, side);
                    if (isFree(box, avoidCurve)) {
                        texts.append({box, text});
                        return;
                    }
                }
            }
        }
    }

    QList<PlotText> texts;

private:
    QRectF placed(QPointF at, QSizeF size, Qt::Alignment side) const
    {
        QRectF box(QPointF(), size);
        box.moveCenter(at);
        if (side & Qt::AlignLeft)
            box.moveRight(at.x() - kGap);
        if (side & Qt::AlignRight)
            box.moveLeft(at.x() + kGap);
        if (side & Qt::AlignTop)
            box.moveBottom(at.y() - kGap);
        if (side & Qt::AlignBottom)
            box.moveTop(at.y() + kGap);
        box.moveLeft(std::clamp(box.left(), m_area.left(), m_area.right() - box.width()));
        box.moveTop(std::clamp(box.top(), m_area.top(), m_area.bottom() - box.height()));
        return box;
    }

    bool isFree(const QRectF &box, bool avoidCurve) const
    {
        if (std::any_of(texts.begin(), texts.end(),
                        [&](const PlotText &t) { return t.box.intersects(box); }))
            return false;
        if (!avoidCurve)
            return true;
        // The curve runs left to right: only the segments under the box count,
        // the box widened by half the curve's pen.
        const QRectF near = box.adjusted(-2, -2, 2, 2);
        const auto first = std::lower_bound(m_curve.begin(), m_curve.end(), near.left(),
                                            [](const QPointF &p, double x) { return p.x() < x; });
        for (auto i = first == m_curve.begin() ? first : first - 1; i != m_curve.end(); ++i) {
            if (i + 1 == m_curve.end() || i->x() > near.right())
                break;
            if (crosses(near, *i, *(i + 1)))
                return false;
        }
        return true;
    }

    QFontMetricsF m_metrics;
    QRectF m_area;
    const QPolygonF &m_curve;
};

} // namespace

bool curveNamesDays(const MethodResult &result)
{
    return result.curveTo - result.curveFrom() > 24.0;
}

CurveLayout layOutCurve(const QRectF &area, const QFont &font, const CaseRecord *record,
                        std::optional<double> cursor)
{
    CurveLayout layout;
    layout.area = area;
    layout.words = curveSummary(record);
    if (!record || !record->newton.result.hasCurve())
        return layout;
    const MethodResult &result = record->newton.result;
    const ClockTime foundAt = record->foundAt;
    const QFontMetricsF metrics(font);
    const double line = metrics.height();

    // The temperature scale: the room, the readings, the start and the end of
    // the curve in view.
    const double end = result.curveTo;
    double low = std::min(result.ambient, result.temperatureAt(end));
    double high = result.startTemperature;
    for (const MarkedPoint &reading : result.readings) {
        low = std::min(low, reading.temperature);
        high = std::max(high, reading.temperature);
    }
    const double pad = std::max((high - low) * 0.08, 0.5);
    layout.low = low - pad;
    layout.high = high + pad;
    // The time scale: from a little before death to the curve's end. The
    // spread never widens it; a band wider than the view runs to its edge.
    const double span = end - result.curveFrom();
    layout.from = result.curveFrom() - span * 0.04;
    layout.to = end;
    if (!std::isfinite(layout.high - layout.low) || !std::isfinite(layout.to - layout.from) ||
        !(layout.to > layout.from))
        return layout;

    const QString widest = typedDegrees(
        std::round(std::fabs(layout.high) > std::fabs(layout.low) ? layout.high : layout.low));
    layout.plot =
        area.adjusted(metrics.horizontalAdvance(widest) + 14, line * 1.6,
                      -metrics.horizontalAdvance(QStringLiteral("00:00 AM")) / 2 - 6, -line * 2.8);
    if (layout.plot.width() < 20 || layout.plot.height() < 20)
        return layout;
    layout.words.clear();

    if (result.spreadHours) {
        const double left =
            std::max(layout.x(result.curveFrom() - *result.spreadHours), layout.plot.left());
        const double right =
            std::min(layout.x(result.curveFrom() + *result.spreadHours), layout.plot.right());
        layout.band = {left, std::max(right, left + 1.0)};
    }

    // Temperature lines at round steps, a few lines of text apart.
    const double tStep =
        niceStep(layout.high - layout.low, std::max(1.0, layout.plot.height() / (line * 1.8)));
    QList<double> temperatures;
    // Counted, not stepped: at magnitudes where adding one step to a double
    // changes nothing, a stepping loop would never end.
    const double firstT = std::ceil(layout.low / tStep);
    for (int i = 0; i < 64 && (firstT + i) * tStep <= layout.high; ++i)
        temperatures.append((firstT + i) * tStep);
    for (double t : temperatures)
        layout.temperatureLines.append(layout.y(t));

    // Time marks: at most about ten, at round clock times or whole days.
    const double foundSeconds = foundAt.seconds;
    const double first = foundSeconds + layout.from * 3600.0;
    const double last = foundSeconds + layout.to * 3600.0;
    const double markWidth = metrics.horizontalAdvance(QStringLiteral("00:00 AM")) * 1.6;
    const double fits =
        std::clamp(std::floor(layout.plot.width() / markWidth), 2.0, double(kMostTimeMarks));
    const double step = timeStepSeconds(last - first, fits);
    const bool daySteps = step >= kSecondsPerDay;
    QList<std::pair<double, QString>> timeMarks;
    const double firstMark = std::ceil(first / step);
    for (int i = 0; i <= kMostTimeMarks + 2 && (firstMark + i) * step <= last; ++i) {
        const double s = (firstMark + i) * step;
        const double at = layout.x((s - foundSeconds) / 3600.0);
        QString text;
        if (!daySteps) {
            const double ofDay = s - std::floor(s / kSecondsPerDay) * kSecondsPerDay;
            text = axisClock(static_cast<std::int64_t>(ofDay));
        } else {
            // Days apart, a mark says how many days before or after the day
            // of discovery.
            const double day = std::round(s / kSecondsPerDay);
            text = day < 0    ? wholeNumber(-day) + QStringLiteral(" d before")
                   : day == 0 ? QStringLiteral("day found")
                              : wholeNumber(day) + QStringLiteral(" d after");
        }
        layout.timeLines.append(at);
        timeMarks.append({at, text});
    }
    // Midnights are marked only where a few fall in view.
    if (!daySteps && last - first <= 3.0 * kSecondsPerDay) {
        const double firstDay = std::ceil(first / kSecondsPerDay);
        for (int i = 0; i < 4 && (firstDay + i) * kSecondsPerDay <= last; ++i)
            layout.midnightLines.append(
                layout.x(((firstDay + i) * kSecondsPerDay - foundSeconds) / 3600.0));
    }

    layout.roomY = layout.y(result.ambient);
    layout.startY = layout.y(result.startTemperature);
    const int samples = std::max(64, static_cast<int>(layout.plot.width() / 2));
    for (int i = 0; i <= samples; ++i) {
        const double hours = result.curveFrom() + (end - result.curveFrom()) * i / samples;
        const double y = layout.y(result.temperatureAt(hours));
        if (std::isfinite(y))
            layout.curve.append(
                QPointF(layout.x(hours), std::clamp(y, layout.plot.top() - layout.plot.height(),
                                                    layout.plot.bottom() + layout.plot.height())));
    }
    layout.death = QPointF(layout.x(result.curveFrom()), layout.startY);
    for (const MarkedPoint &reading : result.readings)
        layout.readings.append(QPointF(layout.x(reading.hours), layout.y(reading.temperature)));
    if (cursor) {
        const double at = std::clamp(*cursor, result.curveFrom(), end);
        layout.cursor = QPointF(layout.x(at), layout.y(result.temperatureAt(at)));
    }

    // The words, the most needed first: each later one yields its place.
    const bool withDay = curveNamesDays(result);
    Placer words(font, area, layout.curve);
    const auto beside = {Qt::AlignRight | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom,
                         Qt::AlignLeft | Qt::AlignBottom, Qt::AlignLeft | Qt::AlignTop};
    if (cursor)
        words.add(*layout.cursor, pointOnCurve(*record, *cursor), beside, true);
    words.add(
        layout.death,
        QStringLiteral("died %1 (%2)")
            .arg(momentText(foundAt, result.curveFrom(), withDay), spreadLabel(result.spreadHours)),
        beside, true);
    for (qsizetype i = 0; i < layout.readings.size(); ++i) {
        const MarkedPoint &reading = result.readings.at(i);
        words.add(layout.readings.at(i),
                  typedDegrees(reading.temperature) + QStringLiteral(" at ") +
                      momentText(foundAt, reading.hours, withDay),
                  beside, true);
    }
    words.add(QPointF(layout.plot.right(), layout.startY), typedDegrees(result.startTemperature),
              {Qt::AlignLeft | Qt::AlignBottom, Qt::AlignLeft | Qt::AlignTop});
    words.add(QPointF(layout.plot.right(), layout.roomY),
              QStringLiteral("room ") + typedDegrees(result.ambient),
              {Qt::AlignLeft | Qt::AlignTop, Qt::AlignLeft | Qt::AlignBottom});
    const int tDecimals = std::max(0, -static_cast<int>(std::floor(std::log10(tStep))));
    for (qsizetype i = 0; i < temperatures.size(); ++i)
        words.add(QPointF(layout.plot.left(), layout.temperatureLines.at(i)),
                  degrees(numberWithDecimals(temperatures.at(i), tDecimals)), {Qt::AlignLeft});
    for (const auto &[at, text] : timeMarks)
        words.add(QPointF(at, layout.plot.bottom() + 2), text, {Qt::AlignBottom});
    for (double at : layout.midnightLines)
        words.add(QPointF(at, layout.plot.top()), QStringLiteral("midnight"), {Qt::AlignTop});
    layout.texts = words.texts;
    return layout;
}

} // namespace quorrel::ui
