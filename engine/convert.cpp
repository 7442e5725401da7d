#include "convert.h"

namespace quorrel
{

Result<double> convertTemperature(std::string_view typed, Scale from, const NumberLocale &locale)
{
    // "36,6" in German is 36.6, not the 36 the forgiving reader stops at.
    const Result<double> inLocale = localeToDouble(typed, locale);
    const double value = inLocale ? *inLocale : parseLeadingNumber(withAsciiDigits(typed, locale));
    const Result<double> a = roundToTwoDecimals(value - 32.0);
    const Result<double> b = roundToTwoDecimals(value);
    if (!a || !b)
        return {};
    if (from == Scale::Fahrenheit)
        return roundToTwoDecimals((5.0 / 9.0) * *a);
    const Result<double> product = roundToTwoDecimals((9.0 / 5.0) * *b);
    if (!product)
        return {};
    return *product + 32.0;
}

} // namespace quorrel
