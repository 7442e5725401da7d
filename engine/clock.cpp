#include "clock.h"

namespace quorrel
{
namespace
{

constexpr std::int32_t kSecondsPerHour = 3600;

struct Split {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
};

// Splits the estimate into whole hours, minutes and seconds, rounding each
// remainder half to even. For a non-negative estimate this equals rounding it
// once to whole seconds, so minutes and seconds never reach 60.
Result<Split> splitEstimate(double hoursSinceDeath)
{
    const double x = hoursSinceDeath * 3600.0;
    const Result<std::int32_t> totalSeconds = roundToInt32(x);
    if (!totalSeconds)
        return std::nullopt;
    Split split;
    split.hours = *totalSeconds / kSecondsPerHour;
    const double x1 = x - static_cast<double>(split.hours * kSecondsPerHour);
    const Result<std::int32_t> restSeconds = roundToInt32(x1);
    if (!restSeconds)
        return std::nullopt;
    split.minutes = *restSeconds / 60;
    const double x2 = x1 - static_cast<double>(split.minutes * 60);
    const Result<std::int32_t> seconds = roundToInt32(x2);
    if (!seconds)
        return std::nullopt;
    split.seconds = *seconds;
    return split;
}

// One or two ASCII digits at the front of text, within 0..max.
bool readField(std::string_view &text, int min, int max, int &value)
{
    int digits = 0;
    value = 0;
    while (digits < 2 && !text.empty() && text[0] >= '0' && text[0] <= '9') {
        value = value * 10 + (text[0] - '0');
        text.remove_prefix(1);
        ++digits;
    }
    return digits > 0 && value >= min && value <= max;
}

bool readWholeField(std::string_view text, int min, int max, int &value)
{
    return readField(text, min, max, value) && text.empty();
}

// Hour 1 to 12, in the half of the day picked.
Result<ClockTime> fromFields(int hour, int minute, int second, Meridiem meridiem)
{
    if (meridiem == Meridiem::None)
        return std::nullopt;
    const int hour24 = hour % 12 + (meridiem == Meridiem::PM ? 12 : 0);
    return ClockTime{hour24 * kSecondsPerHour + minute * 60 + second};
}

bool readLiteral(std::string_view &text, std::string_view literal)
{
    if (!text.starts_with(literal))
        return false;
    text.remove_prefix(literal.size());
    return true;
}

} // namespace

Result<std::int16_t> convertToMilitaryTime(std::string_view hourText, Meridiem meridiem,
                                           const NumberLocale &locale)
{
    const bool am = meridiem == Meridiem::AM;
    if (!am && meridiem != Meridiem::PM)
        return std::int16_t{0};
    const Result<double> hour = localeToDouble(hourText, locale);
    if (!hour)
        return std::nullopt;
    if (am)
        return *hour == 12.0 ? Result<std::int16_t>{24} : localeToInt16(hourText, locale);
    if (*hour == 12.0)
        return localeToInt16(hourText, locale);
    return roundToInt16(*hour + 12.0);
}

Result<std::int32_t> getHoursOrMinutes(std::string_view selector, double hoursSinceDeath)
{
    const Result<Split> split = splitEstimate(hoursSinceDeath);
    if (!split)
        return std::nullopt;
    if (selector == "h")
        return split->hours;
    if (selector == "m")
        return split->minutes;
    if (selector == "s")
        return split->seconds;
    return 0;
}

Result<ClockTime> buildDeathClockTime(std::string_view hourText, std::string_view minuteText,
                                      std::string_view secondText, Meridiem meridiem,
                                      double hoursSinceDeath, const NumberLocale &locale)
{
    const Result<std::int16_t> hour24 = convertToMilitaryTime(hourText, meridiem, locale);
    if (!hour24)
        return std::nullopt;
    const Result<std::int32_t> h = getHoursOrMinutes("h", hoursSinceDeath);
    const double minuteValue = parseLeadingNumber(minuteText);
    const Result<std::int32_t> m = getHoursOrMinutes("m", hoursSinceDeath);
    const Result<std::int32_t> s = getHoursOrMinutes("s", hoursSinceDeath);
    if (!h || !m || !s)
        return std::nullopt;
    const double secondValue = parseLeadingNumber(secondText);

    const Result<std::int16_t> second = roundToInt16(secondValue - *s);
    const Result<std::int16_t> minute = roundToInt16(minuteValue - *m);
    // Both operands fit 32 bits, so only the narrowing can fail: an estimate of
    // more than about 32,768 hours.
    const Result<std::int16_t> hour = narrowToInt16(std::int32_t{*hour24} - *h);
    if (!second || !minute || !hour)
        return std::nullopt;

    // At most 32767 * 3661 in magnitude: no 32-bit overflow.
    const std::int32_t total = *hour * kSecondsPerHour + *minute * 60 + *second;
    return ClockTime{(total % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay};
}

std::string formatClockTime(ClockTime time)
{
    const std::int32_t daySeconds =
        (time.seconds % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    const std::int32_t hour24 = daySeconds / kSecondsPerHour;
    const std::int32_t minute = daySeconds / 60 % 60;
    const std::int32_t second = daySeconds % 60;
    const std::int32_t hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    std::string text = std::to_string(hour12);
    text += ':';
    text += static_cast<char>('0' + minute / 10);
    text += static_cast<char>('0' + minute % 10);
    text += ':';
    text += static_cast<char>('0' + second / 10);
    text += static_cast<char>('0' + second % 10);
    text += hour24 < 12 ? " AM" : " PM";
    return text;
}

Result<ClockTime> parseClockTime(std::string_view text)
{
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!readField(text, 1, 12, hour) || !readLiteral(text, ":") ||
        !readField(text, 0, 59, minute) || !readLiteral(text, ":") ||
        !readField(text, 0, 59, second) || !readLiteral(text, " "))
        return std::nullopt;
    Meridiem meridiem = Meridiem::None;
    if (text == "PM")
        meridiem = Meridiem::PM;
    else if (text == "AM")
        meridiem = Meridiem::AM;
    return fromFields(hour, minute, second, meridiem);
}

Result<ClockTime> readPickedTime(std::string_view hourText, std::string_view minuteText,
                                 std::string_view secondText, Meridiem meridiem)
{
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!readWholeField(hourText, 1, 12, hour) || !readWholeField(minuteText, 0, 59, minute) ||
        !readWholeField(secondText, 0, 59, second))
        return std::nullopt;
    return fromFields(hour, minute, second, meridiem);
}

} // namespace quorrel
