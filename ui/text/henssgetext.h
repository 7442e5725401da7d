#pragma once

#include "caserecord.h"
#include "clock.h"
#include "henssge.h"
#include "prudent.h"

#include <QList>
#include <QString>

#include <optional>

namespace quorrel::ui
{

// Which method a record is, for the case's own rules.
inline const QString kHenssgeKey = QStringLiteral("henssge-rectal");

// One row of Henssge's table of corrective factors for a 70 kg body. A row
// that gives a range leaves the value to the user within it.
struct HenssgeCondition {
    QString id; // "dry-naked-still-air": what a case file keeps, never shown
    // "Dry, naked, still air" in English, translated where it is shown; the
    // first case files kept it so.
    const char *name = "";
    double factor = 1.0;
    double upTo = 0.0; // the range's top, or 0 for a single factor
};

// The table's rows, dry before wet; "Other…" is not among them.
const QList<HenssgeCondition> &henssgeConditions();
// The pick list's last row, for a factor of the user's own, as the first
// case files kept it (in English), and its id.
inline const QString kOtherCondition = QStringLiteral("Other\u2026");
inline const QString kOtherConditionId = QStringLiteral("other");
// That row as the pick list shows it.
QString otherConditionItem();
// The id of the pick list's row (the last, or none, is "Other…"), the row of
// an id, and the row as shown.
QString conditionIdAt(qsizetype row);
qsizetype conditionRow(const QString &id);
QString conditionShown(const QString &id);
// The row of the pick list, with its factor: "Dry, naked, still air: 1.0".
QString conditionItem(const HenssgeCondition &condition);
// Whether a typed factor is the row's: its value, or within its range.
bool conditionHasFactor(const HenssgeCondition &condition, double factor);
// A factor as the table writes it, with at least one decimal: "1.0", "0.75".
QString factorText(double factor);

// The body's mass as typed, with the unit picked: "70 kg", "154 lb".
struct TypedMass {
    double value = 0.0;
    bool pounds = false;
    double kilograms() const;
    QString text() const;
};

// "About 14 h 20 min before the body was found (95 % limits ±2.8 h): died
// between 6:52 AM and 12:28 PM the day before discovery, most likely about
// 9:40 AM." Times are rounded to the minute; the latest never comes after the
// reading, taken when the body was found.
QString henssgeSentence(ClockTime foundAt, const HenssgeEstimate &estimate);

// An entry as the user typed it, the room in °F and the mass in its unit;
// its ± as typed, written out in plain digits (inPlainDigits), empty where
// it has none; and where its range was cut to what the nomogram accepts.
struct Uncertain {
    double value = 0.0;
    QString plusMinus;
    RangeCut cut;
};
struct UncertainMass {
    TypedMass mass;
    QString plusMinus;
    RangeCut cut;
};

// "With the room at 60 ± 1.8 °F, the mass at 70 ± 3 kg and the factor at
// 1.0 ± 0.1, the prudent interval is 8 h 26 min to 21 h 41 min before the
// body was found: died between 2:19 AM and 3:34 PM the day before
// discovery." A range cut to what the nomogram accepts names where. Without an
// interval, that the method publishes no limits anywhere in the ranges; with
// part of them beyond the nomogram, that nothing bounds how early.
QString henssgePrudentSentence(ClockTime foundAt, const std::optional<PrudentInterval> &interval,
                               const Uncertain &room, const UncertainMass &mass,
                               const Uncertain &factor);

// The smaller print: Q, the formula, the factor chosen and the factor used
// (with the estimate the factor as chosen would give, where the mass rule
// changed it, or that it was given as this body's own) and the limits' rule.
QString henssgeDetail(const HenssgeEstimate &estimate, const TypedMass &mass,
                      bool factorAsGiven = false,
                      std::optional<double> hoursAsChosen = std::nullopt);

// What the method expects at the second reading against what was measured;
// none expected where that reading comes before the death the method gives.
QString henssgeCheck(ClockTime foundAt, double hoursAfterFirst, std::optional<double> expected,
                     double measured, const HenssgeEstimate &estimate, const TypedMass &mass);

// "up to 98.96 °F (37.2 °C)": the readings both of Henssge's nomograms take,
// each starting from 37.2 °C.
QString henssgeReadingRange();

// "Read from the main window: found at 12:00:00 AM; room 60 °F (15.6 °C);
// body 80 °F (26.7 °C)."
QString readingsLine(ClockTime foundAt, double roomFahrenheit, double bodyFahrenheit);

// Q to four significant digits, however small: never "0.0000" beside a
// result of many days.
QString qText(double q);

// What tells one nomogram's record apart from another's.
struct NomogramLook {
    QString key;
    QString name;         // "Henssge's nomogram": the legend, and its own evidence line
    QString label;        // "Henssge", at its time of death on the curve
    QString line;         // "dashed line", in the curve's summary
    QString sheetHeading; // "Henssge nomogram"
    CurveLook look;
    // In a combination of evidence: "nomogram", and where another
    // nomogram's interval is weighed too, "rectal nomogram".
    QString tag;
    QString tagAmongOthers;
    // Why it is not weighed where it publishes no limits for its estimate.
    QString notWeighed;
};

// A nomogram's estimate as the case records it: its 95 % limits banded and
// ending at the reading, named even alone, a section of its own on the
// sheet, and its limits as a distribution and as an interval to weigh.
MethodRecord nomogramRecord(const NomogramLook &nomogram, ClockTime foundAt,
                            const QList<CaseEntry> &entries, const MethodResult &result,
                            const QString &sentence, const QStringList &notes);

// A nomogram's sentence: as henssgeSentence, with `noLimits` in brackets
// where it gives no limits for the estimate.
QString nomogramSentence(ClockTime foundAt, double hoursSinceDeath,
                         std::optional<double> limitHours, const QString &noLimits);

// Henssge's estimate as the case records it: a dashed line with its 95 %
// limits hatched, a hollow square at its death. Where its entries were
// given as uncertain, the prudent interval is the one weighed.
MethodRecord henssgeRecord(ClockTime foundAt, const QList<CaseEntry> &entries,
                           const MethodResult &result, const QString &sentence,
                           const QStringList &notes,
                           const std::optional<HoursBeforeDiscovery> &prudent = std::nullopt);

} // namespace quorrel::ui
