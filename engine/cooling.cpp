#include "cooling.h"

#include <cmath>
#include <initializer_list>

namespace quorrel
{
namespace
{

// With finite operands, a non-finite result is exactly an overflow, a division
// by zero or an invalid operation; underflow and inexact results stay finite.
// A failed step poisons every later one, so checking the whole chain once is
// the same as checking after each step.
bool allFinite(std::initializer_list<double> values)
{
    for (double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

} // namespace

Result<double> Log10(double x)
{
    if (!(x > 0.0))
        return std::nullopt;
    const double ln10 = std::log(10.0);
    const double lnX = std::log(x);
    const double result = lnX / ln10;
    if (!allFinite({x, result}))
        return std::nullopt;
    return result;
}

Result<double> estimateHoursSinceDeath(double ambient, double firstReading, double secondReading,
                                       double elapsedHours)
{
    if (!allFinite({ambient, firstReading, secondReading, elapsedHours}))
        return std::nullopt;

    // The order of the steps is fixed: it decides the last bit of the result.
    const double secondExcess = secondReading - ambient;
    const double firstExcess = firstReading - ambient;
    const double ratio = secondExcess / firstExcess;
    const double normalExcess = kNormalBodyTemperature - ambient;
    const double factor = -1.0 / elapsedHours;
    const Result<double> logRatio = Log10(ratio);
    if (!logRatio || !allFinite({secondExcess, firstExcess, ratio, normalExcess, factor}))
        return std::nullopt;
    const double rate = *logRatio * factor;
    const double scale = -1.0 / rate;
    // The exact first excess, not a whole number of degrees: rounding it would
    // move the estimate by minutes whenever the readings have decimals.
    const double q = normalExcess / firstExcess;
    const Result<double> logQ = Log10(q);
    if (!logQ || !allFinite({rate, scale, q}))
        return std::nullopt;
    const double t = *logQ * scale;
    if (!allFinite({t}))
        return std::nullopt;
    return std::fabs(t);
}

} // namespace quorrel
