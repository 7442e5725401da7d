#include "henssgecase.h"

#include "casefile.h"
#include "cooling.h"
#include "curve.h"
#include "henssge.h"
#include "henssgetext.h"
#include "newtontext.h"
#include "numbers.h"
#include "prudent.h"
#include "wording.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace quorrel::ui
{
namespace
{

class HenssgeCaseWords
{
    Q_DECLARE_TR_FUNCTIONS(HenssgeCaseWords)
};

Result<double> number(const QString &typed)
{
    const NumberLocale locale = userNumberLocale();
    return localeToDouble(withAsciiDigits(typed.toStdString(), locale), locale);
}

// The entry exactly as typed, so that the method's edges are decided on the
// decimals the user wrote.
Result<Decimal> decimal(const QString &typed)
{
    const NumberLocale locale = userNumberLocale();
    return localeToDecimal(withAsciiDigits(typed.toStdString(), locale), locale);
}

// Whether Newton's estimate in the record is of this body: the same time
// found, room and first reading.
bool sameBody(const CaseRecord &record, ClockTime foundAt, double room, double body)
{
    const MethodRecord *newton = record.method(kNewtonKey);
    return newton && record.foundAt == foundAt && newton->result.ambient == room &&
           newton->result.readings.at(0).temperature == body;
}

// A ± as typed, as the sentence writes it: empty is none; otherwise a number
// of 0 or more, no larger than the entry it qualifies, that written out in
// plain digits is no longer than a box holds, as every entry is. Its sign is
// that of the digits typed: -1e-50000 is no ± of 0, whatever its double.
std::optional<QString> uncertaintyOf(const QString &typed, double value)
{
    if (typed.trimmed().isEmpty())
        return QString();
    const Result<double> pm = number(typed);
    const Result<Decimal> exact = decimal(typed);
    const std::optional<QString> written = inPlainDigits(typed, kTypedMaxLength);
    if (!pm || !exact || !written || !std::isfinite(*pm) || exact->sign() < 0 ||
        *pm > std::fabs(value))
        return std::nullopt;
    return exact->sign() == 0 ? QString() : *written;
}

// A ± checked by uncertaintyOf, exactly as typed; empty is none.
Decimal typedUncertainty(const QString &typed)
{
    return typed.trimmed().isEmpty() ? Decimal() : decimal(typed).value_or(Decimal());
}

HenssgeOutcome refused(HenssgeProblem problem, double room = 0.0, double body = 0.0)
{
    return {problem, room, body, std::nullopt};
}

HenssgeProblem problemFor(HenssgeRefusal refusal)
{
    switch (refusal) {
    case HenssgeRefusal::None:
        break;
    case HenssgeRefusal::RoomBelowAbsoluteZero:
        return HenssgeProblem::RoomBelowAbsoluteZero;
    case HenssgeRefusal::BodyBelowAbsoluteZero:
        return HenssgeProblem::BodyBelowAbsoluteZero;
    case HenssgeRefusal::MassOutOfRange:
        return HenssgeProblem::Mass;
    case HenssgeRefusal::FactorOutOfRange:
    // Out of reach with the mass rule applied; the factor is what to change.
    case HenssgeRefusal::BeyondTheNomogram:
        return HenssgeProblem::Factor;
    case HenssgeRefusal::BodyAboveStart:
        return HenssgeProblem::BodyAboveStart;
    case HenssgeRefusal::NotFinite:
    case HenssgeRefusal::RoomNotColder:
        return HenssgeProblem::RoomNotColder;
    }
    return HenssgeProblem::None;
}

// The check against the second reading, where there is one after the first
// at a time the clock can name; empty otherwise.
QString secondReadingCheck(const CaseEntries &entries, const HenssgeInput &input,
                           const HenssgeEstimate &estimate, const TypedMass &mass)
{
    const Result<double> second = number(entries.secondBody);
    const Result<double> hours = number(entries.hoursBetween);
    if (!second || !hours || !(*hours > 0) || !roundToInt32(*hours * 3600.0))
        return QString();
    const Result<double> expected = henssgeExpectedReading(input, *hours);
    return henssgeCheck(*entries.foundAt, *hours,
                        expected ? std::optional(celsiusToFahrenheit(*expected)) : std::nullopt,
                        *second, estimate, mass);
}

QString massRange(bool pounds)
{
    //: A range of masses: "50 to 150 kg".
    const QString kg = HenssgeCaseWords::tr("%1 to %2 kg")
                           .arg(typedNumber(kHenssgeMinMassKg), typedNumber(kHenssgeMaxMassKg));
    if (!pounds)
        return kg;
    // Rounded inward, so both ends are accepted as written.
    const double low = std::ceil(kHenssgeMinMassKg / poundsToKilograms(1.0) * 100.0) / 100.0;
    const double high = std::floor(kHenssgeMaxMassKg / poundsToKilograms(1.0) * 100.0) / 100.0;
    //: A range of masses in pounds, then the same in kilograms: "110.24 to 330.69 lb (50 to
    //: 150 kg)".
    return HenssgeCaseWords::tr("%1 to %2 lb (%3)")
        .arg(numberWithDecimals(low, 2), numberWithDecimals(high, 2), kg);
}

// A decimal typed with another language's decimal sign ("70.5" where "70,5"
// is written) is named as such, so that the user sees why it was refused.
QString decimalSignHint(const QString &typed)
{
    const QLocale locale;
    const QString sign = locale.decimalPoint();
    const NumberLocale plain{".", ",", "0"};
    if (sign == QLatin1String(".") || !localeToDouble(typed.trimmed().toStdString(), plain) ||
        localeToDouble(withAsciiDigits(typed.toStdString(), userNumberLocale()),
                       userNumberLocale()))
        return QString();
    //: Follows a refusal; %1 is the locale's decimal sign, %2 a number written with it.
    return ' ' + HenssgeCaseWords::tr("Decimals are written with \u201C%1\u201D here, as in %2.")
                     .arg(sign, typedNumber(70.5));
}

// A ± whose plain digits would not fit in a box (1e-50000) is named as such:
// the sentence shows every ± written out.
QString tooLongHint(const QString &typed)
{
    if (!decimal(typed) || inPlainDigits(typed, kTypedMaxLength))
        return QString();
    //: Follows a refusal of a ±; %1 is a number of characters.
    return ' ' + HenssgeCaseWords::tr("Written out in plain digits, this one would be longer than "
                                      "the %1 characters a box holds.")
                     .arg(wholeNumber(double(kTypedMaxLength)));
}

// An entry of the main window's, named with where to change it: this window
// reads it but does not hold it.
QString mainWindowEntryText(const HenssgeOutcome &outcome)
{
    switch (outcome.problem) {
    case HenssgeProblem::Room:
        //: %1 is the main window's entry as its label names it.
        if (shownTemperatureUnit() == TemperatureUnit::Celsius)
            //: %1 is the main window's entry as its label names it.
            return HenssgeCaseWords::tr("%1, in the main window: enter a number of degrees "
                                        "Celsius below the body temperature.")
                .arg(kRoomEntry);
        return HenssgeCaseWords::tr("%1, in the main window: enter a number of degrees Fahrenheit "
                                    "below the body temperature.")
            .arg(kRoomEntry);
    case HenssgeProblem::Body:
        //: %1 is the main window's entry as its label names it; %2 the readings the method
        //: takes ("from 27.8 °C to 37.2 °C").
        if (shownTemperatureUnit() == TemperatureUnit::Celsius)
            //: %1 is the main window's entry as its label names it; %2 the readings the
            //: method takes ("from 27.8 °C to 37.2 °C").
            return HenssgeCaseWords::tr("%1, in the main window: enter a number of degrees "
                                        "Celsius above the room temperature, %2.")
                .arg(kFirstReadingEntry, henssgeReadingRange());
        return HenssgeCaseWords::tr("%1, in the main window: enter a number of degrees Fahrenheit "
                                    "above the room temperature, %2.")
            .arg(kFirstReadingEntry, henssgeReadingRange());
    case HenssgeProblem::RoomBelowAbsoluteZero:
    case HenssgeProblem::BodyBelowAbsoluteZero: {
        const bool room = outcome.problem == HenssgeProblem::RoomBelowAbsoluteZero;
        //: %1 is the main window's entry as its label names it, %2 its temperature, %3
        //: absolute zero in degrees.
        return HenssgeCaseWords::tr("%1, in the main window, is %2: below absolute zero (%3), "
                                    "which no temperature can be.")
            .arg(room ? kRoomEntry : kFirstReadingEntry,
                 room ? shownDegrees(outcome.roomTyped, outcome.room)
                      : shownDegrees(outcome.bodyTyped, outcome.body),
                 typedDegrees(kAbsoluteZero));
    }
    case HenssgeProblem::BodyAboveStart:
        //: %1 is the main window's entry as its label names it, %2 the reading, %3 the
        //: temperature the method starts from, %4 the readings it takes ("from 27.8 °C to
        //: 37.2 °C").
        return HenssgeCaseWords::tr("%1, in the main window, is %2: the method starts from %3. "
                                    "Enter a reading %4.")
            .arg(kFirstReadingEntry, shownDegrees(outcome.bodyTyped, outcome.body),
                 degreesCelsius(typedNumber(kHenssgeStartCelsius)), henssgeReadingRange());
    case HenssgeProblem::RoomNotColder:
        //: %1 is the main window's room entry as its label names it, %2 the room's
        //: temperature, %3 the body's, %4 the body's entry as its label names it.
        return HenssgeCaseWords::tr("%1, in the main window, is %2: the method needs a room "
                                    "colder than the body. Enter a number below %3 (%4).")
            .arg(kRoomEntry, shownDegrees(outcome.roomTyped, outcome.room),
                 shownDegrees(outcome.bodyTyped, outcome.body), kFirstReadingEntry);
    default:
        // No entry of the main window's: henssgeRefusalText words it.
        return QString();
    }
}

// The prudent interval's part of an estimate whose entries were given as
// uncertain: the sentence that states it and its hours, or the ± that
// cannot be used.
struct PrudentPart {
    HenssgeProblem problem = HenssgeProblem::None;
    QString sentence = {};
    std::optional<HoursBeforeDiscovery> hours = std::nullopt;
};

PrudentPart prudentPart(ClockTime foundAt, const HenssgeChoice &choice,
                        const HenssgeTypedEntries &typed, const HenssgeInput &input,
                        double roomMost)
{
    const double room = typed.roomFahrenheit.toDouble();
    const TypedMass mass{typed.mass.toDouble(), choice.pounds};
    const std::optional<QString> roomPm = uncertaintyOf(choice.roomUncertainty, roomMost);
    if (!roomPm)
        return {HenssgeProblem::RoomUncertainty};
    const std::optional<QString> massPm = uncertaintyOf(choice.massUncertainty, mass.value);
    if (!massPm)
        return {HenssgeProblem::MassUncertainty};
    const std::optional<QString> factorPm = uncertaintyOf(choice.factorUncertainty, input.factor);
    if (!factorPm)
        return {HenssgeProblem::FactorUncertainty};
    const HenssgeTypedUncertainty pm{typedUncertainty(choice.roomUncertainty),
                                     typedUncertainty(choice.massUncertainty),
                                     typedUncertainty(choice.factorUncertainty)};
    const PrudentResult prudent = prudentHenssge(typed, !choice.factorForThisMass, pm);
    if (prudent.refusal == PrudentRefusal::RoomReachesBody)
        return {HenssgeProblem::RoomRangeReachesBody};
    if (!prudent.interval && prudent.refusal != PrudentRefusal::NoLimitsPublished)
        return {HenssgeProblem::MassUncertainty};
    std::optional<HoursBeforeDiscovery> hours;
    if (const Result<PrudentInterval> &interval = prudent.interval)
        hours = HoursBeforeDiscovery{
            interval->earliestOpen ? std::nullopt : std::optional(interval->earliestHours),
            interval->latestHours};
    return {HenssgeProblem::None,
            henssgePrudentSentence(foundAt, prudent.interval, {room, *roomPm, prudent.roomCut},
                                   {mass, *massPm, prudent.massCut},
                                   {input.factor, *factorPm, prudent.factorCut}),
            hours};
}

// Where the mass rule changed the factor, the estimate with the factor as
// chosen, shown beside it.
std::optional<double> estimateAsChosen(const HenssgeInput &input, const HenssgeEstimate &estimate)
{
    if (!estimate.adjustedForMass)
        return std::nullopt;
    HenssgeInput unchanged = input;
    unchanged.adjustForMass = false;
    const HenssgeResult plain = estimateHenssge(unchanged);
    return plain.estimate ? std::optional(plain.estimate->hoursSinceDeath) : std::nullopt;
}

// The entries as the record lists them, with their ± where they were given.
QList<CaseEntry> recordedEntries(const CaseEntries &entries, const HenssgeChoice &choice)
{
    const QString degreesF = degreeUnit();
    const QString massUnit = choice.pounds ? QStringLiteral("lb") : QStringLiteral("kg");
    QList<CaseEntry> recorded{
        {HenssgeCaseWords::tr("Room temperature"), entries.room, degreesF},
        {HenssgeCaseWords::tr("Body temperature when found"), entries.body, degreesF},
        {HenssgeCaseWords::tr("Body mass"), choice.mass, massUnit},
        {HenssgeCaseWords::tr("Condition"), conditionShown(choice.condition), QString()},
        {HenssgeCaseWords::tr("Corrective factor"), choice.factor,
         //: Written after the corrective factor where it was given for this body.
         choice.factorForThisMass ? HenssgeCaseWords::tr("(for this body's mass)") : QString()}};
    if (choice.uncertain())
        //: Each followed by the ± typed and its unit.
        recorded += QList<CaseEntry>{
            {HenssgeCaseWords::tr("Room temperature uncertain by"), choice.roomUncertainty,
             degreesF},
            {HenssgeCaseWords::tr("Body mass uncertain by"), choice.massUncertainty, massUnit},
            {HenssgeCaseWords::tr("Corrective factor uncertain by"), choice.factorUncertainty,
             QString()}};
    return recorded;
}

// The choice as the record keeps it: what the ± boxes hold aside is the
// window's, not the estimate's.
QJsonObject madeWithObject(HenssgeChoice choice)
{
    choice.roomUncertaintyAside.clear();
    choice.massUncertaintyAside.clear();
    choice.factorUncertaintyAside.clear();
    return henssgeObject(choice);
}

// Newton's estimate is joined only where every entry is as Calculate read
// it, so that a record never holds two second readings.
bool joinsNewton(const std::optional<CaseRecord> &current, const CaseEntries &entries, double room,
                 double body)
{
    const MethodRecord *newton = current ? current->method(kNewtonKey) : nullptr;
    const Result<double> second = number(entries.secondBody);
    const Result<double> hours = number(entries.hoursBetween);
    return newton && sameBody(*current, *entries.foundAt, room, body) && second && hours &&
           newton->result.readings.at(1).temperature == *second &&
           newton->result.readings.at(1).hours == *hours;
}

} // namespace

QString henssgeRefusalText(const HenssgeOutcome &outcome, const HenssgeChoice &choice)
{
    switch (outcome.problem) {
    case HenssgeProblem::None:
        break;
    case HenssgeProblem::NoTimeFound:
        return noTimeFoundText();
    case HenssgeProblem::Room:
    case HenssgeProblem::Body:
    case HenssgeProblem::RoomBelowAbsoluteZero:
    case HenssgeProblem::BodyBelowAbsoluteZero:
    case HenssgeProblem::BodyAboveStart:
    case HenssgeProblem::RoomNotColder:
        return mainWindowEntryText(outcome);
    case HenssgeProblem::Mass:
        //: %1 is a range of masses ("50 to 150 kg").
        return HenssgeCaseWords::tr("Body mass: enter a number from %1.")
                   .arg(massRange(choice.pounds)) +
               decimalSignHint(choice.mass);
    case HenssgeProblem::Factor:
        return HenssgeCaseWords::tr("Corrective factor: enter a number from %1 to %2.")
                   .arg(factorText(kHenssgeMinFactor), factorText(kHenssgeMaxFactor)) +
               decimalSignHint(choice.factor);
    case HenssgeProblem::RoomUncertainty:
        if (shownTemperatureUnit() == TemperatureUnit::Celsius)
            //: %1 is the room temperature typed in °C, without its sign.
            return HenssgeCaseWords::tr("Room temperature uncertain by \u00B1: enter a number "
                                        "of degrees Celsius from 0 to %1, or leave it empty.")
                       .arg(typedTemperature(32 + std::fabs(outcome.room - 32))) +
                   decimalSignHint(choice.roomUncertainty) + tooLongHint(choice.roomUncertainty);
        //: %1 is the room temperature typed, without its sign.
        return HenssgeCaseWords::tr("Room temperature uncertain by \u00B1: enter a number of "
                                    "degrees Fahrenheit from 0 to %1, the room's own, or leave it "
                                    "empty.")
                   .arg(typedNumber(std::fabs(outcome.room))) +
               decimalSignHint(choice.roomUncertainty) + tooLongHint(choice.roomUncertainty);
    case HenssgeProblem::MassUncertainty:
        return (choice.pounds ? HenssgeCaseWords::tr("Body mass uncertain by \u00B1: enter a "
                                                     "number of pounds from 0 to the mass "
                                                     "itself, or leave it empty.")
                              : HenssgeCaseWords::tr("Body mass uncertain by \u00B1: enter a "
                                                     "number of kilograms from 0 to the mass "
                                                     "itself, or leave it empty.")) +
               decimalSignHint(choice.massUncertainty) + tooLongHint(choice.massUncertainty);
    case HenssgeProblem::FactorUncertainty:
        return HenssgeCaseWords::tr("Corrective factor uncertain by \u00B1: enter a number from "
                                    "0 to the factor itself, or leave it empty.") +
               decimalSignHint(choice.factorUncertainty) + tooLongHint(choice.factorUncertainty);
    case HenssgeProblem::RoomRangeReachesBody:
        //: %1 is the body's temperature.
        return HenssgeCaseWords::tr("Room temperature uncertain by \u00B1: the room's range "
                                    "reaches the body's %1. Enter a smaller uncertainty.")
            .arg(shownDegrees(outcome.bodyTyped, outcome.body));
    }
    return QString();
}

namespace
{

// The estimate, or why not, with the readings as read.
HenssgeOutcome estimateFromEntries(const CaseEntries &typedEntries, const HenssgeChoice &choice,
                                   const std::optional<CaseRecord> &current)
{
    const CaseEntries entries = entriesInFahrenheit(typedEntries);
    if (!entries.foundAt)
        return refused(HenssgeProblem::NoTimeFound);
    const ClockTime foundAt = *entries.foundAt;
    const Result<Decimal> room = decimal(entries.room);
    if (!room || !std::isfinite(fahrenheitToCelsius(room->toDouble())))
        return refused(HenssgeProblem::Room);
    const Result<Decimal> body = decimal(entries.body);
    if (!body || !std::isfinite(fahrenheitToCelsius(body->toDouble())))
        return refused(HenssgeProblem::Body, room->toDouble());
    const double roomF = room->toDouble();
    const double bodyF = body->toDouble();
    const Result<Decimal> massTyped = decimal(choice.mass);
    if (!massTyped)
        return refused(HenssgeProblem::Mass, roomF, bodyF);
    const TypedMass mass{massTyped->toDouble(), choice.pounds};
    const Result<Decimal> factor = decimal(choice.factor);
    if (!factor)
        return refused(HenssgeProblem::Factor, roomF, bodyF);

    const HenssgeTypedEntries typed{*room, *body, *massTyped, choice.pounds, *factor};
    const HenssgeInput input = henssgeInputFromTyped(typed, !choice.factorForThisMass);
    const HenssgeResult result = estimateHenssge(input);
    if (result.refusal != HenssgeRefusal::None)
        return refused(problemFor(result.refusal), roomF, bodyF);
    const HenssgeEstimate &estimate = *result.estimate;

    QString sentence = henssgeSentence(foundAt, estimate);
    PrudentPart prudent;
    if (choice.uncertain()) {
        // The room's ± in °F, as the room the nomogram reads.
        HenssgeChoice inFahrenheit = choice;
        // The most it may be is the room's own value in the unit typed: in
        // °C, a winter room of -17 °C may be uncertain by a degree or two.
        double roomMost = typed.roomFahrenheit.toDouble();
        if (typedEntries.unit == TemperatureUnit::Celsius) {
            inFahrenheit.roomUncertainty = fahrenheitDegreesTyped(choice.roomUncertainty);
            if (const Result<double> most = number(fahrenheitDegreesTyped(typedEntries.room)))
                roomMost = *most;
        }
        prudent = prudentPart(foundAt, inFahrenheit, typed, input, roomMost);
        if (prudent.problem != HenssgeProblem::None)
            return refused(prudent.problem, roomF, bodyF);
        sentence += ' ' + prudent.sentence;
    }
    const QString check = secondReadingCheck(entries, input, estimate, mass);
    const QString detail =
        henssgeDetail(estimate, mass, choice.factorForThisMass, estimateAsChosen(input, estimate));
    const double lastReading = check.isEmpty() ? 0.0 : *number(entries.hoursBetween);
    MethodRecord henssge = henssgeRecord(
        foundAt, recordedEntries(typedEntries, choice),
        henssgeMethodResult(input, estimate, roomF, bodyF, lastReading), sentence,
        check.isEmpty() ? QStringList{detail} : QStringList{detail, check}, prudent.hours);
    henssge.madeWith = madeWithObject(choice);
    // The second reading only checks the estimate; it did not make it.
    henssge.mainEntries = CaseEntries{foundAt,   typedEntries.room, typedEntries.body,
                                      QString(), QString(),         typedEntries.unit};

    CaseRecord joined =
        joinsNewton(current, entries, roomF, bodyF) ? *current : CaseRecord{foundAt, {}};
    joined.methods.removeIf([](const MethodRecord &method) { return method.key == kHenssgeKey; });
    joined.methods.append(henssge);
    // What was made from the case before is made again from this one.
    carryRemade(joined, current);
    return {HenssgeProblem::None, roomF, bodyF, joined};
}

} // namespace

HenssgeOutcome estimateHenssgeCase(const CaseEntries &typedEntries, const HenssgeChoice &choice,
                                   const std::optional<CaseRecord> &current)
{
    HenssgeOutcome outcome = estimateFromEntries(typedEntries, choice, current);
    outcome.roomTyped = typedEntries.room;
    outcome.bodyTyped = typedEntries.body;
    return outcome;
}

std::optional<HenssgeChoice> henssgeChoiceOf(const CaseRecord &record)
{
    const MethodRecord *henssge = record.method(kHenssgeKey);
    if (!henssge || henssge->madeWith.isEmpty())
        return std::nullopt;
    const NumberLocale here = userNumberLocale();
    return henssgeChoiceIn(henssge->madeWith, here, here);
}

std::optional<CaseRecord> henssgeFollowing(const CaseRecord &calculated, const CaseRecord &before,
                                           const CaseEntries &entries)
{
    const MethodRecord *henssge = before.method(kHenssgeKey);
    const std::optional<HenssgeChoice> choice = henssgeChoiceOf(before);
    if (!henssge || !choice)
        return std::nullopt;
    // The body the estimate was of: a body of another time found or first
    // reading is another body, and the mass chosen was not its own.
    if (!sameBody(calculated, before.foundAt, henssge->result.ambient,
                  henssge->result.readings.at(0).temperature))
        return std::nullopt;
    return estimateHenssgeCase(entries, *choice, calculated).record;
}

} // namespace quorrel::ui
