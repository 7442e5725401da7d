// The whole Calculate road from typed texts: four entries and four picks,
// separated by line feeds, the first byte picking the locale. The outcome is a
// clock text "h:mm:ss AM"/"h:mm:ss PM" or a failure, never anything else.
#include "estimate.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace
{

const quorrel::NumberLocale kLocales[] = {{".", ","}, {",", "."}, {",", "\u202f"}};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isClockText(const std::string &t)
{
    // h:mm:ss AM, the hour 1 to 12 without a leading zero.
    const std::size_t colon = t.find(':');
    if (colon != 1 && colon != 2)
        return false;
    const int hour = colon == 1 ? t[0] - '0' : (t[0] - '0') * 10 + (t[1] - '0');
    if (!isDigit(t[0]) || (colon == 2 && !isDigit(t[1])) || t[0] == '0' || hour < 1 || hour > 12)
        return false;
    const std::string rest = t.substr(colon);
    return rest.size() == 9 && rest[0] == ':' && rest[1] >= '0' && rest[1] <= '5' &&
           isDigit(rest[2]) && rest[3] == ':' && rest[4] >= '0' && rest[4] <= '5' &&
           isDigit(rest[5]) && (rest.substr(6) == " AM" || rest.substr(6) == " PM");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace quorrel;
    if (size == 0)
        return 0;
    const NumberLocale &locale = kLocales[data[0] % std::size(kLocales)];
    std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);
    std::string_view fields[8];
    for (std::string_view &field : fields) {
        const std::size_t end = rest.find('\n');
        field = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    // The half of the day as the main window's list gives it: AM, PM or neither.
    const Meridiem meridiem = fields[7] == "AM"   ? Meridiem::AM
                              : fields[7] == "PM" ? Meridiem::PM
                                                  : Meridiem::None;
    const Estimate estimate =
        estimateTimeOfDeath({fields[0], fields[1], fields[2], fields[3]},
                            {fields[4], fields[5], fields[6], meridiem}, locale);
    if (estimate.hoursSinceDeath &&
        !(std::isfinite(*estimate.hoursSinceDeath) && *estimate.hoursSinceDeath >= 0))
        __builtin_trap();
    switch (estimate.outcome) {
    case Estimate::Outcome::Estimated:
        if (!estimate.hoursSinceDeath || !isClockText(formatClockTime(estimate.deathAt)) ||
            !isClockText(formatClockTime(estimate.foundAt)))
            __builtin_trap();
        break;
    case Estimate::Outcome::NoNumbers:
        if (estimate.hoursSinceDeath)
            __builtin_trap();
        break;
    case Estimate::Outcome::Invalid:
        break;
    }
    return 0;
}
