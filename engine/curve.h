#pragma once

#include "clock.h"
#include "numbers.h"

namespace quorrel
{

// The four readings of an estimate: room, first and second body temperature
// in °F, and the hours between the two readings.
struct Readings {
    double ambient = 0.0;
    double first = 0.0;
    double second = 0.0;
    double elapsed = 0.0;
};

// How the body cooled, by the law of the estimate through its two readings.
// Time runs in hours from discovery: the first reading at 0, the second at
// `elapsed`, death at -hoursSinceDeath, where the curve meets 98.6 °F.
struct CoolingCurve {
    Readings readings;
    double hoursSinceDeath = 0.0;

    // The body's temperature, in °F, at a time in hours from discovery.
    double temperatureAt(double hours) const;
    // Where a picture of the curve begins and ends: at death, and a quarter
    // of the span from death to the second reading after that reading.
    double from() const { return -hoursSinceDeath; }
    double to() const;
};

// The curve of an estimate made from these readings. Fails where the readings
// do not describe a body cooling toward the room (see doubtAbout in
// confidence.h): a curve through them would not meet 98.6 °F at the time the
// estimate gives.
Result<CoolingCurve> coolingCurve(const Readings &readings, double hoursSinceDeath);

// A clock time moved by a number of hours (rounded half to even to whole
// seconds), wrapped into one day. Fails beyond 32-bit seconds.
Result<ClockTime> clockTimeAfter(ClockTime start, double hours);

} // namespace quorrel
