#pragma once

#include "caserecord.h"
#include "clock.h"
#include "estimate.h"
#include "method.h"
#include "numbers.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <optional>

namespace quorrel::ui
{

// Every number, temperature, clock time, day count and spread that the
// windows, the curve and the case sheet show is written here, in the user's
// locale (QLocale's default), so that they agree by construction.

// The program's own numbers and texts use U+00B0.
inline const QString kDegreeSign = QStringLiteral("\u00B0");

// A fixed text shown as it stands, translated each time it is used: a
// translation is loaded after the program's constants are made.
class TranslatedText
{
public:
    constexpr explicit TranslatedText(const char *source) : m_source(source) {}
    operator QString() const;

private:
    const char *m_source;
};
QString operator+(const TranslatedText &a, const TranslatedText &b);
QString operator+(const TranslatedText &a, const QString &b);
QString operator+(const QString &a, const TranslatedText &b);

// The main window's entries as its labels name them, for every message that
// names one.
inline constexpr TranslatedText kRoomEntry{
    QT_TRANSLATE_NOOP("Wording", "Ambient Room Temperature")};
inline constexpr TranslatedText kFirstReadingEntry{
    QT_TRANSLATE_NOOP("Wording", "Corpse Temperature reading 1")};
inline constexpr TranslatedText kSecondReadingEntry{
    QT_TRANSLATE_NOOP("Wording", "Corpse Temperature reading 2")};
// Where a method's window names one of them: it reads them, the main window
// holds them.
//: Follows the name of an entry: "Ambient Room Temperature, in the main window".
inline constexpr TranslatedText kInMainWindow{QT_TRANSLATE_NOOP("Wording", ", in the main window")};

// What every method's window says while the main window has no time found:
// each estimate counts back from it.
QString noTimeFoundText();

// The separators of the user's locale (QLocale's default), for the engine.
NumberLocale userNumberLocale();

// A number as typed: the shortest decimal that reads back as the same double,
// so 79.9 stays "79.9"; no group separators.
QString typedNumber(double value);
// A number exactly as typed in the user's locale, in plain digits as the
// locale writes them, whatever form it was typed in: "1.0" stays "1.0",
// "1e-7" is "0.0000001", "2.50e1" is "25.0"; no group separators, no
// exponent. None where the text is no number or the digits would run to more
// than `most` characters.
std::optional<QString> inPlainDigits(const QString &typed, std::int64_t most);
// How many decimals that shortest form has (79.9: 1, 60: 0, 1e-7: 7).
int decimalsOf(double value);
// A number worked out from typed ones, to as many decimals as they carry: the
// double 79.9 - 70 is 9.900000000000006, written "9.9" with one decimal.
QString numberWithDecimals(double value, int decimals);
// "95 %", the number in the locale's digits as every other.
QString percent(double value);
// A whole number, rounded, with the locale's group separators.
QString wholeNumber(double value);

// The count a translation's plural forms are chosen by: the count itself
// where an int holds it, else one with the same last six digits, all that
// any language's rule looks at.
int numerus(double count);
// A count's template in English's form for it, `one` for 1 and `many` for
// any other; both are numerus messages translated for numerus(count).
QString pluralForm(double count, const QString &one, const QString &many);
// "2.5 h": hours as typed.
QString typedHours(double hours);

// The unit every temperature is written in: the case's. The methods hand
// over °F, and a temperature is turned into °C only to be written.
void showTemperaturesIn(TemperatureUnit unit);
TemperatureUnit shownTemperatureUnit();
// "°F" or "°C", as the case's temperatures are written.
QString degreeUnit();

// A temperature typed in °C, as the same °F typed: ×1.8 + 32 is exact in
// decimal, so "23.2" is "73.76" and every edge is decided as on the °F
// typed. A text that is no number stays as it is.
QString fahrenheitTyped(const QString &celsius);
// A temperature typed in °F, as the same in °C: exact where its decimals
// end, else rounded to four decimals and `rounded` set.
struct CelsiusTyped {
    QString text;
    bool rounded = false;
};
CelsiusTyped celsiusTyped(const QString &fahrenheit);
// Whether a typed temperature reads as a number, so that it can be converted.
bool readsAsNumber(const QString &typed);
// The same for a number of degrees, a ± or a difference: no 32 added or
// taken away.
QString fahrenheitDegreesTyped(const QString &celsiusDegrees);
CelsiusTyped celsiusDegreesTyped(const QString &fahrenheitDegrees);

// The entries with their temperatures in °F, for the methods to read; as
// they are where the case is typed in °F.
CaseEntries entriesInFahrenheit(const CaseEntries &entries);

// "79.9 °F" from a number already written.
QString degrees(const QString &number);
// A temperature in the case's unit, from one in °F: in °C to as many
// decimals as the °F has, which is exact for a temperature typed in °C
// ("73.76 °F" is "23.2 °C").
QString typedDegrees(double fahrenheit);
// The same without its unit.
QString typedTemperature(double fahrenheit);
// The temperature a method's curve starts from, to at least one decimal as
// physiology writes it: "98.6 °F", "37.0 °C".
QString startDegrees(double fahrenheit);
// A number of °F degrees as typed (a ±), in the case's unit: exact for one
// that came from °C typed.
QString shownDegreesTyped(const QString &fahrenheitDegrees);
// A temperature worked out in °F, in the case's unit to `decimals`.
QString shownDegrees(double fahrenheit, int decimals);
// A reading in the words of a refusal: as typed (in the case's unit), where
// the decimals typed decided it, rather than rounded to a double (°F) that
// says otherwise.
QString shownDegrees(const QString &typed, double fahrenheit);
// A difference of temperatures in °F, in the case's unit: to `decimals` in
// °F, one more in °C, whose degrees are smaller; the number alone, then
// with its unit.
QString differenceNumber(double fahrenheitDegrees, int decimals);
QString shownDifference(double fahrenheitDegrees, int decimals);

// "60 °F", whatever the case's unit.
QString degreesFahrenheit(const QString &number);
// "15.6 °C" from a number already written.
QString degreesCelsius(const QString &number);
// A temperature typed in °F, and the same in °C to one decimal more than it
// was typed with: "60 °F (15.6 °C)"; in a case typed in °C, the °C typed
// and the °F it was read as: "15.5 °C (59.9 °F)".
QString fahrenheitAndCelsius(double fahrenheit);

// "7:25:44 PM", as the result box shows a time of day.
QString clockText(ClockTime time);
// "7:00 PM", hours and minutes of a time of day, for a time axis.
QString axisClock(std::int64_t secondsOfDay);

// The day a moment falls on, counted from the day of discovery (0), or none
// where it lies beyond the clock's range.
std::optional<std::int64_t> dayFromDiscovery(ClockTime foundAt, double hours);
// "the day before", "2 days before", "the day after", "41 days after", or
// nothing for the day of discovery.
QString dayWords(std::int64_t day);
// A moment in hours from discovery: its clock time, with the day when asked
// and it is not the day of discovery ("4:00:00 PM, 41 days after"). Beyond the
// clock's range it is named in days and hours from discovery instead.
QString momentText(ClockTime foundAt, double hours, bool withDay);

// A moment in hours from discovery to the second, with its day named as the
// Henssge window names days: "7:25:44 PM the day before discovery".
QString momentWithDiscoveryDay(ClockTime foundAt, double hours);

// A moment in hours from discovery rounded to the whole minute, in seconds
// from the midnight that began the day of discovery; none where the hours
// are not finite or lie beyond a thousand years.
std::optional<std::int64_t> minuteFromDiscovery(ClockTime foundAt, double hours);
// "9:40 AM" for such a moment, without its day.
QString minuteClock(std::int64_t secondsFromMidnight);
// The day of such a moment: "the day of discovery", "the day before
// discovery", "2 days after discovery".
QString discoveryDayWords(std::int64_t secondsFromMidnight);
// The day such a moment falls on, counted from the day of discovery (0), to
// tell whether two moments share their day.
std::int64_t discoveryDay(std::int64_t secondsFromMidnight);
// "9:40 AM the day before discovery": such a moment with its day.
QString minuteWithDay(std::int64_t secondsFromMidnight);
// A span of hours rounded to the minute: "14 h 20 min", "1 day 2 h 5 min",
// "20 min".
QString spanWords(double hours);
// "±2.8 h": a bound published to the tenth of an hour.
QString tenthsOfHours(double hours);

// A label naming what follows it on the case sheet: "Body mass:".
QString labelOf(const QString &name);

// How far a thermometer's resolution moves the time of death, as the curve
// labels it: "±14 min", "±3 h", "±5 days", or "spread unbounded".
QString spreadLabel(std::optional<double> spreadHours);

// Keeps a formula left to right inside text of any direction.
QString leftToRight(const QString &text);
// "60 ± 1.8", in that order whatever the digits and the text's direction.
QString plusMinus(const QString &value, const QString &uncertainty);
// ASCII digits as the user's locale writes them, for times of day.
QString inLocaleDigits(const QString &ascii);

} // namespace quorrel::ui
