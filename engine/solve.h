#pragma once

#include <cmath>

namespace quorrel
{

// The t >= 0 at which a falling curve of the remaining fraction of cooling,
// 1 at t = 0 and 0 as t grows without end, comes down to q. Doubling finds a
// bracket (the curve reaches 0 by underflow at the latest, and a NaN from a
// curve that does not fall stops it too); bisection then halves it until no
// double lies strictly inside, a bounded number of steps however small or
// large t is. Shared by the nomograms, whose curves differ only in formula.
template <typename Remaining> double hoursWhereCurveFallsTo(const Remaining &remaining, double q)
{
    if (q >= 1.0)
        return 0.0;
    double lo = 0.0;
    double hi = 1.0;
    while (remaining(hi) > q) {
        lo = hi;
        hi *= 2.0;
    }
    for (;;) {
        const double mid = lo + (hi - lo) / 2.0;
        if (!(mid > lo && mid < hi))
            break;
        if (remaining(mid) > q)
            lo = mid;
        else
            hi = mid;
    }
    return std::fabs(remaining(lo) - q) <= std::fabs(remaining(hi) - q) ? lo : hi;
}

} // namespace quorrel
