#pragma once

#include "numbers.h"

#include <string_view>

namespace quorrel
{

// The scale a typed temperature is in; the result is on the other one.
enum class Scale { Fahrenheit, Celsius };

// Converts a typed temperature to the other scale, rounded to two decimals.
// A text that reads wholly as a number in the user's locale is that number;
// any other text is read the forgiving way (parseLeadingNumber: "12abc" is
// 12, "abc" 0). Fails where the value or the arithmetic leaves the double
// range; the caller words that.
Result<double> convertTemperature(std::string_view typed, Scale from, const NumberLocale &locale);

} // namespace quorrel
