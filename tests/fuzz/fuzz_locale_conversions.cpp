// Any text through the locale conversions and the roundings built on them. The
// first byte picks the locale's separators.
#include "numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace
{
const quorrel::NumberLocale kLocales[] = {
    {".", ","}, {",", "."}, {",", "\u202f"}, {".", "'"}, {",", " "}, {".", ""},
};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace quorrel;
    if (size == 0)
        return 0;
    const NumberLocale &locale = kLocales[data[0] % std::size(kLocales)];
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);

    const Result<double> value = localeToDouble(text, locale);
    const Result<std::int16_t> whole = localeToInt16(text, locale);
    // The exact reading accepts the same texts and rounds to the same double.
    const Result<Decimal> exact = localeToDecimal(text, locale);
    if (exact.has_value() != value.has_value() || (exact && exact->toDouble() != *value))
        __builtin_trap();
    if (value) {
        if (!std::isfinite(*value))
            __builtin_trap(); // infinities and NaN must never read as numbers
        if (whole != roundToInt16(*value))
            __builtin_trap();
        if (const Result<double> rounded = roundToTwoDecimals(*value)) {
            if (!(std::fabs(*rounded - *value) <= 0.005 + std::fabs(*value) * 1e-15))
                __builtin_trap();
        }
        if (numberToText(*value, locale.decimalPoint).empty())
            __builtin_trap();
    } else if (whole) {
        __builtin_trap();
    }
    return 0;
}
