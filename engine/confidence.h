#pragma once

#include "numbers.h"

#include <cstdint>
#include <optional>

namespace quorrel
{

// What a clock time of death alone does not tell: how long before discovery
// death came, whole days included, and how far the estimate can be trusted.
struct Confidence {
    // The reading that makes the estimate doubtful: readings that do not
    // describe a body cooling toward the room still give a number of hours.
    enum class Doubt {
        None,
        // a temperature below absolute zero, which no reading can be
        RoomBelowAbsoluteZero,
        FirstBelowAbsoluteZero,
        SecondBelowAbsoluteZero,
        NegativeElapsed,  // the hours between the readings are negative
        RoomWarmer,       // the room is warmer than the body at discovery
        FirstAboveNormal, // the body was above 98.6 °F when found
        SecondFarther,    // the second reading is farther from the room than the first
    };
    Doubt doubt = Doubt::None;
    // The time before discovery, in whole seconds as the clock time uses it.
    std::int32_t days = 0;
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    // The largest change of the estimate, in minutes, when each of the three
    // temperatures may be off by kReadingResolution either way; empty when
    // such a change makes the law undefined (the spread is unbounded). A moved
    // reading is compared as the decimal it stands for, so readings that meet
    // once moved count as equal whatever binary rounding says.
    std::optional<double> spreadMinutes;
};

// A thermometer's resolution, in °F; one reading in tenths of a °C moves by
// 0.18 °F.
inline constexpr double kReadingResolution = 0.1;
inline constexpr double kCelsiusReadingResolution = 0.18;

// The reading that makes an estimate from these readings doubtful, if any.
Confidence::Doubt doubtAbout(double ambient, double first, double second, double elapsed);

// Judges an estimate made from these readings (see estimateHoursSinceDeath).
// Fails only where hoursSinceDeath does not fit the clock's 32-bit seconds.
// The spread is for readings off by `resolution` °F.
Result<Confidence> judgeEstimate(double ambient, double first, double second, double elapsed,
                                 double hoursSinceDeath, double resolution = kReadingResolution);

} // namespace quorrel
