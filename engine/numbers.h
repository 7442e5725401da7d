#pragma once

#include "decimal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorrel
{

// Every engine operation that can fail returns an empty optional: there is one
// failure kind and no reason, because the window shows one message for all.
template <typename T> using Result = std::optional<T>;

// The separators of the user's locale, in UTF-8. The window fills this from the
// system locale; tests use several.
struct NumberLocale {
    std::string decimalPoint = ".";
    std::string groupSeparator = ",";
    // The locale's digit zero; the other nine follow it in Unicode, as in
    // every digit set a locale writes ("٠" to "٩" in Arabic).
    std::string zeroDigit = "0";
};

// The text with every digit of the locale's own set rewritten as an ASCII
// digit, so a number typed as the locale writes it reads as any other.
std::string withAsciiDigits(std::string_view text, const NumberLocale &locale);

// Reads the number at the start of a text the forgiving way: blanks, tabs and
// line feeds are skipped wherever they stand, "." is the decimal point whatever
// the locale, and reading stops at the first other character. A text with no
// leading number reads as 0. Never fails; a magnitude beyond the double range
// reads as an infinity, for the caller's range check to catch.
double parseLeadingNumber(std::string_view text);

// Reads the whole text as one number in the given locale, in its digits or in
// ASCII ones, blanks around it allowed. Group separators are accepted only between groups of three
// digits. Not a number, the empty text, "inf", "nan" and values beyond the double range all fail.
Result<double> localeToDouble(std::string_view text, const NumberLocale &locale);

// The same text read exactly, as the decimal the user typed; accepted where
// localeToDouble accepts it, and its toDouble() is localeToDouble's value. Any
// number of digits: "70.0000000000000001" is not 70.
Result<Decimal> localeToDecimal(std::string_view text, const NumberLocale &locale);

// localeToDouble, then rounded half to even into 16 bits.
Result<std::int16_t> localeToInt16(std::string_view text, const NumberLocale &locale);

// Half to even (2.5 -> 2, 3.5 -> 4); fails outside the target range or on NaN.
Result<std::int32_t> roundToInt32(double value);
Result<std::int16_t> roundToInt16(double value);
Result<std::int16_t> narrowToInt16(std::int32_t value);

// Half to even at the second decimal of the exact value (0.125 -> 0.12,
// 0.375 -> 0.38). Fails on a non-finite value and where scaling by 100 would
// leave the double range.
Result<double> roundToTwoDecimals(double value);

// General form: at most 15 significant digits, no trailing zeros, exponent form
// ("1E+15", "1E-05") only for very large or very small magnitudes. Negative zero
// shows as "0". Non-finite values are the caller's to keep out.
std::string numberToText(double value, std::string_view decimalPoint);

} // namespace quorrel
