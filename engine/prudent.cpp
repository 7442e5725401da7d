#include "prudent.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorrel
{
namespace
{

// A hair either side of an edge: far below any entry's precision, far above
// a double's step at these magnitudes.
constexpr double kSide = 1e-9;

// The Q edges of the table of 95 % limits.
constexpr double kQEdges[] = {0.5, 0.3, 0.2};

// The ends of a range and, for each edge inside it, the edge and a hair on
// either side.
std::vector<double> pointsOf(double from, double to, std::initializer_list<double> edges)
{
    std::vector<double> points{from, to};
    for (double edge : edges) {
        if (!(edge >= from && edge <= to))
            continue;
        for (double at : {edge - kSide * std::max(1.0, std::fabs(edge)), edge,
                          edge + kSide * std::max(1.0, std::fabs(edge))})
            if (at >= from && at <= to)
                points.push_back(at);
    }
    return points;
}

bool usable(double value)
{
    return std::isfinite(value) && value >= 0.0;
}

} // namespace

PrudentResult prudentHenssge(const HenssgeInput &centre, const HenssgeUncertainty &pm)
{
    PrudentResult result;
    if (!usable(pm.roomCelsius) || !usable(pm.massKg) || !usable(pm.factor)) {
        result.refusal = PrudentRefusal::NegativeOrNotFinite;
        return result;
    }
    // A ± larger than the value it qualifies says the entry is not known at
    // all. The room's is checked by the caller in the unit it was typed in:
    // 0 °C is no lack of a room.
    if (pm.massKg > centre.massKg || pm.factor > centre.factor) {
        result.refusal = PrudentRefusal::LargerThanValue;
        return result;
    }
    if (estimateHenssge(centre).refusal != HenssgeRefusal::None) {
        result.refusal = PrudentRefusal::CentreRefused;
        return result;
    }
    PrudentInterval interval;
    interval.roomFrom = centre.ambient - pm.roomCelsius;
    interval.roomTo = centre.ambient + pm.roomCelsius;
    if (!(interval.roomTo < centre.rectal)) {
        result.refusal = PrudentRefusal::RoomReachesBody;
        return result;
    }
    interval.massFrom = std::max(centre.massKg - pm.massKg, kHenssgeMinMassKg);
    interval.massTo = std::min(centre.massKg + pm.massKg, kHenssgeMaxMassKg);
    interval.factorFrom = std::max(centre.factor - pm.factor, kHenssgeMinFactor);
    interval.factorTo = std::min(centre.factor + pm.factor, kHenssgeMaxFactor);

    // Q falls as the room warms: each band edge is crossed at one room
    // temperature, (Tr - q 37.2) / (1 - q).
    std::vector<double> rooms =
        pointsOf(interval.roomFrom, interval.roomTo, {kHenssgeWarmRoomAbove});
    for (double q : kQEdges) {
        const double at = (centre.rectal - q * kHenssgeStartCelsius) / (1.0 - q);
        for (double room : pointsOf(interval.roomFrom, interval.roomTo, {at}))
            rooms.push_back(room);
    }
    const std::vector<double> masses = pointsOf(interval.massFrom, interval.massTo, {70.0});
    const std::vector<double> factors =
        pointsOf(interval.factorFrom, interval.factorTo, {1.0, 1.4});

    bool any = false;
    for (double room : rooms) {
        for (double mass : masses) {
            for (double factor : factors) {
                HenssgeInput input = centre;
                input.typed.reset();
                input.ambient = room;
                input.massKg = mass;
                input.factor = factor;
                const HenssgeResult at = estimateHenssge(input);
                // Beyond the nomogram at a corner (a covered body too heavy
                // for the mass rule): that corner says nothing.
                if (!at.estimate)
                    continue;
                const double hours = at.estimate->hoursSinceDeath;
                const double limit = at.estimate->limitHours.value_or(0.0);
                interval.somewhereWithoutLimits =
                    interval.somewhereWithoutLimits || !at.estimate->limitHours;
                const double early = hours + limit;
                const double late = std::max(hours - limit, 0.0);
                interval.earliestHours = any ? std::max(interval.earliestHours, early) : early;
                interval.latestHours = any ? std::min(interval.latestHours, late) : late;
                any = true;
            }
        }
    }
    if (!any) {
        result.refusal = PrudentRefusal::CentreRefused;
        return result;
    }
    result.interval = interval;
    return result;
}

} // namespace quorrel
