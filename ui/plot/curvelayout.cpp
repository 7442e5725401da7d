#include "curvelayout.h"

#include "curvetext.h"
#include "henssge.h"
#include "wording.h"

#include <QCoreApplication>
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

class CurveLayoutWords
{
    Q_DECLARE_TR_FUNCTIONS(CurveLayoutWords)
};

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

    // Lines across the plot that words beside points and the legend keep
    // clear of where they can: the axes, midnights, the room and the
    // temperatures at death.
    void avoidLines(const QList<double> &across, const QList<double> &down)
    {
        m_across = across;
        m_down = down;
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
                    if (isFree(box, avoidCurve, avoidCurve)) {
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
        // The corners first, then places across the plot, top rows first.
        QList<QPointF> tops;
        for (QPointF corner :
             {inside.topRight(), inside.bottomLeft(), inside.bottomRight(), inside.topLeft()})
            tops.append(QPointF(
                corner.x() == inside.left() ? inside.left() : inside.right() - size.width(),
                corner.y() == inside.top() ? inside.top() : inside.bottom() - size.height()));
        constexpr int kSteps = 12;
        for (int row = 0; row <= kSteps; ++row)
            for (int i = kSteps; i >= 0; --i)
                tops.append(
                    QPointF(inside.left() + (inside.width() - size.width()) * i / kSteps,
                            inside.top() + (inside.height() - size.height()) * row / kSteps));
        // Clear of curves and lines if it can be, then of lines, then of
        // curves, then anywhere free of words.
        for (const auto &[avoidCurve, avoidLines] :
             {std::pair(true, true), {false, true}, {true, false}, {false, false}}) {
            for (QPointF topLeft : tops) {
                const QRectF block(topLeft, size);
                if (!isFree(block, avoidCurve, avoidLines))
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

    bool isFree(const QRectF &box, bool avoidCurve, bool avoidLines = false) const
    {
        if (std::any_of(texts.begin(), texts.end(),
                        [&](const PlotText &t) { return t.box.intersects(box); }))
            return false;
        if (avoidLines &&
            (std::any_of(m_across.begin(), m_across.end(),
                         [&](double y) { return y > box.top() && y < box.bottom(); }) ||
             std::any_of(m_down.begin(), m_down.end(),
                         [&](double x) { return x > box.left() && x < box.right(); })))
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
    QList<double> m_across;
    QList<double> m_down;
};

} // namespace

namespace
{

// What the steps of a layout share: the case, its drawn methods and what
// one step works out for the next.
struct Scene {
    const CaseRecord &record;
    QList<const MethodRecord *> methods;
    QList<const MethodRecord *> intervals; // records with no curve
    QFontMetricsF metrics;
    std::pair<double, double> span;       // the curves' hours, from death to end
    QList<MarkedPoint> readings = {};     // each reading once
    QList<double> temperatures = {};      // of the temperature lines, in °F
    QList<double> shownTemperatures = {}; // the same in the case's unit
    double tStep = 1.0;
    QList<std::pair<double, QString>> timeMarks = {};
};

// The temperature scale: the room, the readings, the starts and the ends of
// the curves in view. A reading both methods mark is one point.
void scaleTemperatures(CurveLayout &layout, Scene &scene)
{
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const MethodRecord *method : scene.methods) {
        const MethodResult &result = method->result;
        low = std::min({low, result.ambient, result.temperatureAt(result.curveTo)});
        high = std::max(high, result.startTemperature);
        for (const MarkedPoint &reading : result.readings) {
            low = std::min(low, reading.temperature);
            high = std::max(high, reading.temperature);
            if (std::none_of(scene.readings.begin(), scene.readings.end(),
                             [&](const MarkedPoint &marked) {
                                 return marked.hours == reading.hours &&
                                        marked.temperature == reading.temperature;
                             }))
                scene.readings.append(reading);
        }
    }
    const double pad = std::max((high - low) * 0.08, 0.5);
    layout.low = low - pad;
    layout.high = high + pad;
}

// The time scale: from a little before the earliest death to the end of the
// longest curve. An interval shown whole widens it; any other (a spread that
// can be any width) runs to the view's edge.
void scaleTimes(CurveLayout &layout, const Scene &scene)
{
    double viewFrom = scene.span.first;
    double viewTo = scene.span.second;
    for (const MethodRecord *method : scene.methods + scene.intervals) {
        const MethodResult &result = method->result;
        if (method->intervalInView && result.spreadHours) {
            viewFrom = std::min(viewFrom, result.curveFrom() - *result.spreadHours);
            viewTo = std::max(viewTo, result.curveFrom() + *result.spreadHours);
        }
    }
    const double span = viewTo - viewFrom;
    layout.from = viewFrom - span * 0.04;
    // With no curve to end there, the discovery is given room of its own.
    layout.to = scene.methods.isEmpty() ? viewTo + span * 0.04 : viewTo;
}

// Temperature lines at round steps of the case's unit, a few lines of text
// apart: in °C whole or half degrees, not °F steps named in °C.
void markTemperatures(CurveLayout &layout, Scene &scene)
{
    const bool celsius = shownTemperatureUnit() == TemperatureUnit::Celsius;
    const auto shown = [celsius](double f) { return celsius ? fahrenheitToCelsius(f) : f; };
    const double low = shown(layout.low);
    const double high = shown(layout.high);
    const double line = scene.metrics.height();
    scene.tStep = niceStep(high - low, std::max(1.0, layout.plot.height() / (line * 1.8)));
    if (celsius)
        scene.tStep = scene.tStep < 1.0 ? 0.5 : scene.tStep;
    // Counted, not stepped: at magnitudes where adding one step to a double
    // changes nothing, a stepping loop would never end.
    const double firstT = std::ceil(low / scene.tStep);
    for (int i = 0; i < 64 && (firstT + i) * scene.tStep <= high; ++i) {
        const double t = (firstT + i) * scene.tStep;
        scene.shownTemperatures.append(t);
        scene.temperatures.append(celsius ? celsiusToFahrenheit(t) : t);
    }
    for (double t : scene.temperatures)
        layout.temperatureLines.append(layout.y(t));
}

// Time marks: at most about ten, at round clock times or whole days; the
// midnights only where a few fall in view.
void markTimes(CurveLayout &layout, Scene &scene)
{
    const double foundSeconds = scene.record.foundAt.seconds;
    const double first = foundSeconds + layout.from * 3600.0;
    const double last = foundSeconds + layout.to * 3600.0;
    const double markWidth = scene.metrics.horizontalAdvance(QStringLiteral("00:00 AM")) * 1.6;
    const double fits =
        std::clamp(std::floor(layout.plot.width() / markWidth), 2.0, double(kMostTimeMarks));
    const double step = timeStepSeconds(last - first, fits);
    const bool daySteps = step >= kSecondsPerDay;
    const double firstMark = std::ceil(first / step);
    for (int i = 0; i <= kMostTimeMarks + 2 && (firstMark + i) * step <= last; ++i) {
        const double s = (firstMark + i) * step;
        const double at = layout.x((s - foundSeconds) / 3600.0);
        // Days apart, a mark says how many days before or after the day of
        // discovery.
        const double day = std::round(s / kSecondsPerDay);
        const QString text = !daySteps ? axisClock(static_cast<std::int64_t>(
                                             s - std::floor(s / kSecondsPerDay) * kSecondsPerDay))
                             //: A mark of the time axis: %1 days before the day found.
                             : day < 0 ? CurveLayoutWords::tr("%1 d before").arg(wholeNumber(-day))
                             //: A mark of the time axis: the day the body was found.
                             : day == 0 ? CurveLayoutWords::tr("day found")
                                        //: A mark of the time axis: %1 days after the day found.
                                        : CurveLayoutWords::tr("%1 d after").arg(wholeNumber(day));
        layout.timeLines.append(at);
        scene.timeMarks.append({at, text});
    }
    if (daySteps || last - first > 3.0 * kSecondsPerDay)
        return;
    const double firstDay = std::ceil(first / kSecondsPerDay);
    for (int i = 0; i < 4 && (firstDay + i) * kSecondsPerDay <= last; ++i)
        layout.midnightLines.append(
            layout.x(((firstDay + i) * kSecondsPerDay - foundSeconds) / 3600.0));
}

// A method's interval around its time of death, cut at the plot's edges.
void placeBand(PlotCurve &curve, const CurveLayout &layout, const MethodRecord &method)
{
    const MethodResult &result = method.result;
    // Uncertain entries: the prudent interval is the one stated and weighed,
    // so it is the one drawn; an open earliest end runs to the plot's edge.
    if (method.prudent) {
        const double left = method.prudent->earliest
                                ? std::max(layout.x(-*method.prudent->earliest), layout.plot.left())
                                : layout.plot.left();
        const double right =
            std::min(layout.x(std::min(-method.prudent->latest, 0.0)), layout.plot.right());
        curve.band = {left, std::max(right, left + 1.0)};
        return;
    }
    if (!result.spreadHours)
        return;
    const double left =
        std::max(layout.x(result.curveFrom() - *result.spreadHours), layout.plot.left());
    double latest = result.curveFrom() + *result.spreadHours;
    if (method.intervalEndsAtDiscovery)
        latest = std::min(latest, 0.0);
    const double right = std::min(layout.x(latest), layout.plot.right());
    curve.band = {left, std::max(right, left + 1.0)};
}

// A record with an interval and no curve: its band, with its label at the
// top of the plot over the band's middle.
PlotCurve placeInterval(const CurveLayout &layout, const MethodRecord &method)
{
    PlotCurve interval;
    interval.look = method.look;
    interval.bracketed = true;
    placeBand(interval, layout, method);
    interval.startY = layout.plot.top();
    interval.death =
        QPointF((interval.band->first + interval.band->second) / 2.0, layout.plot.top());
    return interval;
}

// Each method's curve sampled across the plot, its death and its interval.
PlotCurve sampleCurve(const CurveLayout &layout, const MethodRecord &method)
{
    const MethodResult &result = method.result;
    PlotCurve curve;
    curve.look = method.look;
    curve.startY = layout.y(result.startTemperature);
    const int samples = std::max(64, static_cast<int>(layout.plot.width() / 2));
    for (int i = 0; i <= samples; ++i) {
        const double hours =
            result.curveFrom() + (result.curveTo - result.curveFrom()) * i / samples;
        const double y = layout.y(result.temperatureAt(hours));
        if (std::isfinite(y))
            curve.points.append(
                QPointF(layout.x(hours), std::clamp(y, layout.plot.top() - layout.plot.height(),
                                                    layout.plot.bottom() + layout.plot.height())));
    }
    curve.death = QPointF(layout.x(result.curveFrom()), curve.startY);
    placeBand(curve, layout, method);
    return curve;
}

// Where the cursor meets each curve that runs at its time.
void placeCursor(CurveLayout &layout, const Scene &scene, double cursor)
{
    const double at = std::clamp(cursor, scene.span.first, scene.span.second);
    for (const MethodRecord *method : scene.methods)
        if (at >= method->result.curveFrom() && at <= method->result.curveTo)
            layout.cursor.append(QPointF(layout.x(at), layout.y(method->result.temperatureAt(at))));
}

// The words, the most needed first: each later one yields its place.
void placeWords(CurveLayout &layout, const Scene &scene, const QFont &font,
                std::optional<double> cursor)
{
    const CaseRecord &record = scene.record;
    const bool withDay = curveNamesDays(record);
    const QList<const MethodRecord *> shown = scene.methods + scene.intervals;
    const bool named = curvesNamed(shown);
    Placer words(font, layout.area, layout.curves);
    QList<double> across{layout.roomY, layout.plot.bottom()};
    for (const PlotCurve &curve : layout.curves)
        if (!curve.bracketed)
            across.append(curve.startY);
    words.avoidLines(across, QList<double>{layout.plot.left()} + layout.midnightLines);
    const auto beside = {Qt::AlignRight | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom,
                         Qt::AlignLeft | Qt::AlignBottom, Qt::AlignLeft | Qt::AlignTop};
    if (!layout.cursor.isEmpty())
        words.add(layout.cursor.first(), pointOnCurve(record, *cursor), beside, true);
    if (named) {
        QList<std::pair<int, QString>> legend;
        for (qsizetype i = 0; i < shown.size(); ++i)
            legend.append({int(i), shown.at(i)->name});
        words.addLegend(layout.plot, legend);
    }
    for (qsizetype i = 0; i < shown.size(); ++i)
        words.add(
            layout.curves.at(i).death, shown.at(i)->deathLabel(record.foundAt, withDay, named),
            layout.curves.at(i).bracketed ? std::initializer_list<Qt::Alignment>{Qt::AlignBottom}
                                          : beside,
            true);
    for (qsizetype i = 0; i < layout.readings.size(); ++i)
        words.add(layout.readings.at(i), readingText(record.foundAt, scene.readings.at(i), withDay),
                  beside, true);
    for (qsizetype i = 0; i < scene.methods.size(); ++i)
        words.add(QPointF(layout.plot.right(), layout.curves.at(i).startY),
                  startDegrees(scene.methods.at(i)->result.startTemperature),
                  {Qt::AlignLeft | Qt::AlignBottom, Qt::AlignLeft | Qt::AlignTop});
    if (!scene.methods.isEmpty())
        words.add(QPointF(layout.plot.right(), layout.roomY),
                  //: Beside the room's line on the curve; %1 is its temperature.
                  CurveLayoutWords::tr("room %1").arg(
                      typedDegrees(scene.methods.first()->result.ambient)),
                  {Qt::AlignLeft | Qt::AlignTop, Qt::AlignLeft | Qt::AlignBottom});
    const int tDecimals = std::max(0, -static_cast<int>(std::floor(std::log10(scene.tStep))));
    for (qsizetype i = 0; i < scene.temperatures.size(); ++i)
        words.add(QPointF(layout.plot.left(), layout.temperatureLines.at(i)),
                  degrees(numberWithDecimals(scene.shownTemperatures.at(i), tDecimals)),
                  {Qt::AlignLeft});
    for (const auto &[at, text] : scene.timeMarks)
        words.add(QPointF(at, layout.plot.bottom() + 2), text, {Qt::AlignBottom});
    for (double at : layout.midnightLines)
        //: Over a line of the curve at midnight.
        words.add(QPointF(at, layout.plot.top()), CurveLayoutWords::tr("midnight"), {Qt::AlignTop});
    layout.texts = words.texts;
}

// With no temperature estimate, the intervals alone on a time axis that
// ends a little after the discovery: no temperatures, no room.
CurveLayout layOutIntervalsAlone(CurveLayout layout, Scene &scene, const QFont &font)
{
    double earliest = 0.0;
    for (const MethodRecord *method : scene.intervals)
        earliest = std::max(earliest, -method->result.curveFrom() + *method->result.spreadHours);
    scene.span = {-earliest, 0.0};
    scaleTimes(layout, scene);
    if (!std::isfinite(layout.to - layout.from) || !(layout.to > layout.from))
        return layout;
    const double line = scene.metrics.height();
    layout.plot = layout.area.adjusted(
        14, line * 1.6, -scene.metrics.horizontalAdvance(QStringLiteral("00:00 AM")) / 2 - 6,
        -line * 2.8);
    if (layout.plot.width() < 20 || layout.plot.height() < 20)
        return layout;
    layout.words.clear();
    layout.roomY = std::numeric_limits<double>::quiet_NaN();
    markTimes(layout, scene);
    for (const MethodRecord *method : scene.intervals)
        layout.curves.append(placeInterval(layout, *method));
    placeWords(layout, scene, font, std::nullopt);
    return layout;
}

} // namespace

CurveLayout layOutCurve(const QRectF &area, const QFont &font, const CaseRecord *record,
                        std::optional<double> cursor)
{
    CurveLayout layout;
    layout.area = area;
    layout.words = curveSummary(record);
    const QList<const MethodRecord *> methods =
        record ? drawnMethods(*record) : QList<const MethodRecord *>();
    if (methods.isEmpty()) {
        if (!record || intervalsAlone(*record).isEmpty())
            return layout;
        Scene alone{*record, methods, intervalsAlone(*record), QFontMetricsF(font), {0.0, 0.0}};
        return layOutIntervalsAlone(layout, alone, font);
    }
    Scene scene{*record, methods, intervalsAlone(*record), QFontMetricsF(font),
                *curveSpan(*record)};
    scaleTemperatures(layout, scene);
    scaleTimes(layout, scene);
    if (!std::isfinite(layout.high - layout.low) || !std::isfinite(layout.to - layout.from) ||
        !(layout.to > layout.from))
        return layout;
    const double line = scene.metrics.height();
    const QString widest = typedDegrees(
        std::round(std::fabs(layout.high) > std::fabs(layout.low) ? layout.high : layout.low));
    layout.plot = area.adjusted(
        scene.metrics.horizontalAdvance(widest) + 14, line * 1.6,
        -scene.metrics.horizontalAdvance(QStringLiteral("00:00 AM")) / 2 - 6, -line * 2.8);
    if (layout.plot.width() < 20 || layout.plot.height() < 20)
        return layout;
    layout.words.clear();

    markTemperatures(layout, scene);
    markTimes(layout, scene);
    layout.roomY = layout.y(methods.first()->result.ambient);
    for (const MethodRecord *method : methods)
        layout.curves.append(sampleCurve(layout, *method));
    for (const MethodRecord *method : scene.intervals)
        layout.curves.append(placeInterval(layout, *method));
    for (const MarkedPoint &reading : scene.readings)
        layout.readings.append(QPointF(layout.x(reading.hours), layout.y(reading.temperature)));
    if (cursor)
        placeCursor(layout, scene, *cursor);
    placeWords(layout, scene, font, cursor);
    return layout;
}

} // namespace quorrel::ui
