#include "confidence.h"

#include "clock.h"
#include "cooling.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quorrel
{
Confidence::Doubt doubtAbout(double ambient, double first, double second, double elapsed)
{
    using Doubt = Confidence::Doubt;
    if (ambient < kAbsoluteZero)
        return Doubt::RoomBelowAbsoluteZero;
    if (first < kAbsoluteZero)
        return Doubt::FirstBelowAbsoluteZero;
    if (second < kAbsoluteZero)
        return Doubt::SecondBelowAbsoluteZero;
    if (elapsed < 0)
        return Doubt::NegativeElapsed;
    if (ambient > first)
        return Doubt::RoomWarmer;
    if (first > kNormalBodyTemperature)
        return Doubt::FirstAboveNormal;
    if (std::fabs(second - ambient) > std::fabs(first - ambient))
        return Doubt::SecondFarther;
    return Doubt::None;
}

namespace
{

// A reading moved by a step, as the decimal a thermometer would show: 79.8 +
// 0.1 is the 79.9 a user types, not the 79.89999999999999 that binary
// arithmetic leaves. Two readings the law cannot separate then compare equal,
// and the law fails on them as it does on typed equal readings.
double movedReading(double reading, double step)
{
    double value = reading + step;
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (written.ec == std::errc())
        std::from_chars(buffer, written.ptr, value);
    return value;
}

// Every combination of the three temperatures moved by -0.1, 0 or +0.1 °F
// (or the resolution given).
std::optional<double> spreadMinutes(double ambient, double first, double second, double elapsed,
                                    double hoursSinceDeath, double resolution)
{
    const double steps[] = {-resolution, 0.0, resolution};
    double widest = 0.0;
    for (double a : steps)
        for (double f : steps)
            for (double s : steps) {
                const Result<double> moved =
                    estimateHoursSinceDeath(movedReading(ambient, a), movedReading(first, f),
                                            movedReading(second, s), elapsed);
                if (!moved)
                    return std::nullopt;
                widest = std::max(widest, std::fabs(*moved - hoursSinceDeath) * 60.0);
            }
    return widest;
}

} // namespace

Result<Confidence> judgeEstimate(double ambient, double first, double second, double elapsed,
                                 double hoursSinceDeath, double resolution)
{
    const Result<std::int32_t> h = getHoursOrMinutes("h", hoursSinceDeath);
    const Result<std::int32_t> m = getHoursOrMinutes("m", hoursSinceDeath);
    const Result<std::int32_t> s = getHoursOrMinutes("s", hoursSinceDeath);
    if (!h || !m || !s)
        return std::nullopt;
    Confidence confidence;
    confidence.doubt = doubtAbout(ambient, first, second, elapsed);
    confidence.days = *h / 24;
    confidence.hours = *h % 24;
    confidence.minutes = *m;
    confidence.seconds = *s;
    confidence.spreadMinutes =
        spreadMinutes(ambient, first, second, elapsed, hoursSinceDeath, resolution);
    return confidence;
}

} // namespace quorrel
