#include "curve.h"

#include "confidence.h"
#include "cooling.h"

#include <cmath>

namespace quorrel
{

double CoolingCurve::temperatureAt(double hours) const
{
    // The excess over the room shrinks by the readings' ratio every `elapsed`
    // hours: T(t) = Ta + (T1 - Ta) * ((T2 - Ta) / (T1 - Ta))^(t / dt).
    const double firstExcess = readings.first - readings.ambient;
    const double ratio = (readings.second - readings.ambient) / firstExcess;
    return readings.ambient + firstExcess * std::exp(std::log(ratio) * hours / readings.elapsed);
}

double CoolingCurve::to() const
{
    return readings.elapsed + (readings.elapsed + hoursSinceDeath) / 4.0;
}

Result<CoolingCurve> coolingCurve(const Readings &readings, double hoursSinceDeath)
{
    if (doubtAbout(readings.ambient, readings.first, readings.second, readings.elapsed) !=
        Confidence::Doubt::None)
        return std::nullopt;
    // The estimate itself fails for the rest of the bad readings (no cooling,
    // no time between the readings, the first reading at the room).
    const Result<double> hours = estimateHoursSinceDeath(readings.ambient, readings.first,
                                                         readings.second, readings.elapsed);
    if (!hours || !std::isfinite(hoursSinceDeath))
        return std::nullopt;
    return CoolingCurve{readings, hoursSinceDeath};
}

Result<ClockTime> clockTimeAfter(ClockTime start, double hours)
{
    const Result<std::int32_t> seconds = roundToInt32(hours * 3600.0);
    if (!seconds)
        return std::nullopt;
    const std::int64_t moved = std::int64_t{start.seconds} + *seconds;
    return ClockTime{
        static_cast<std::int32_t>(((moved % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay)};
}

} // namespace quorrel
