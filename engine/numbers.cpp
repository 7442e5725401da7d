#include "numbers.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace quorrel
{
namespace
{

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLooseBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Whether a decimal number written as digits[.digits][e exp] lies above 1 in
// magnitude. Only asked after from_chars said "out of range", to tell an
// overflow (infinity) from an underflow (zero); the boundaries lie near 1e308
// and 1e-324, so the sign of the decimal magnitude settles it.
bool beyondOne(std::string_view number)
{
    std::size_t p = 0;
    long long significantIntDigits = 0;
    long long leadingFractionZeros = 0;
    bool nonZeroSeen = false;
    for (; p < number.size() && isDigit(number[p]); ++p) {
        if (number[p] != '0' || nonZeroSeen) {
            nonZeroSeen = true;
            ++significantIntDigits;
        }
    }
    if (p < number.size() && number[p] == '.') {
        for (++p; p < number.size() && isDigit(number[p]); ++p) {
            if (nonZeroSeen)
                continue;
            if (number[p] == '0')
                ++leadingFractionZeros;
            else
                nonZeroSeen = true;
        }
    }
    long long exponent = 0;
    if (p < number.size() && (number[p] == 'e' || number[p] == 'E')) {
        ++p;
        bool negative = false;
        if (p < number.size() && (number[p] == '+' || number[p] == '-'))
            negative = number[p++] == '-';
        for (; p < number.size() && isDigit(number[p]); ++p) {
            if (exponent < 1'000'000'000'000LL)
                exponent = exponent * 10 + (number[p] - '0');
        }
        if (negative)
            exponent = -exponent;
    }
    const long long magnitude = significantIntDigits > 0 ? significantIntDigits + exponent
                                                         : exponent - leadingFractionZeros;
    return magnitude > 0;
}

// Reads an unsigned decimal number, as from_chars does, mapping "out of range"
// to an infinity or a zero. Returns the characters used, 0 when none.
std::size_t readUnsigned(std::string_view number, double &value)
{
    const char *first = number.data();
    const auto [ptr, ec] =
        std::from_chars(first, first + number.size(), value, std::chars_format::general);
    if (ec == std::errc::invalid_argument)
        return 0;
    if (ec == std::errc::result_out_of_range)
        value = beyondOne(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return static_cast<std::size_t>(ptr - first);
}

bool startsNumber(std::string_view rest)
{
    return !rest.empty() &&
           (isDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && isDigit(rest[1])));
}

double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below; // exact wherever a fraction is left
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

// The code point at the start of a UTF-8 text and its length in bytes; a
// length of 0 where the text does not start with a well-formed sequence.
std::pair<char32_t, std::size_t> firstCodePoint(std::string_view text)
{
    if (text.empty())
        return {0, 0};
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF8   ? 0
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length == 0 || text.size() < length)
        return {0, 0};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        code = (code << 6) | (next & 0x3F);
    }
    return {code, length};
}

} // namespace

std::string withAsciiDigits(std::string_view text, const NumberLocale &locale)
{
    const auto [zero, zeroLength] = firstCodePoint(locale.zeroDigit);
    if (zeroLength == 0 || zero == U'0' || zeroLength != locale.zeroDigit.size())
        return std::string(text);
    std::string ascii;
    ascii.reserve(text.size());
    while (!text.empty()) {
        const auto [code, length] = firstCodePoint(text);
        if (length > 0 && code >= zero && code <= zero + 9) {
            ascii.push_back(static_cast<char>('0' + (code - zero)));
            text.remove_prefix(length);
        } else {
            ascii.push_back(text[0]);
            text.remove_prefix(1);
        }
    }
    return ascii;
}

double parseLeadingNumber(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!isLooseBlank(c))
            compact.push_back(c);
    }
    std::string_view rest = compact;
    bool negative = false;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan"; only digits start a number here.
    if (!startsNumber(rest))
        return 0.0;
    double value = 0.0;
    if (readUnsigned(rest, value) == 0)
        return 0.0;
    return negative ? -value : value;
}

namespace
{

// A number as the user typed it in the locale, rewritten in the one form
// from_chars reads (digits[.digits][e[+-]digits], the sign apart), with its
// magnitude as a double; none where the text breaks the locale's grammar or
// lies beyond the double range.
struct CanonicalNumber {
    bool negative = false;
    std::string text;
    double magnitude = 0.0;
};

// The digits before the decimal point, in groups of three where grouped;
// false where the groups break the locale's grammar.
bool readWholeDigits(std::string_view &text, std::string_view group, std::string &canonical,
                     std::size_t &digits)
{
    std::size_t groupDigits = 0; // digits since the last group separator
    bool grouped = false;
    while (!text.empty()) {
        if (isDigit(text[0])) {
            canonical.push_back(text[0]);
            ++digits;
            ++groupDigits;
            text.remove_prefix(1);
        } else if (!group.empty() && text.starts_with(group)) {
            if (groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3))
                return false;
            grouped = true;
            groupDigits = 0;
            text.remove_prefix(group.size());
        } else {
            break;
        }
    }
    return !grouped || groupDigits == 3;
}

// An exponent where one follows: e, a sign, digits; false where the e has
// no digits.
bool readExponent(std::string_view &text, std::string &canonical)
{
    if (text.empty() || (text[0] != 'e' && text[0] != 'E'))
        return true;
    text.remove_prefix(1);
    canonical.push_back('e');
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        canonical.push_back(text[0]);
        text.remove_prefix(1);
    }
    if (text.empty() || !isDigit(text[0]))
        return false;
    while (!text.empty() && isDigit(text[0])) {
        canonical.push_back(text[0]);
        text.remove_prefix(1);
    }
    return true;
}

std::optional<CanonicalNumber> readLocaleNumber(std::string_view typed, const NumberLocale &locale)
{
    const std::string ascii = withAsciiDigits(typed, locale);
    std::string_view text = ascii;
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);

    const std::string_view point = locale.decimalPoint;
    std::string_view group = locale.groupSeparator;
    if (group == point)
        group = {};

    CanonicalNumber number;
    std::string &canonical = number.text;
    canonical.reserve(text.size());
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        number.negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::size_t digits = 0;
    if (!readWholeDigits(text, group, canonical, digits))
        return std::nullopt;
    if (!point.empty() && text.starts_with(point)) {
        text.remove_prefix(point.size());
        canonical.push_back('.');
        while (!text.empty() && isDigit(text[0])) {
            canonical.push_back(text[0]);
            ++digits;
            text.remove_prefix(1);
        }
    }
    if (digits == 0 || !readExponent(text, canonical) || !text.empty())
        return std::nullopt;
    if (readUnsigned(canonical, number.magnitude) != canonical.size() ||
        std::isinf(number.magnitude))
        return std::nullopt;
    return number;
}

} // namespace

Result<double> localeToDouble(std::string_view typed, const NumberLocale &locale)
{
    const std::optional<CanonicalNumber> number = readLocaleNumber(typed, locale);
    if (!number)
        return std::nullopt;
    return number->negative ? -number->magnitude : number->magnitude;
}

Result<Decimal> localeToDecimal(std::string_view typed, const NumberLocale &locale)
{
    // Accepted exactly where localeToDouble accepts, so a window can read an
    // entry both ways and never be told two stories.
    const std::optional<CanonicalNumber> number = readLocaleNumber(typed, locale);
    if (!number)
        return std::nullopt;
    std::string_view text = number->text;
    std::string digits;
    std::int64_t exponent = 0;
    for (; !text.empty() && isDigit(text[0]); text.remove_prefix(1))
        digits.push_back(text[0]);
    if (!text.empty() && text[0] == '.') {
        for (text.remove_prefix(1); !text.empty() && isDigit(text[0]); text.remove_prefix(1)) {
            digits.push_back(text[0]);
            --exponent;
        }
    }
    if (!text.empty()) { // the exponent, saturating far beyond any typed value
        text.remove_prefix(1);
        bool negative = false;
        if (text[0] == '+' || text[0] == '-') {
            negative = text[0] == '-';
            text.remove_prefix(1);
        }
        constexpr std::int64_t kMax = Decimal::kMaxExponent;
        std::int64_t written = 0;
        for (char c : text)
            written = written > kMax / 10 ? kMax : std::min(written * 10 + (c - '0'), kMax);
        exponent += negative ? -written : written;
    }
    return Decimal::fromDigits(number->negative, digits, exponent);
}

Result<std::int16_t> localeToInt16(std::string_view text, const NumberLocale &locale)
{
    const Result<double> value = localeToDouble(text, locale);
    if (!value)
        return std::nullopt;
    return roundToInt16(*value);
}

Result<std::int32_t> roundToInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

Result<std::int16_t> roundToInt16(double value)
{
    const Result<std::int32_t> wide = roundToInt32(value);
    if (!wide)
        return std::nullopt;
    return narrowToInt16(*wide);
}

Result<std::int16_t> narrowToInt16(std::int32_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

// The exact decimal rounding needs the scaled value without error: a double
// times 100 takes at most 57 significant bits, which the x87 extended type holds.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "roundToTwoDecimals needs a long double of at least 64 bits");

Result<double> roundToTwoDecimals(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > DBL_MAX / 100.0)
        return std::nullopt;
    if (std::fabs(value) >= 0x1p52)
        return value; // no fraction left to round

    const long double scaled = static_cast<long double>(value) * 100.0L;
    const long double below = std::floor(scaled);
    const long double fraction = scaled - below;
    long double hundredths = below;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(below, 2.0L) != 0.0L))
        hundredths = below + 1.0L;

    // hundredths / 100 rounded twice (to 64 bits, then 53) can miss the nearest
    // double by one step; compare the neighbours exactly.
    const auto distance = [hundredths](double candidate) {
        return std::fabs(static_cast<long double>(candidate) * 100.0L - hundredths);
    };
    double best = static_cast<double>(hundredths / 100.0L);
    for (double candidate : {std::nextafter(best, -DBL_MAX), std::nextafter(best, DBL_MAX)}) {
        if (distance(candidate) < distance(best))
            best = candidate;
    }
    return best;
}

std::string numberToText(double value, std::string_view decimalPoint)
{
    if (value == 0.0)
        return "0"; // negative zero too: nobody wants to read "-0"
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (ec != std::errc())
        return {};
    std::string text;
    for (const char *p = buffer; p != end; ++p) {
        if (*p == '.')
            text += decimalPoint;
        else if (*p == 'e')
            text += 'E';
        else
            text += *p;
    }
    return text;
}

} // namespace quorrel
