// Until the windows exist, the program prints the worked example.
#include "engine.h"

#include <cstdio>

int main()
{
    using namespace quorrel;
    const NumberLocale locale;
    const Result<double> hours = estimateHoursSinceDeath(60, 80, 75, 2);
    if (!hours)
        return 1;
    const Result<ClockTime> death = buildDeathClockTime("12", "00", "00", "AM", *hours, locale);
    if (!death)
        return 1;
    std::printf("Found at 12:00:00 AM; room 60 F; body 80 F, then 75 F two hours later.\n"
                "Hours since death: %.16g\nEstimated time of death: %s\n",
                *hours, formatClockTime(*death).c_str());
    return 0;
}
