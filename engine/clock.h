#pragma once

#include "numbers.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quorrel
{

// A time of day in whole seconds since midnight, 0 to 86399; never a date.
struct ClockTime {
    std::int32_t seconds = 0;
    friend bool operator==(ClockTime, ClockTime) = default;
};

inline constexpr std::int32_t kSecondsPerDay = 86400;

// Which half of the day was picked; None when the list holds neither (its
// placeholder, or something typed over it).
enum class Meridiem { None, AM, PM };

// Hour of discovery on a 24-hour clock in which 12 AM is 24, the end of the
// day. Neither AM nor PM gives 0 without reading the hour; with AM or PM an
// hour that is not a number fails.
Result<std::int16_t> convertToMilitaryTime(std::string_view hourText, Meridiem meridiem,
                                           const NumberLocale &locale);

// Whole hours ("h"), minutes ("m") or seconds ("s") of an estimate, after
// rounding it half to even to whole seconds; any other selector gives 0.
// Fails when the estimate does not fit 32-bit seconds.
Result<std::int32_t> getHoursOrMinutes(std::string_view selector, double hoursSinceDeath);

// The time of discovery, given as the hour, minute and second as the lists
// hold them and the half of the day, less the estimate, wrapped into one day.
Result<ClockTime> buildDeathClockTime(std::string_view hourText, std::string_view minuteText,
                                      std::string_view secondText, Meridiem meridiem,
                                      double hoursSinceDeath, const NumberLocale &locale);

// "h:mm:ss AM" / "h:mm:ss PM", the hour without a leading zero.
std::string formatClockTime(ClockTime time);

// Reads "h:mm:ss AM" or "h:mm:ss PM": hour 1 to 12, minutes and seconds 0 to 59,
// each one or two digits, one blank, upper-case AM or PM. Nothing else reads.
Result<ClockTime> parseClockTime(std::string_view text);

// The same time of day from the lists' hour, minute and second, each held to
// the same digits and ranges as in parseClockTime, and AM or PM.
Result<ClockTime> readPickedTime(std::string_view hourText, std::string_view minuteText,
                                 std::string_view secondText, Meridiem meridiem);

} // namespace quorrel
