#include "curvelayout.h"

#include "curvedrawing.h"
#include "wording.h"

#include <QFontMetricsF>
#include <QLineF>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

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
// placed before and, if it can, no curve either; a word with no such place
// is left out.
class Placer
{
public:
    Placer(const QFont &font, const QRectF &area, const QList<PlotCurve> &curves)
        : m_metrics(font), m_area(area), m_curves(curves)
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
        // A word beside a point may lie on a curve where nothing else is
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

    // The legend: one line a curve, each a stretch of line and its name, in
    // the first corner of the plot where it covers nothing.
    void addLegend(const QRectF &plot, const QList<std::pair<int, QString>> &lines)
    {
        const double sample = m_metrics.horizontalAdvance(QStringLiteral("0000"));
        double width = 0;
        for (const auto &line : lines)
            width = std::max(width, sample + m_metrics.horizontalAdvance(line.second) + 10);
        const QSizeF size(width, m_metrics.height() * lines.size());
        if (size.width() > plot.width() || size.height() > plot.height())
            return;
        const QRectF inside = plot.adjusted(kGap, kGap, -kGap, -kGap);
        for (bool avoidCurve : {true, false}) {
            for (QPointF corner :
                 {inside.topRight(), inside.bottomLeft(), inside.bottomRight(), inside.topLeft()}) {
                QRectF block(QPointF(), size);
                block.moveLeft(corner.x() == inside.left() ? inside.left()
                                                           : inside.right() - size.width());
                block.moveTop(corner.y() == inside.top() ? inside.top()
                                                         : inside.bottom() - size.height());
                if (!isFree(block, avoidCurve))
                    continue;
                for (qsizetype i = 0; i < lines.size(); ++i)
                    texts.append({QRectF(block.left(), block.top() + i * m_metrics.height(),
                                         size.width(), m_metrics.height()),
                                  lines.at(i).second, lines.at(i).first});
                return;
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
        return std::none_of(m_curves.begin(), m_curves.end(),
                            [&](const PlotCurve &curve) { return passesUnder(box, curve.points); });
    }

    // A curve runs left to right: only the segments under the box count, the
    // box widened by half the curve's pen.
    static bool passesUnder(const QRectF &box, const QPolygonF &curve)
    {
        const QRectF near = box.adjusted(-2, -2, 2, 2);
        const auto first = std::lower_bound(curve.begin(), curve.end(), near.left(),
                                            [](const QPointF &p, double x) { return p.x() < x; });
        for (auto i = first == curve.begin() ? first : first - 1; i != curve.end(); ++i) {
            if (i + 1 == curve.end() || i->x() > near.right())
                break;
            if (crosses(near, *i, *(i + 1)))
                return true;
        }
        return false;
    }

    QFontMetricsF m_metrics;
    QRectF m_area;
    const QList<PlotCurve> &m_curves;
};

// Henssge's time of death to the minute, as its sentence gives it, with the
// day where asked: "9:40 AM, the day before".
QString henssgeMoment(ClockTime foundAt, double hours, bool withDay)
{
    const std::optional<std::int64_t> at = minuteFromDiscovery(foundAt, hours);
    if (!at)
        return momentText(foundAt, hours, withDay);
    QString text = minuteClock(*at);
    const auto day = static_cast<std::int64_t>(std::floor(double(*at) / kSecondsPerDay));
    if (withDay && day != 0)
        text += QStringLiteral(", ") + dayWords(day);
    return text;
}

} // namespace

QList<const MethodRecord *> drawnMethods(const CaseRecord &record)
{
    QList<const MethodRecord *> drawn;
    for (const MethodRecord *method : record.methods())
        if (method->result.hasCurve())
            drawn.append(method);
    return drawn;
}

std::optional<std::pair<double, double>> curveSpan(const CaseRecord &record)
{
    std::optional<std::pair<double, double>> span;
    for (const MethodRecord *method : drawnMethods(record)) {
        const MethodResult &result = method->result;
        span = span ? std::pair(std::min(span->first, result.curveFrom()),
                                std::max(span->second, result.curveTo))
                    : std::pair(result.curveFrom(), result.curveTo);
    }
    return span;
}

bool curveNamesDays(const CaseRecord &record)
{
    const auto span = curveSpan(record);
    return span && span->second - span->first > 24.0;
}

CurveLayout layOutCurve(const QRectF &area, const QFont &font, const CaseRecord *record,
                        std::optional<double> cursor)
{
    CurveLayout layout;
    layout.area = area;
    layout.words = curveSummary(record);
    const QList<const MethodRecord *> methods =
        record ? drawnMethods(*record) : QList<const MethodRecord *>();
    if (methods.isEmpty())
        return layout;
    const ClockTime foundAt = record->foundAt;
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    const auto styleOf = [&](const MethodRecord *method) {
        return record->henssge && method == &*record->henssge ? CurveStyle::Dashed
                                                              : CurveStyle::Solid;
    };

    // The temperature scale: the room, the readings, the starts and the ends
    // of the curves in view.
    const auto [spanFrom, end] = *curveSpan(*record);
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    QList<MarkedPoint> readings;
    for (const MethodRecord *method : methods) {
        const MethodResult &result = method->result;
        low = std::min({low, result.ambient, result.temperatureAt(result.curveTo)});
        high = std::max(high, result.startTemperature);
        // A reading both methods mark is one point.
        for (const MarkedPoint &reading : result.readings) {
            low = std::min(low, reading.temperature);
            high = std::max(high, reading.temperature);
            if (std::none_of(readings.begin(), readings.end(), [&](const MarkedPoint &marked) {
                    return marked.hours == reading.hours &&
                           marked.temperature == reading.temperature;
                }))
                readings.append(reading);
        }
    }
    const double pad = std::max((high - low) * 0.08, 0.5);
    layout.low = low - pad;
    layout.high = high + pad;
    // The time scale: from a little before the earliest death to the end of
    // the longest curve. Newton's spread never widens it: it can be any
    // width, and a band wider than the view runs to its edge. Henssge's
    // limits, a few hours at most, are shown whole.
    double viewFrom = spanFrom;
    double viewTo = end;
    for (const MethodRecord *method : methods) {
        const MethodResult &result = method->result;
        if (styleOf(method) == CurveStyle::Dashed && result.spreadHours) {
            viewFrom = std::min(viewFrom, result.curveFrom() - *result.spreadHours);
            viewTo = std::max(viewTo, result.curveFrom() + *result.spreadHours);
        }
    }
    const double span = viewTo - viewFrom;
    layout.from = viewFrom - span * 0.04;
    layout.to = viewTo;
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

    layout.roomY = layout.y(methods.first()->result.ambient);
    const int samples = std::max(64, static_cast<int>(layout.plot.width() / 2));
    for (const MethodRecord *method : methods) {
        const MethodResult &result = method->result;
        PlotCurve curve;
        curve.style = styleOf(method);
        curve.startY = layout.y(result.startTemperature);
        for (int i = 0; i <= samples; ++i) {
            const double hours =
                result.curveFrom() + (result.curveTo - result.curveFrom()) * i / samples;
            const double y = layout.y(result.temperatureAt(hours));
            if (std::isfinite(y))
                curve.points.append(QPointF(
                    layout.x(hours), std::clamp(y, layout.plot.top() - layout.plot.height(),
                                                layout.plot.bottom() + layout.plot.height())));
        }
        curve.death = QPointF(layout.x(result.curveFrom()), curve.startY);
        if (result.spreadHours) {
            const double left =
                std::max(layout.x(result.curveFrom() - *result.spreadHours), layout.plot.left());
            const double right =
                std::min(layout.x(result.curveFrom() + *result.spreadHours), layout.plot.right());
            curve.band = {left, std::max(right, left + 1.0)};
        }
        layout.curves.append(curve);
    }
    for (const MarkedPoint &reading : readings)
        layout.readings.append(QPointF(layout.x(reading.hours), layout.y(reading.temperature)));
    if (cursor) {
        const double at = std::clamp(*cursor, spanFrom, end);
        for (const MethodRecord *method : methods)
            if (at >= method->result.curveFrom() && at <= method->result.curveTo)
                layout.cursor.append(
                    QPointF(layout.x(at), layout.y(method->result.temperatureAt(at))));
    }

    // The words, the most needed first: each later one yields its place.
    const bool withDay = curveNamesDays(*record);
    const bool named = methods.size() > 1 || styleOf(methods.first()) != CurveStyle::Solid;
    Placer words(font, area, layout.curves);
    const auto beside = {Qt::AlignRight | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom,
                         Qt::AlignLeft | Qt::AlignBottom, Qt::AlignLeft | Qt::AlignTop};
    if (!layout.cursor.isEmpty())
        words.add(layout.cursor.first(), pointOnCurve(*record, *cursor), beside, true);
    if (named) {
        QList<std::pair<int, QString>> legend;
        for (qsizetype i = 0; i < methods.size(); ++i)
            legend.append({int(i), methods.at(i)->name});
        words.addLegend(layout.plot, legend);
    }
    for (qsizetype i = 0; i < methods.size(); ++i) {
        const MethodResult &result = methods.at(i)->result;
        const bool henssge = styleOf(methods.at(i)) == CurveStyle::Dashed;
        const QString died = henssge
                                 ? QStringLiteral("Henssge: died %1 (%2)")
                                       .arg(henssgeMoment(foundAt, result.curveFrom(), withDay),
                                            result.spreadHours ? tenthsOfHours(*result.spreadHours)
                                                               : QStringLiteral("no 95 % limits"))
                                 : QStringLiteral("%1died %2 (%3)")
                                       .arg(named ? QStringLiteral("Newton: ") : QString(),
                                            momentText(foundAt, result.curveFrom(), withDay),
                                            spreadLabel(result.spreadHours));
        words.add(layout.curves.at(i).death, died, beside, true);
    }
    for (qsizetype i = 0; i < layout.readings.size(); ++i)
        words.add(layout.readings.at(i), readingText(foundAt, readings.at(i), withDay), beside,
                  true);
    for (qsizetype i = 0; i < methods.size(); ++i)
        words.add(QPointF(layout.plot.right(), layout.curves.at(i).startY),
                  typedDegrees(methods.at(i)->result.startTemperature),
                  {Qt::AlignLeft | Qt::AlignBottom, Qt::AlignLeft | Qt::AlignTop});
    words.add(QPointF(layout.plot.right(), layout.roomY),
              QStringLiteral("room ") + typedDegrees(methods.first()->result.ambient),
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
