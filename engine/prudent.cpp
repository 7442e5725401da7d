#include "prudent.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorrel
{
namespace
{

// Digits this far below the units are part of no reading: an entry or a ±
// wholly below them stands in as one unit just under them, with its sign.
// That decides every edge as the value would (nothing else reaches down
// there) and keeps the exact sums of the corners a few thousand limbs long
// at most, however small an exponent is typed.
constexpr std::int64_t kFloorPower = -40000;

// Beside an edge that is itself a short decimal, the points a hair either
// side stand for the sides: far below any entry's precision, far above a
// double's step at these magnitudes. Made when first asked for, not at
// start-up, where it would bring in code the program does not yet need.
const Decimal &hair()
{
    static const Decimal value(1, -12);
    return value;
}

Decimal bounded(const Decimal &d)
{
    if (d.sign() != 0 && d.highestPower() < kFloorPower)
        return Decimal(d.sign(), kFloorPower - 1);
    return d;
}

struct Range {
    Decimal from;
    Decimal to;
    bool holds(const Decimal &at) const { return at >= from && at <= to; }
};

// The ends, and for each edge strictly inside, the edge and a hair on
// either side where they are inside too.
std::vector<Decimal> pointsOf(const Range &range, std::initializer_list<Decimal> edges)
{
    std::vector<Decimal> points{range.from, range.to};
    for (const Decimal &edge : edges) {
        if (!(edge > range.from && edge < range.to))
            continue;
        for (const Decimal &at : {edge - hair(), edge, edge + hair()})
            if (range.holds(at))
                points.push_back(at);
    }
    return points;
}

// Q falls as the room warms and crosses q at one room, (body - 98.96 q) /
// (1 - q) °F: seldom a short decimal (q = 0.3 divides by 0.7), so the rooms
// a billionth of a degree apart around it stand on either side; the double
// is within a thousandth of that.
void addBesideQ(std::vector<Decimal> &rooms, const Range &range, const Decimal &body, double q)
{
    const double at = (body.toDouble() - q * kHenssgeStartFahrenheit) / (1.0 - q);
    if (!(at > range.from.toDouble() - 1.0 && at < range.to.toDouble() + 1.0))
        return;
    const long long units = std::llround(at * 1e9);
    for (long long step = -3; step <= 3; ++step)
        if (const Decimal room(units + step, -9); range.holds(room))
            rooms.push_back(room);
}

// A mass in the unit it stands in: the ends of a range in pounds may be cut
// to the kilograms the nomogram accepts.
struct Mass {
    Decimal value;
    bool pounds = false;
    // In hundred-millionths of a kilogram: a pound is 0.45359237 kg exactly.
    Decimal units() const { return pounds ? value * 45359237U : value * 100000000U; }
    double kilograms() const
    {
        return pounds ? poundsToKilograms(value.toDouble()) : value.toDouble();
    }
};

std::vector<Mass> massPoints(Mass from, Mass to, RangeCut &cut)
{
    const Mass least{Decimal(1, 0)};
    const Mass most{Decimal(250, 0)};
    cut = {from.units() < least.units(), to.units() > most.units()};
    if (cut.below)
        from = least;
    if (cut.above)
        to = most;
    std::vector<Mass> masses{from, to};
    const Decimal seventy(70, 0);
    if (Mass{seventy}.units() > from.units() && Mass{seventy}.units() < to.units())
        for (const Decimal &kg : {seventy - hair(), seventy, seventy + hair()})
            if (const Mass at{kg}; at.units() >= from.units() && at.units() <= to.units())
                masses.push_back(at);
    return masses;
}

struct Widest {
    PrudentInterval interval;
    bool any = false;
    bool anyLimits = false;
};

void take(Widest &w, const HenssgeTypedEntries &at, bool adjustForMass)
{
    const HenssgeResult result = estimateHenssge(henssgeInputFromTyped(at, adjustForMass));
    // Past the nomogram the body would not cool: death may be any time back.
    if (result.refusal == HenssgeRefusal::BeyondTheNomogram)
        w.interval.earliestOpen = true;
    if (!result.estimate)
        return;
    const double hours = result.estimate->hoursSinceDeath;
    const double limit = result.estimate->limitHours.value_or(0.0);
    w.anyLimits = w.anyLimits || result.estimate->limitHours.has_value();
    w.interval.somewhereWithoutLimits =
        w.interval.somewhereWithoutLimits || !result.estimate->limitHours;
    const double early = hours + limit;
    // Past the discovery, as the exact estimate's may be: the discovery
    // itself bounds it where the evidence is combined.
    const double late = hours - limit;
    w.interval.earliestHours = w.any ? std::max(w.interval.earliestHours, early) : early;
    w.interval.latestHours = w.any ? std::min(w.interval.latestHours, late) : late;
    w.any = true;
}

// Why the entries and their ± give no interval before any point of their
// ranges is evaluated; none where they may.
PrudentRefusal refusalOfEntries(const HenssgeTypedEntries &centre,
                                const HenssgeTypedUncertainty &pm, bool adjustForMass)
{
    if (pm.roomFahrenheit.sign() < 0 || pm.mass.sign() < 0 || pm.factor.sign() < 0)
        return PrudentRefusal::Negative;
    // A ± larger than the value it qualifies says the entry is not known at
    // all. The room's is checked by the caller: 0 °F is no lack of a room.
    if (pm.mass > centre.mass || pm.factor > centre.factor)
        return PrudentRefusal::LargerThanValue;
    if (estimateHenssge(henssgeInputFromTyped(centre, adjustForMass)).refusal !=
        HenssgeRefusal::None)
        return PrudentRefusal::CentreRefused;
    return PrudentRefusal::None;
}

} // namespace

PrudentResult prudentHenssge(const HenssgeTypedEntries &typed, bool adjustForMass,
                             const HenssgeTypedUncertainty &typedPm)
{
    PrudentResult result;
    HenssgeTypedEntries centre = typed;
    for (Decimal *d :
         {&centre.roomFahrenheit, &centre.bodyFahrenheit, &centre.mass, &centre.factor})
        *d = bounded(*d);
    const HenssgeTypedUncertainty pm{bounded(typedPm.roomFahrenheit), bounded(typedPm.mass),
                                     bounded(typedPm.factor)};
    result.refusal = refusalOfEntries(centre, pm, adjustForMass);
    if (result.refusal != PrudentRefusal::None)
        return result;
    const Decimal &body = centre.bodyFahrenheit;
    // Nothing is colder than absolute zero: the room's range stops there.
    const Decimal absoluteZero(-45967, -2);
    const Decimal coldest = centre.roomFahrenheit - pm.roomFahrenheit;
    result.roomCut.below = coldest < absoluteZero;
    const Range room{std::max(coldest, absoluteZero), centre.roomFahrenheit + pm.roomFahrenheit};
    if (room.to >= body) {
        result.refusal = PrudentRefusal::RoomReachesBody;
        return result;
    }
    std::vector<Decimal> rooms = pointsOf(room, {Decimal(7376, -2)});
    for (double q : {0.5, 0.3, 0.2})
        addBesideQ(rooms, room, body, q);
    // The masses and factors evaluated are only those the window accepts as
    // entries.
    const std::vector<Mass> masses =
        massPoints({centre.mass - pm.mass, centre.massInPounds},
                   {centre.mass + pm.mass, centre.massInPounds}, result.massCut);
    const Decimal leastFactor(3, -1), mostFactor(3, 0);
    Range factor{centre.factor - pm.factor, centre.factor + pm.factor};
    result.factorCut = {factor.from<leastFactor, factor.to> mostFactor};
    factor.from = std::max(factor.from, leastFactor);
    factor.to = std::min(factor.to, mostFactor);
    const std::vector<Decimal> factors = pointsOf(factor, {Decimal(1, 0), Decimal(14, -1)});

    Widest widest;
    for (const Decimal &r : rooms)
        for (const Mass &m : masses)
            for (const Decimal &f : factors)
                take(widest, {r, body, m.value, m.pounds, f}, adjustForMass);
    if (!widest.any) {
        result.refusal = PrudentRefusal::CentreRefused;
        return result;
    }
    if (!widest.anyLimits) {
        result.refusal = PrudentRefusal::NoLimitsPublished;
        return result;
    }
    PrudentInterval &interval = widest.interval;
    interval.roomFrom = fahrenheitToCelsius(room.from.toDouble());
    interval.roomTo = fahrenheitToCelsius(room.to.toDouble());
    interval.massFrom = masses.at(0).kilograms();
    interval.massTo = masses.at(1).kilograms();
    interval.factorFrom = factor.from.toDouble();
    interval.factorTo = factor.to.toDouble();
    result.interval = interval;
    return result;
}

} // namespace quorrel
