#pragma once

#include "numbers.h"

namespace quorrel
{

// Degrees Fahrenheit; the only physical constant of the estimate.
inline constexpr double kNormalBodyTemperature = 98.6;
// Absolute zero in °F: no temperature lies below it.
inline constexpr double kAbsoluteZero = -459.67;

// Base-10 logarithm as ln(x) / ln(10), in that order of evaluation, so results
// agree to the last bit with the worked example. Fails for x <= 0.
Result<double> Log10(double x);

// Hours before the first reading at which the body was at normal temperature,
// by Newton's law of cooling: |dt * log10((98.6 - Ta) / (T1 - Ta)) /
// log10((T2 - Ta) / (T1 - Ta))|. Any overflow, division by zero or invalid
// operation on the way fails; underflow and rounding do not.
Result<double> estimateHoursSinceDeath(double ambient, double firstReading, double secondReading,
                                       double elapsedHours);

} // namespace quorrel
