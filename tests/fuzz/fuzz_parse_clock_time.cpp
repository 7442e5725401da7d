// Any text as a time of day: what reads must be a time of day, and must write
// back to a text that reads as the same time.
#include "clock.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace quorrel;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const Result<ClockTime> time = parseClockTime(text);
    if (!time)
        return 0;
    if (time->seconds < 0 || time->seconds >= kSecondsPerDay)
        __builtin_trap();
    if (parseClockTime(formatClockTime(*time)) != time)
        __builtin_trap();
    return 0;
}
