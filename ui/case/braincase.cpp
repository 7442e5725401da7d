#include "braincase.h"

#include "brain.h"
#include "braintext.h"
#include "casefile.h"
#include "caseholder.h"
#include "casemethods.h"
#include "cooling.h"
#include "henssge.h"
#include "henssgetext.h"
#include "wording.h"

#include <QCoreApplication>

#include <cmath>

namespace quorrel::ui
{
namespace
{

const QString kBrainTemperature = QStringLiteral("brainTemperature");

class BrainCaseWords
{
    Q_DECLARE_TR_FUNCTIONS(BrainCaseWords)
};

// The window's entry as the refusals name it.
QString brainEntry()
{
    return BrainCaseWords::tr("Brain temperature");
}

// The entry exactly as typed, so that the method's edges are decided on the
// decimals the user wrote.
Result<Decimal> decimal(const QString &typed)
{
    const NumberLocale locale = userNumberLocale();
    return localeToDecimal(withAsciiDigits(typed.toStdString(), locale), locale);
}

BrainOutcome refused(BrainProblem problem, double room = 0.0, double brain = 0.0)
{
    return {problem, room, brain, std::nullopt};
}

BrainProblem problemFor(BrainRefusal refusal)
{
    switch (refusal) {
    case BrainRefusal::None:
        break;
    case BrainRefusal::NotFinite:
        return BrainProblem::Brain;
    case BrainRefusal::RoomBelowAbsoluteZero:
        return BrainProblem::RoomBelowAbsoluteZero;
    case BrainRefusal::BrainBelowAbsoluteZero:
        return BrainProblem::BrainBelowAbsoluteZero;
    case BrainRefusal::BrainAboveStart:
        return BrainProblem::BrainAboveStart;
    case BrainRefusal::RoomNotColder:
        return BrainProblem::RoomNotColder;
    }
    return BrainProblem::None;
}

// The case's other estimates are of this scene where it was found at the
// same time in a room of the same temperature.
bool sameScene(const CaseRecord &record, ClockTime foundAt, double room)
{
    if (record.foundAt != foundAt)
        return false;
    for (const MethodRecord &method : record.methods)
        if (!method.result.readings.empty() && method.result.ambient != room)
            return false;
    return true;
}

QJsonObject brainObject(const BrainChoice &choice)
{
    return {{kBrainTemperature, choice.brain}};
}

BrainChoice brainChoiceIn(const QJsonObject &object, const NumberLocale &typedIn)
{
    FileMembers members;
    return {retypedNumber(members.typed(object, kBrainTemperature, QString()), typedIn,
                          userNumberLocale())};
}

QString remakeBrain(const QJsonObject &estimatedWith, const NumberLocale &typedIn,
                    CaseHolder &holder)
{
    const BrainOutcome outcome =
        estimateBrainCase(holder.entries(), brainChoiceIn(estimatedWith, typedIn), holder.record());
    if (!outcome.record)
        //: %1 is why the estimate cannot be made again from the file.
        return BrainCaseWords::tr("Henssge's brain nomogram: %1").arg(brainRefusalText(outcome));
    holder.publish(*outcome.record);
    return QString();
}

// A new Calculate of the same scene makes the brain's estimate again beside
// it; another time found or room is another scene.
std::optional<CaseRecord> brainFollowing(const CaseRecord &calculated, const CaseRecord &before,
                                         const CaseEntries &entries)
{
    const MethodRecord *brain = before.method(kBrainKey);
    const std::optional<BrainChoice> choice = brainChoiceOf(before);
    if (!brain || !choice || !sameScene(calculated, before.foundAt, brain->result.ambient))
        return std::nullopt;
    return estimateBrainCase(entries, *choice, calculated).record;
}

} // namespace

BrainOutcome estimateBrainCase(const CaseEntries &typedEntries, const BrainChoice &typedChoice,
                               const std::optional<CaseRecord> &current)
{
    const CaseEntries entries = entriesInFahrenheit(typedEntries);
    BrainChoice choice = typedChoice;
    if (typedEntries.unit == TemperatureUnit::Celsius)
        choice.brain = fahrenheitTyped(typedChoice.brain);
    if (!entries.foundAt)
        return refused(BrainProblem::NoTimeFound);
    const ClockTime foundAt = *entries.foundAt;
    const Result<Decimal> room = decimal(entries.room);
    if (!room || !std::isfinite(fahrenheitToCelsius(room->toDouble())))
        return refused(BrainProblem::Room);
    const Result<Decimal> brain = decimal(choice.brain);
    if (!brain || !std::isfinite(fahrenheitToCelsius(brain->toDouble())))
        return refused(BrainProblem::Brain, room->toDouble());
    const double roomF = room->toDouble();
    const double brainF = brain->toDouble();
    const BrainInput input = brainInputFromTyped({*room, *brain});
    const BrainResult result = estimateBrain(input);
    if (result.refusal != BrainRefusal::None) {
        BrainOutcome outcome = refused(problemFor(result.refusal), roomF, brainF);
        outcome.roomTyped = typedEntries.room;
        outcome.brainTyped = typedChoice.brain;
        return outcome;
    }
    const BrainEstimate &estimate = *result.estimate;

    const QString unit = degreeUnit();
    MethodRecord record =
        brainRecord(foundAt,
                    {{BrainCaseWords::tr("Room temperature"), typedEntries.room, unit},
                     {BrainCaseWords::tr("Brain temperature when found"), typedChoice.brain, unit}},
                    brainMethodResult(input, estimate, roomF, brainF),
                    brainSentence(foundAt, estimate, roomF), {brainDetail(estimate)});
    record.madeWith = brainObject(typedChoice);
    record.mainEntries =
        CaseEntries{foundAt, typedEntries.room, QString(), QString(), QString(), typedEntries.unit};
    CaseRecord joined =
        current && sameScene(*current, foundAt, roomF) ? *current : CaseRecord{foundAt, {}};
    joined.methods.removeIf([](const MethodRecord &method) { return method.key == kBrainKey; });
    joined.methods.append(record);
    // What was made from the case before is made again from this one.
    carryRemade(joined, current);
    return {BrainProblem::None, roomF, brainF, joined};
}

QString brainRefusalText(const BrainOutcome &outcome)
{
    switch (outcome.problem) {
    case BrainProblem::None:
        break;
    case BrainProblem::NoTimeFound:
        return noTimeFoundText();
    case BrainProblem::Room:
        //: %1 is the main window's entry as its label names it.
        if (shownTemperatureUnit() == TemperatureUnit::Celsius)
            //: %1 is the main window's entry as its label names it.
            return BrainCaseWords::tr("%1, in the main window: enter a number of degrees Celsius "
                                      "below the brain temperature.")
                .arg(kRoomEntry);
        return BrainCaseWords::tr("%1, in the main window: enter a number of degrees Fahrenheit "
                                  "below the brain temperature.")
            .arg(kRoomEntry);
    case BrainProblem::Brain:
        //: %1 is the window's entry ("Brain temperature"), %2 the readings the method takes
        //: ("from 27.8 °C to 37.2 °C").
        if (shownTemperatureUnit() == TemperatureUnit::Celsius)
            //: %1 is the window's entry ("Brain temperature"), %2 the readings the method
            //: takes ("from 27.8 °C to 37.2 °C").
            return BrainCaseWords::tr("%1: enter a number of degrees Celsius above the room "
                                      "temperature, %2.")
                .arg(brainEntry(), henssgeReadingRange());
        return BrainCaseWords::tr("%1: enter a number of degrees Fahrenheit above the room "
                                  "temperature, %2.")
            .arg(brainEntry(), henssgeReadingRange());
    case BrainProblem::RoomBelowAbsoluteZero:
        //: %1 is the main window's entry as its label names it, %2 its temperature, %3
        //: absolute zero in degrees.
        return BrainCaseWords::tr("%1, in the main window, is %2: below absolute zero (%3), which "
                                  "no temperature can be.")
            .arg(kRoomEntry, shownDegrees(outcome.roomTyped, outcome.room),
                 typedDegrees(kAbsoluteZero));
    case BrainProblem::BrainBelowAbsoluteZero:
        //: %1 is the window's entry ("Brain temperature"), %2 its temperature, %3 absolute
        //: zero in degrees.
        return BrainCaseWords::tr("%1 is %2: below absolute zero (%3), which no temperature can "
                                  "be.")
            .arg(brainEntry(), shownDegrees(outcome.brainTyped, outcome.brain),
                 typedDegrees(kAbsoluteZero));
    case BrainProblem::BrainAboveStart:
        //: %1 is the window's entry ("Brain temperature"), %2 the reading, %3 the temperature
        //: the method starts from, %4 the readings it takes ("from 27.8 °C to 37.2 °C").
        return BrainCaseWords::tr("%1 is %2: the method starts from %3. Enter a reading %4.")
            .arg(brainEntry(), shownDegrees(outcome.brainTyped, outcome.brain),
                 degreesCelsius(typedNumber(kHenssgeStartCelsius)), henssgeReadingRange());
    case BrainProblem::RoomNotColder:
        //: %1 is the main window's room entry as its label names it, %2 the room's
        //: temperature, %3 the brain's, %4 the window's entry ("Brain temperature").
        return BrainCaseWords::tr("%1, in the main window, is %2: the method needs a room colder "
                                  "than the brain. Enter a number below %3 (%4).")
            .arg(kRoomEntry, shownDegrees(outcome.roomTyped, outcome.room),
                 shownDegrees(outcome.brainTyped, outcome.brain), brainEntry());
    }
    return QString();
}

std::optional<BrainChoice> brainChoiceOf(const CaseRecord &record)
{
    const MethodRecord *brain = record.method(kBrainKey);
    if (!brain || brain->madeWith.isEmpty())
        return std::nullopt;
    return brainChoiceIn(brain->madeWith, userNumberLocale());
}

std::optional<BrainChoice> brainWindowEntries(const CaseHolder &holder)
{
    const QJsonObject kept = holder.windowEntries(kBrainKey);
    if (kept.isEmpty())
        return std::nullopt;
    return brainChoiceIn(kept, userNumberLocale());
}

void keepBrainWindowEntries(CaseHolder &holder, const BrainChoice &entries, bool edited)
{
    holder.setWindowEntries(kBrainKey, brainObject(entries), edited);
}

CaseMethod brainCaseMethod()
{
    CaseMethod method{kBrainKey};
    method.knownMembers = [](const QString &path) -> std::optional<QStringList> {
        if (!path.isEmpty())
            return std::nullopt;
        return QStringList{kBrainTemperature};
    };
    method.check = [](FileMembers &members, const QJsonObject &object, const QString &where, bool) {
        members.typed(object, kBrainTemperature, where);
    };
    method.remake = remakeBrain;
    method.follow = brainFollowing;
    method.convert = [](QJsonObject object, bool celsius, QList<RoundedEntry> &rounded) {
        convertMember(object, kBrainTemperature, brainEntry(), celsius, false, rounded);
        return object;
    };
    method.showEntries = [](const QJsonObject &entries, const NumberLocale &typedIn,
                            CaseHolder &holder) {
        holder.replaceWindowEntries(kBrainKey, entries.isEmpty()
                                                   ? QJsonObject()
                                                   : brainObject(brainChoiceIn(entries, typedIn)));
    };
    return method;
}

} // namespace quorrel::ui
