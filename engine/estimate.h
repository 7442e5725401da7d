#pragma once

#include "clock.h"
#include "confidence.h"
#include "curve.h"
#include "method.h"
#include "numbers.h"

#include <array>
#include <optional>
#include <string_view>

namespace quorrel
{

// The four entries as typed: room temperature, first and second body
// temperature, hours between the readings.
using Entries = std::array<std::string_view, 4>;
// The time of discovery as the lists hold it: hour, minute and second as
// shown or typed, and the half of the day picked.
struct Picks {
    std::string_view hour;
    std::string_view minute;
    std::string_view second;
    Meridiem meridiem = Meridiem::None;
};

struct Estimate {
    enum class Outcome {
        Estimated, // foundAt and deathAt hold the times
        NoNumbers, // every entry reads as zero: nothing was entered
        Invalid,   // anything else that fails
    };
    Outcome outcome = Outcome::Invalid;
    // Why an invalid estimate failed, for a window that words it.
    enum class Failure {
        None,
        EntryOutOfRange, // an entry's leading number does not fit 32 bits
        NotATime,        // the picks do not make a time of day
        NotANumber,      // an entry is not a number in the user's locale
        NoEstimate,      // the law gives no time for these readings
        BeyondTheClock,  // the time before discovery does not fit the clock
    };
    Failure failure = Failure::None;
    // The entry that failed (0 to 3), for the failures that name one.
    int failedEntry = -1;
    // Set whenever the cooling estimate itself succeeded, even if the clock
    // arithmetic after it failed.
    std::optional<double> hoursSinceDeath;
    ClockTime foundAt;
    ClockTime deathAt;
    // Set with the times: how long before discovery, and how sure.
    std::optional<Confidence> confidence;
    // Set with the times: the entries as numbers.
    Readings readings;
    // Set with the times unless the estimate is doubtful.
    std::optional<CoolingCurve> curve;
    // Set with the times: the estimate in the shape every method shares.
    MethodResult result;
};

// Newton's estimate in the shape every method shares.
MethodResult newtonResult(const Readings &readings, double hoursSinceDeath,
                          const std::optional<Confidence> &confidence,
                          const std::optional<CoolingCurve> &curve);

// The whole road of one Calculate once the time of discovery is set: the
// check that something numeric was entered, the picks read as a time of day,
// the entries read in the user's locale, the estimate and the clock time.
Estimate estimateTimeOfDeath(const Entries &entries, const Picks &picks, const NumberLocale &locale,
                             double resolution = kReadingResolution);

} // namespace quorrel
