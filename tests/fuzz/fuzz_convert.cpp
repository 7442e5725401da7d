// The converter's arithmetic from a typed text: the first byte picks the scale
// and the locale. The result is a finite number, or a failure only where the
// value read or the arithmetic leaves the double range; a value read within a
// safe range always converts.
#include "convert.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace
{
const quorrel::NumberLocale kLocales[] = {{".", ","}, {",", "."}, {",", "\u202f"}};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    using quorrel::Scale;
    const Scale from = data[0] & 1 ? Scale::Celsius : Scale::Fahrenheit;
    const quorrel::NumberLocale &locale = kLocales[(data[0] >> 1) % 3];
    const std::string_view typed(reinterpret_cast<const char *>(data + 1), size - 1);

    const quorrel::Result<double> converted = quorrel::convertTemperature(typed, from, locale);
    if (converted && !std::isfinite(*converted))
        std::abort();

    const quorrel::Result<double> inLocale = quorrel::localeToDouble(typed, locale);
    const double value = inLocale ? *inLocale : quorrel::parseLeadingNumber(typed);
    if (std::isfinite(value) && std::fabs(value) < 1e300 && !converted)
        std::abort();
    return 0;
}
