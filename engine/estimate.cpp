#include "estimate.h"

#include "cooling.h"

#include <string>

namespace quorrel
{

Estimate estimateTimeOfDeath(const Entries &entries, const Picks &picks, const NumberLocale &locale,
                             double resolution)
{
    Estimate estimate;
    // Only "nothing at all entered" is told apart: every entry's leading number
    // rounds to 0. Anything non-zero passes and is read properly below.
    // The entries in ASCII digits, whichever digits the locale writes.
    std::array<std::string, 4> ascii;
    for (std::size_t i = 0; i < entries.size(); ++i)
        ascii[i] = withAsciiDigits(entries[i], locale);
    using Failure = Estimate::Failure;
    const auto fail = [&](Failure failure, int entry = -1) {
        estimate.failure = failure;
        estimate.failedEntry = entry;
        return estimate;
    };
    std::int32_t anyNonZero = 0;
    for (std::size_t i = 0; i < ascii.size(); ++i) {
        const Result<std::int32_t> whole = roundToInt32(parseLeadingNumber(ascii[i]));
        if (!whole)
            return fail(Failure::EntryOutOfRange, static_cast<int>(i));
        anyNonZero |= *whole;
    }
    if (anyNonZero == 0) {
        estimate.outcome = Estimate::Outcome::NoNumbers;
        return estimate;
    }

    // The lists may have changed since the time was set: use what they hold
    // now, and only if it still reads as a time of day.
    const Result<ClockTime> found =
        readPickedTime(picks.hour, picks.minute, picks.second, picks.meridiem);
    if (!found)
        return fail(Failure::NotATime);

    double values[4];
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Result<double> value = localeToDouble(ascii[i], locale);
        if (!value)
            return fail(Failure::NotANumber, static_cast<int>(i));
        values[i] = *value;
    }
    estimate.hoursSinceDeath = estimateHoursSinceDeath(values[0], values[1], values[2], values[3]);
    if (!estimate.hoursSinceDeath)
        return fail(Failure::NoEstimate);

    const Result<ClockTime> death = buildDeathClockTime(
        picks.hour, picks.minute, picks.second, picks.meridiem, *estimate.hoursSinceDeath, locale);
    if (!death)
        return fail(Failure::BeyondTheClock);
    estimate.outcome = Estimate::Outcome::Estimated;
    estimate.foundAt = *found;
    estimate.deathAt = *death;
    estimate.confidence = judgeEstimate(values[0], values[1], values[2], values[3],
                                        *estimate.hoursSinceDeath, resolution);
    estimate.readings = {values[0], values[1], values[2], values[3]};
    estimate.curve = coolingCurve(estimate.readings, *estimate.hoursSinceDeath);
    estimate.result = newtonResult(estimate.readings, *estimate.hoursSinceDeath,
                                   estimate.confidence, estimate.curve);
    return estimate;
}

MethodResult newtonResult(const Readings &readings, double hoursSinceDeath,
                          const std::optional<Confidence> &confidence,
                          const std::optional<CoolingCurve> &curve)
{
    MethodResult result;
    result.hoursSinceDeath = hoursSinceDeath;
    if (confidence) {
        result.doubt = confidence->doubt;
        if (confidence->spreadMinutes)
            result.spreadHours = *confidence->spreadMinutes / 60.0;
    }
    result.ambient = readings.ambient;
    result.startTemperature = kNormalBodyTemperature;
    result.readings = {{0.0, readings.first}, {readings.elapsed, readings.second}};
    if (curve) {
        result.temperatureAt = [c = *curve](double hours) { return c.temperatureAt(hours); };
        result.curveTo = curve->to();
    }
    return result;
}

} // namespace quorrel
