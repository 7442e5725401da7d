#include "conditional.h"

#include <algorithm>
#include <cmath>

namespace quorrel
{
namespace
{

double standardNormalCdf(double z)
{
    return 0.5 * std::erfc(-z / std::sqrt(2.0));
}

// The z with standardNormalCdf(z) = p, by bisection: slow beside a rational
// approximation, but exact to the last bit the cdf can tell, and asked a
// handful of times an estimate.
double standardNormalQuantile(double p)
{
    double lo = -40.0;
    double hi = 40.0;
    for (int i = 0; i < 200 && hi - lo > 0.0; ++i) {
        const double mid = lo + (hi - lo) / 2.0;
        if (!(mid > lo && mid < hi))
            break;
        (standardNormalCdf(mid) < p ? lo : hi) = mid;
    }
    return lo + (hi - lo) / 2.0;
}

bool applies(const NormalEstimate &e, const InvestigativeBounds &b)
{
    const bool finite = std::isfinite(e.meanHours) && std::isfinite(e.sdHours) &&
                        std::isfinite(b.earliestHours) && std::isfinite(b.latestHours);
    return finite && e.sdHours > 0.0 && b.earliestHours > b.latestHours &&
           e.meanHours >= b.latestHours && e.meanHours <= b.earliestHours;
}

// The cdf at both bounds, so that a share of the cut distribution maps back
// to hours.
struct Cut {
    double below = 0.0;
    double share = 0.0;
};

Cut cutOf(const NormalEstimate &e, const InvestigativeBounds &b)
{
    const double below = standardNormalCdf((b.latestHours - e.meanHours) / e.sdHours);
    const double above = standardNormalCdf((b.earliestHours - e.meanHours) / e.sdHours);
    return {below, above - below};
}

} // namespace

NormalEstimate normalFromLimit(double hoursBeforeDiscovery, double limitHours)
{
    return {hoursBeforeDiscovery, limitHours / 2.0};
}

Result<ConditionalInterval> conditionalWithin(const NormalEstimate &e, const InvestigativeBounds &b)
{
    if (!applies(e, b))
        return std::nullopt;
    const Cut cut = cutOf(e, b);
    const auto at = [&](double p) {
        const double hours =
            e.meanHours + e.sdHours * standardNormalQuantile(cut.below + p * cut.share);
        return std::clamp(hours, b.latestHours, b.earliestHours);
    };
    // The lower quantile of hours is the later time.
    return ConditionalInterval{at(0.975), at(0.025), at(0.5), cut.share};
}

Result<double> conditionalProbabilityBetween(const NormalEstimate &e, const InvestigativeBounds &b,
                                             double fromHours, double toHours)
{
    if (!applies(e, b) || !std::isfinite(fromHours) || !std::isfinite(toHours))
        return std::nullopt;
    const Cut cut = cutOf(e, b);
    const double low = std::clamp(std::min(fromHours, toHours), b.latestHours, b.earliestHours);
    const double high = std::clamp(std::max(fromHours, toHours), b.latestHours, b.earliestHours);
    const double p = standardNormalCdf((high - e.meanHours) / e.sdHours) -
                     standardNormalCdf((low - e.meanHours) / e.sdHours);
    return std::clamp(p / cut.share, 0.0, 1.0);
}

} // namespace quorrel
