#include "wording.h"

#include "cooling.h"
#include "curve.h"
#include "decimal.h"
#include "henssge.h"

#include <QCoreApplication>
#include <QLocale>

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace quorrel::ui
{
namespace
{

class Wording
{
    Q_DECLARE_TR_FUNCTIONS(Wording)
};

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

// A time of day and the day it falls on: "9:40 AM the day before discovery".
QString onDay(const QString &clock, const QString &day)
{
    //: A time of day, then the day it falls on: "9:40 AM the day before discovery".
    return Wording::tr("%1 %2").arg(clock, day);
}

// "20 min" from a number already written.
QString minutesText(const QString &number)
{
    //: Minutes, as in "20 min".
    return Wording::tr("%1 min").arg(number);
}

} // namespace

TranslatedText::operator QString() const
{
    return Wording::tr(m_source);
}

QString operator+(const TranslatedText &a, const TranslatedText &b)
{
    return QString(a) + QString(b);
}

QString operator+(const TranslatedText &a, const QString &b)
{
    return QString(a) + b;
}

QString operator+(const QString &a, const TranslatedText &b)
{
    return a + QString(b);
}

int numerus(double count)
{
    const double whole = std::fabs(count);
    if (!(whole < 1e9))
        return std::isfinite(whole) ? static_cast<int>(std::fmod(whole, 1e6)) + 1000000 : 1000000;
    return static_cast<int>(whole);
}

QString pluralForm(double count, const QString &one, const QString &many)
{
    return count == 1 ? one : many;
}

QString typedHours(double hours)
{
    //: Hours, as in "2.5 h".
    return Wording::tr("%1 h").arg(typedNumber(hours));
}

QString noTimeFoundText()
{
    //: "Set Time" is the main window's button of that name.
    return Wording::tr("No time of discovery is set: in the main window, pick the hour, minute, "
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

namespace
{

// The value in plain digits with that many decimals, in the user's digits;
// none where that would be longer than `most` characters.
std::optional<QString> plainText(const Decimal &value, std::int64_t decimals, std::int64_t most)
{
    const std::int64_t whole = std::max<std::int64_t>(value.highestPower(), 0) + 1;
    if ((value.sign() < 0) + whole + (decimals > 0 ? decimals + 1 : 0) > most)
        return std::nullopt;
    // The digits, then as many zeros as the exponent and the decimals asked
    // for (never fewer than none: the digits hold every nonzero one), with the
    // point that many decimals from the end.
    std::string text = value.toText();
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

} // namespace

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
    return plainText(*value, decimals, most);
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

namespace
{
TemperatureUnit g_shownUnit = TemperatureUnit::Fahrenheit;

bool inCelsius()
{
    return g_shownUnit == TemperatureUnit::Celsius;
}
} // namespace

void showTemperaturesIn(TemperatureUnit unit)
{
    g_shownUnit = unit;
}

TemperatureUnit shownTemperatureUnit()
{
    return g_shownUnit;
}

QString degreeUnit()
{
    return kDegreeSign + (inCelsius() ? 'C' : 'F');
}

namespace
{
std::optional<Decimal> typedDecimal(const QString &text)
{
    const NumberLocale locale = userNumberLocale();
    const Result<Decimal> value =
        localeToDecimal(withAsciiDigits(text.trimmed().toStdString(), locale), locale);
    return value ? std::optional(*value) : std::nullopt;
}

QString typedText(const Decimal &value)
{
    // Written from the value itself, never read back from its localized
    // text: a locale's exponent ("اس" in Arabic) is no number a box reads.
    return plainText(value, std::max<std::int64_t>(0, -value.lowestPower()), 64)
        .value_or(localized(value.toText()));
}

// The sign, the digits and the power of ten of a decimal's text.
struct DecimalParts {
    bool negative;
    std::string digits;
    std::int64_t exponent;
};
DecimalParts partsOf(const Decimal &value)
{
    const std::string text = value.toText();
    const bool negative = text.front() == '-';
    const std::size_t e = text.find('e');
    const std::int64_t exponent = e == std::string::npos ? 0 : std::stoll(text.substr(e + 1));
    return {negative, text.substr(negative, e == std::string::npos ? e : e - negative), exponent};
}

// 18 times the value, a power of ten lower: exact, as every ×1.8 is.
Decimal nineFifths(const Decimal &value)
{
    const DecimalParts parts = partsOf(value * 18u);
    return Decimal::fromDigits(parts.negative, parts.digits, parts.exponent - 1);
}

// Five ninths of the value: its digits times 5 divided by 9 in a long
// division, where they divide evenly.
std::optional<Decimal> fiveNinths(const Decimal &value)
{
    const DecimalParts parts = partsOf(value * 5u);
    std::string quotient;
    int carry = 0;
    for (const char digit : parts.digits) {
        carry = carry * 10 + (digit - '0');
        quotient.push_back(char('0' + carry / 9));
        carry %= 9;
    }
    if (carry != 0 || parts.digits.size() > 64)
        return std::nullopt;
    return Decimal::fromDigits(parts.negative, quotient, parts.exponent);
}
} // namespace

QString fahrenheitTyped(const QString &celsius)
{
    const std::optional<Decimal> value = typedDecimal(celsius);
    return value ? typedText(nineFifths(*value) + Decimal(32, 0)) : celsius;
}

bool readsAsNumber(const QString &typed)
{
    return typedDecimal(typed).has_value();
}

CelsiusTyped celsiusTyped(const QString &fahrenheit)
{
    const std::optional<Decimal> value = typedDecimal(fahrenheit);
    if (!value)
        return {fahrenheit};
    if (const std::optional<Decimal> celsius = fiveNinths(*value - Decimal(32, 0)))
        return {typedText(*celsius)};
    return {numberWithDecimals(fahrenheitToCelsius(value->toDouble()), 4), true};
}

QString fahrenheitDegreesTyped(const QString &celsiusDegrees)
{
    const std::optional<Decimal> value = typedDecimal(celsiusDegrees);
    return value ? typedText(nineFifths(*value)) : celsiusDegrees;
}

CelsiusTyped celsiusDegreesTyped(const QString &fahrenheitDegrees)
{
    const std::optional<Decimal> value = typedDecimal(fahrenheitDegrees);
    if (!value)
        return {fahrenheitDegrees};
    if (const std::optional<Decimal> celsius = fiveNinths(*value))
        return {typedText(*celsius)};
    return {numberWithDecimals(value->toDouble() * 5.0 / 9.0, 4), true};
}

CaseEntries entriesInFahrenheit(const CaseEntries &entries)
{
    if (entries.unit == TemperatureUnit::Fahrenheit)
        return entries;
    CaseEntries fahrenheit = entries;
    for (QString *typed : {&fahrenheit.room, &fahrenheit.body, &fahrenheit.secondBody})
        *typed = fahrenheitTyped(*typed);
    fahrenheit.unit = TemperatureUnit::Fahrenheit;
    return fahrenheit;
}

QString degrees(const QString &number)
{
    return number + ' ' + degreeUnit();
}

QString typedTemperature(double fahrenheit)
{
    if (!inCelsius())
        return typedNumber(fahrenheit);
    // Rounded to the decimals of the °F and written shortest: exact where the
    // °F came from a °C typed, which has no more decimals than its °F.
    const QString rounded =
        numberWithDecimals(fahrenheitToCelsius(fahrenheit), decimalsOf(fahrenheit));
    return typedNumber(QLocale().toDouble(rounded));
}

QString typedDegrees(double fahrenheit)
{
    return degrees(typedTemperature(fahrenheit));
}

QString startDegrees(double fahrenheit)
{
    if (!inCelsius())
        return typedDegrees(fahrenheit);
    const double celsius = QLocale().toDouble(typedTemperature(fahrenheit));
    return degrees(numberWithDecimals(celsius, std::max(1, decimalsOf(celsius))));
}

QString shownDegreesTyped(const QString &fahrenheitDegrees)
{
    return inCelsius() ? celsiusDegreesTyped(fahrenheitDegrees).text : fahrenheitDegrees;
}

QString shownDegrees(double fahrenheit, int decimals)
{
    return degrees(
        numberWithDecimals(inCelsius() ? fahrenheitToCelsius(fahrenheit) : fahrenheit, decimals));
}

QString shownDegrees(const QString &typed, double fahrenheit)
{
    const std::optional<QString> plain = inPlainDigits(typed, 64);
    return plain ? degrees(*plain) : typedDegrees(fahrenheit);
}

QString differenceNumber(double fahrenheitDegrees, int decimals)
{
    return inCelsius() ? numberWithDecimals(fahrenheitDegrees * 5.0 / 9.0, decimals + 1)
                       : numberWithDecimals(fahrenheitDegrees, decimals);
}

QString shownDifference(double fahrenheitDegrees, int decimals)
{
    return degrees(differenceNumber(fahrenheitDegrees, decimals));
}

QString degreesFahrenheit(const QString &number)
{
    return number + ' ' + kDegreeSign + 'F';
}

QString degreesCelsius(const QString &number)
{
    return number + ' ' + kDegreeSign + 'C';
}

QString fahrenheitAndCelsius(double fahrenheit)
{
    // A case in °C gives its own unit first, and the °F it was read as after.
    if (inCelsius())
        return typedDegrees(fahrenheit) + QStringLiteral(" (") + typedNumber(fahrenheit) + ' ' +
               kDegreeSign + 'F' + ')';
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

namespace
{

// A moment beyond the clock's range, in days and hours from discovery: "41
// days 3 h after discovery".
QString farMoment(double hours)
{
    const double whole = std::fabs(hours);
    const double days = std::floor(whole / 24.0);
    const int n = numerus(days);
    const QString text =
        hours < 0 ? pluralForm(days, Wording::tr("%1 day %2 h before discovery", nullptr, n),
                               Wording::tr("%1 days %2 h before discovery", nullptr, n))
                  : pluralForm(days, Wording::tr("%1 day %2 h after discovery", nullptr, n),
                               Wording::tr("%1 days %2 h after discovery", nullptr, n));
    return text.arg(wholeNumber(days), wholeNumber(std::floor(std::fmod(whole, 24.0))));
}

} // namespace

QString dayWords(std::int64_t day)
{
    if (day == 0)
        return QString();
    //: The day of a time, before the day the body was found: "7:00 PM, the day before".
    if (day == -1)
        return Wording::tr("the day before");
    if (day == 1)
        return Wording::tr("the day after");
    // Two days or more each side.
    const double days = static_cast<double>(day < 0 ? -day : day);
    const int n = numerus(days);
    //: Two or more days before the day the body was found: "7:00 PM, 3 days before".
    return (day < 0 ? Wording::tr("%1 days before", nullptr, n)
                    : Wording::tr("%1 days after", nullptr, n))
        .arg(wholeNumber(days));
}

QString momentText(ClockTime foundAt, double hours, bool withDay)
{
    const Result<ClockTime> at = clockTimeAfter(foundAt, hours);
    if (!at) {
        // Beyond the clock: days and hours from discovery say where it lies,
        // in doubles, which hold any typed span.
        return farMoment(hours);
    }
    const QString text = clockText(*at);
    const QString day =
        withDay ? dayWords(dayFromDiscovery(foundAt, hours).value_or(0)) : QString();
    //: A time of day and its day: "4:00:00 PM, 41 days after".
    return day.isEmpty() ? text : Wording::tr("%1, %2").arg(text, day);
}

QString momentWithDiscoveryDay(ClockTime foundAt, double hours)
{
    const std::optional<std::int64_t> day = dayFromDiscovery(foundAt, hours);
    if (!day)
        return momentText(foundAt, hours, true);
    return onDay(momentText(foundAt, hours, false), discoveryDayWords(*day * kSecondsPerDay));
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
        return Wording::tr("the day of discovery");
    if (day == -1)
        return Wording::tr("the day before discovery");
    if (day == 1)
        return Wording::tr("the day after discovery");
    // Two days or more each side.
    const double days = static_cast<double>(day < 0 ? -day : day);
    const int n = numerus(days);
    return (day < 0 ? Wording::tr("%1 days before discovery", nullptr, n)
                    : Wording::tr("%1 days after discovery", nullptr, n))
        .arg(wholeNumber(days));
}

std::int64_t discoveryDay(std::int64_t secondsFromMidnight)
{
    return dayOf(secondsFromMidnight);
}

QString minuteWithDay(std::int64_t secondsFromMidnight)
{
    return onDay(minuteClock(secondsFromMidnight), discoveryDayWords(secondsFromMidnight));
}

QString spanWords(double hours)
{
    const double minutes = std::round(std::fabs(hours) * 60.0);
    const double days = std::floor(minutes / (24.0 * 60.0));
    const double hoursLeft = std::floor((minutes - days * 24.0 * 60.0) / 60.0);
    const double minutesLeft = minutes - days * 24.0 * 60.0 - hoursLeft * 60.0;
    if (days > 0) {
        const int n = numerus(days);
        //: A span: days, hours, minutes.
        return pluralForm(days, Wording::tr("%1 day %2 h %3 min", nullptr, n),
                          Wording::tr("%1 days %2 h %3 min", nullptr, n))
            .arg(wholeNumber(days), wholeNumber(hoursLeft), wholeNumber(minutesLeft));
    }
    if (hoursLeft > 0)
        //: A span: hours, minutes.
        return Wording::tr("%1 h %2 min").arg(wholeNumber(hoursLeft), wholeNumber(minutesLeft));
    return minutesText(wholeNumber(minutesLeft));
}

QString tenthsOfHours(double hours)
{
    return QStringLiteral("\u00B1") + Wording::tr("%1 h").arg(numberWithDecimals(hours, 1));
}

QString labelOf(const QString &name)
{
    //: A label on the case sheet: %1 is what it names, its value follows.
    return Wording::tr("%1:").arg(name);
}

QString spreadLabel(std::optional<double> spreadHours)
{
    if (!spreadHours)
        //: How far a thermometer's error moves the time of death: without bound.
        return Wording::tr("spread unbounded");
    const double minutes = *spreadHours * 60.0;
    const QString pm = QStringLiteral("\u00B1");
    // Under half a minute the sentence says "less than a minute".
    if (minutes < 0.5)
        //: Less than one minute, as in "±<1 min".
        return pm + Wording::tr("<1 min");
    if (minutes < 59.5)
        return pm + minutesText(wholeNumber(minutes));
    if (*spreadHours < 47.5)
        return pm + Wording::tr("%1 h").arg(wholeNumber(*spreadHours));
    // Two days or more.
    const double days = std::round(*spreadHours / 24.0);
    return pm + Wording::tr("%1 days", nullptr, numerus(days)).arg(wholeNumber(days));
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
