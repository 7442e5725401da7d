#include "wording.h"

#include "cooling.h"
#include "curve.h"
#include "henssge.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

namespace quorrel::ui
{
namespace
{

// The shortest decimal that reads back as the value: plain digits where a
// person would write them, an exponent only for the very large or small.
std::string shortestAscii(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return value == 0.0 ? "0" : "";
    char buffer[512];
    const double magnitude = std::fabs(value);
    const auto format = magnitude >= 1e-9 && magnitude < 1e16 ? std::chars_format::fixed
                                                              : std::chars_format::scientific;
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    return std::string(buffer, written.ptr);
}

// ASCII digits, point, signs and exponent as the locale writes them.
QString localized(const std::string &ascii)
{
    const QLocale locale;
    QString out;
    for (char c : ascii) {
        if (c >= '0' && c <= '9')
            out += locale.toString(c - '0');
        else if (c == '.')
            out += locale.decimalPoint();
        else if (c == '-')
            out += locale.negativeSign();
        else if (c == '+')
            out += locale.positiveSign();
        else if (c == 'e')
            out += locale.exponential();
        else
            out += QLatin1Char(c);
    }
    return out;
}

// The day a moment in seconds from the midnight before discovery falls on:
// 0 for the day of discovery, negative before it.
std::int64_t dayOf(std::int64_t seconds)
{
    return seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds - 1) / kSecondsPerDay) - 1;
}

} // namespace

QString plural(double count, const char *one, const char *many)
{
    return wholeNumber(count) + ' ' + QLatin1String(count == 1 ? one : many);
}

QString noTimeFoundText()
{
    return QStringLiteral("No time of discovery is set: in the main window, pick the hour, minute, "
                          "second and AM/PM the corpse was found, then press Set Time.");
}

NumberLocale userNumberLocale()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString(),
            locale.zeroDigit().toStdString()};
}

QString typedNumber(double value)
{
    return localized(shortestAscii(value));
}

std::optional<QString> inPlainDigits(const QString &typed, std::int64_t most)
{
    const NumberLocale locale = userNumberLocale();
    std::string ascii = withAsciiDigits(typed.trimmed().toStdString(), locale);
    const Result<Decimal> value = localeToDecimal(ascii, locale);
    if (!value)
        return std::nullopt;
    // The decimals typed, trailing zeros included, are those of the same text
    // with its last digit before any exponent made a 1: "2.50e1" has one.
    const std::size_t last = ascii.find_last_of("0123456789", ascii.find_first_of("eE"));
    ascii[last] = '1';
    const std::int64_t decimals =
        std::max<std::int64_t>(0, -localeToDecimal(ascii, locale)->lowestPower());
    const std::int64_t whole = std::max<std::int64_t>(value->highestPower(), 0) + 1;
    if ((value->sign() < 0) + whole + (decimals > 0 ? decimals + 1 : 0) > most)
        return std::nullopt;
    // The digits, then as many zeros as the exponent and the decimals typed
    // ask for (never fewer than none: the digits typed hold every nonzero
    // one), with the point that many decimals from the end.
    std::string text = value->toText();
    const bool negative = text.front() == '-';
    const std::size_t e = text.find('e');
    const std::int64_t exponent = e == std::string::npos ? 0 : std::stoll(text.substr(e + 1));
    std::string digits = text.substr(negative ? 1 : 0, e == std::string::npos ? e : e - negative);
    digits.append(static_cast<std::size_t>(exponent + decimals), '0');
    if (static_cast<std::int64_t>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return localized((negative ? "-" : "") + digits);
}

int decimalsOf(double value)
{
    const std::string text = shortestAscii(value);
    const std::size_t e = text.find('e');
    const std::string mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    if (e != std::string::npos)
        decimals -= std::stoi(text.substr(e + 1));
    return std::max(decimals, 0);
}

QString numberWithDecimals(double value, int decimals)
{
    // Past what a double holds the digits would be noise: the shortest form.
    if (!std::isfinite(value) || decimals > 20 || std::fabs(value) >= 1e16)
        return typedNumber(value);
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::fixed, std::max(decimals, 0));
    std::string text(buffer, written.ptr);
    // Rounded to nothing, a negative number leaves no sign to show.
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-')
        text.erase(0, 1);
    return localized(text);
}

QString percent(double value)
{
    return typedNumber(value) + QStringLiteral(" %");
}

QString wholeNumber(double value)
{
    if (std::fabs(value) < 9e15)
        return QLocale().toString(static_cast<qlonglong>(std::llround(value)));
    return QLocale().toString(value, 'g', 3);
}

QString degrees(const QString &number)
{
    return number + ' ' + kDegreeSign + 'F';
}

QString typedDegrees(double value)
{
    return degrees(typedNumber(value));
}

QString degreesCelsius(const QString &number)
{
    return number + ' ' + kDegreeSign + 'C';
}

QString fahrenheitAndCelsius(double fahrenheit)
{
    const double celsius = fahrenheitToCelsius(fahrenheit);
    return typedDegrees(fahrenheit) + QStringLiteral(" (") +
           degreesCelsius(numberWithDecimals(celsius, decimalsOf(fahrenheit) + 1)) + ')';
}

// A clock time's digits in the locale's own, as every number beside it:
// "٧:٢٥:٤٤ PM" in Arabic. The 12-hour form and AM/PM stay as the main
// window's lists have them.
QString inLocaleDigits(const QString &ascii)
{
    const QLocale locale;
    if (locale.zeroDigit() == QLatin1String("0"))
        return ascii;
    QString out;
    for (const QChar c : ascii)
        out += c.isDigit() ? locale.toString(c.digitValue()) : QString(c);
    return out;
}

QString clockText(ClockTime time)
{
    return inLocaleDigits(QString::fromStdString(formatClockTime(time)));
}

QString axisClock(std::int64_t secondsOfDay)
{
    const int minutes = static_cast<int>(secondsOfDay / 60);
    const int hour = (minutes / 60 + 11) % 12 + 1;
    return inLocaleDigits(
        QStringLiteral("%1:%2 %3")
            .arg(hour)
            .arg(minutes % 60, 2, 10, QLatin1Char('0'))
            .arg(minutes < 12 * 60 ? QStringLiteral("AM") : QStringLiteral("PM")));
}

std::optional<std::int64_t> dayFromDiscovery(ClockTime foundAt, double hours)
{
    // Rounded as the clock time is, so a moment and its day agree.
    const Result<std::int32_t> seconds = roundToInt32(hours * 3600.0);
    if (!seconds)
        return std::nullopt;
    return dayOf(std::int64_t{foundAt.seconds} + *seconds);
}

QString dayWords(std::int64_t day)
{
    if (day == 0)
        return QString();
    if (day == -1)
        return QStringLiteral("the day before");
    if (day == 1)
        return QStringLiteral("the day after");
    return plural(static_cast<double>(day < 0 ? -day : day), "day", "days") +
           (day < 0 ? QStringLiteral(" before") : QStringLiteral(" after"));
}

QString momentText(ClockTime foundAt, double hours, bool withDay)
{
    const Result<ClockTime> at = clockTimeAfter(foundAt, hours);
    if (!at) {
        // Beyond the clock: days and hours from discovery say where it lies,
        // in doubles, which hold any typed span.
        const double whole = std::fabs(hours);
        return plural(std::floor(whole / 24.0), "day", "days") + ' ' +
               wholeNumber(std::floor(std::fmod(whole, 24.0))) + QStringLiteral(" h ") +
               (hours < 0 ? QStringLiteral("before") : QStringLiteral("after")) +
               QStringLiteral(" discovery");
    }
    QString text = clockText(*at);
    if (withDay) {
        const QString day = dayWords(dayFromDiscovery(foundAt, hours).value_or(0));
        if (!day.isEmpty())
            text += QStringLiteral(", ") + day;
    }
    return text;
}

QString momentWithDiscoveryDay(ClockTime foundAt, double hours)
{
    const std::optional<std::int64_t> day = dayFromDiscovery(foundAt, hours);
    if (!day)
        return momentText(foundAt, hours, true);
    return momentText(foundAt, hours, false) + ' ' + discoveryDayWords(*day * kSecondsPerDay);
}

std::optional<std::int64_t> minuteFromDiscovery(ClockTime foundAt, double hours)
{
    constexpr double kThousandYears = 1000.0 * 366.0 * 24.0;
    if (!(std::fabs(hours) <= kThousandYears))
        return std::nullopt;
    const double seconds = foundAt.seconds + hours * 3600.0;
    return static_cast<std::int64_t>(std::llround(seconds / 60.0)) * 60;
}

QString minuteClock(std::int64_t secondsFromMidnight)
{
    const std::int64_t day = dayOf(secondsFromMidnight);
    return axisClock(secondsFromMidnight - day * kSecondsPerDay);
}

QString discoveryDayWords(std::int64_t secondsFromMidnight)
{
    const std::int64_t day = dayOf(secondsFromMidnight);
    if (day == 0)
        return QStringLiteral("the day of discovery");
    return dayWords(day) + QStringLiteral(" discovery");
}

QString spanWords(double hours)
{
    const double minutes = std::round(std::fabs(hours) * 60.0);
    const double days = std::floor(minutes / (24.0 * 60.0));
    const double hoursLeft = std::floor((minutes - days * 24.0 * 60.0) / 60.0);
    const double minutesLeft = minutes - days * 24.0 * 60.0 - hoursLeft * 60.0;
    QString text;
    if (days > 0)
        text = plural(static_cast<std::int64_t>(days), "day", "days") + ' ';
    if (days > 0 || hoursLeft > 0)
        text += wholeNumber(hoursLeft) + QStringLiteral(" h ");
    return text + wholeNumber(minutesLeft) + QStringLiteral(" min");
}

QString tenthsOfHours(double hours)
{
    return QStringLiteral("\u00B1") + numberWithDecimals(hours, 1) + QStringLiteral(" h");
}

QString spreadLabel(std::optional<double> spreadHours)
{
    if (!spreadHours)
        return QStringLiteral("spread unbounded");
    const double minutes = *spreadHours * 60.0;
    const QString pm = QStringLiteral("\u00B1");
    // Under half a minute the sentence says "less than a minute".
    if (minutes < 0.5)
        return pm + QStringLiteral("<1 min");
    if (minutes < 59.5)
        return pm + wholeNumber(minutes) + QStringLiteral(" min");
    if (*spreadHours < 47.5)
        return pm + wholeNumber(*spreadHours) + QStringLiteral(" h");
    return pm + wholeNumber(*spreadHours / 24.0) + QStringLiteral(" days");
}

QString plusMinus(const QString &value, const QString &uncertainty)
{
    // A left-to-right mark each side of the sign keeps it between the
    // numbers; Arabic-Indic digits alone would carry it, and swap them.
    return leftToRight(value + QStringLiteral("\u200E \u00B1 \u200E") + uncertainty);
}

QString leftToRight(const QString &text)
{
    return QStringLiteral("\u2066") + text + QStringLiteral("\u2069");
}

} // namespace quorrel::ui
