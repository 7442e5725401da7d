#include "newtontext.h"

#include "cooling.h"
#include "curvetext.h"
#include "wording.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace quorrel::ui
{
namespace
{

class NewtonWords
{
    Q_DECLARE_TR_FUNCTIONS(NewtonWords)
};

// How far a tenth of a degree moves the estimate, in the unit that fits. A
// spread wider than the whole time before discovery says so: its number
// would mean nothing.
QString spreadWords(double spreadMinutes, double hoursSinceDeath, const QString &off)
{
    //: %1 is a thermometer's resolution: "0.1 °F".
    if (spreadMinutes > hoursSinceDeath * 60.0)
        return NewtonWords::tr("each reading off by %1 could move this by more than the whole "
                               "time before the body was found")
            .arg(off);
    if (spreadMinutes < 0.5)
        return NewtonWords::tr("each reading off by %1 moves this by less than a minute").arg(off);
    if (spreadMinutes < 59.5)
        return NewtonWords::tr("each reading off by %1 moves this by up to %2 min")
            .arg(off, wholeNumber(spreadMinutes));
    const double hours = spreadMinutes / 60.0;
    if (hours < 47.5)
        return NewtonWords::tr("each reading off by %1 moves this by up to %2 h")
            .arg(off, wholeNumber(hours));
    // Two days or more.
    const double days = std::round(hours / 24.0);
    return NewtonWords::tr("each reading off by %1 moves this by up to %2 days", nullptr,
                           numerus(days))
        .arg(off, wholeNumber(days));
}

QString doubtWords(Confidence::Doubt doubt)
{
    const QString zero = typedDegrees(kAbsoluteZero);
    switch (doubt) {
    case Confidence::Doubt::RoomBelowAbsoluteZero:
        return NewtonWords::tr("Doubtful: the room temperature is below absolute zero (%1), which "
                               "no temperature can be")
            .arg(zero);
    case Confidence::Doubt::FirstBelowAbsoluteZero:
        return NewtonWords::tr("Doubtful: the first reading is below absolute zero (%1), which no "
                               "temperature can be")
            .arg(zero);
    case Confidence::Doubt::SecondBelowAbsoluteZero:
        return NewtonWords::tr("Doubtful: the second reading is below absolute zero (%1), which "
                               "no temperature can be")
            .arg(zero);
    case Confidence::Doubt::NegativeElapsed:
        return NewtonWords::tr("Doubtful: the hours between the readings are negative");
    case Confidence::Doubt::RoomWarmer:
        return NewtonWords::tr("Doubtful: the room is warmer than the body, which was not cooling "
                               "toward it");
    case Confidence::Doubt::FirstAboveNormal:
        return NewtonWords::tr("Doubtful: the first reading is above %1, which by the law the "
                               "body would reach only after it was found")
            .arg(startDegrees(kNormalBodyTemperature));
    case Confidence::Doubt::SecondFarther:
        return NewtonWords::tr("Doubtful: the second reading is farther from the room temperature "
                               "than the first, so the body was not cooling");
    case Confidence::Doubt::None:
        break;
    }
    return QString();
}

QString readingsInWords(ClockTime foundAt, const MethodResult &result, bool withDay)
{
    //: The two readings ("75 °F at 2:00:00 AM"), then the room's temperature.
    return NewtonWords::tr("%1, when the body was found, and %2; room %3")
        .arg(readingText(foundAt, result.readings.at(0), withDay),
             readingText(foundAt, result.readings.at(1), withDay), typedDegrees(result.ambient));
}

// The curve from the temperature at death through both readings; named,
// with the line that draws it, where other curves are named too.
QString newtonInWords(const QString &sentence, const MethodResult &result, ClockTime foundAt,
                      bool withDay, bool named)
{
    const QString readings = readingsInWords(foundAt, result, withDay);
    //: %1 says why the estimate is doubtful; %2 the readings and the room.
    if (!result.hasCurve())
        return (named ? NewtonWords::tr("Newton's law, no curve: %1. %2.")
                      : NewtonWords::tr("No curve: %1. %2."))
            .arg(sentence, readings);
    // A death named with its day is set off like the readings' days.
    const bool dayNamed = withDay && dayFromDiscovery(foundAt, result.curveFrom()).value_or(1) != 0;
    const QString start = startDegrees(result.startTemperature);
    const QString died = momentText(foundAt, result.curveFrom(), withDay);
    //: The curve from the temperature at death (%1) at the time of death (%2) through the
    //: readings (%3).
    if (named)
        return (dayNamed ? NewtonWords::tr("Newton's law, solid line: from %1 at %2, to %3")
                         : NewtonWords::tr("Newton's law, solid line: from %1 at %2 to %3"))
            .arg(start, died, readings);
    return (dayNamed ? NewtonWords::tr("From %1 at %2, to %3")
                     : NewtonWords::tr("From %1 at %2 to %3"))
        .arg(start, died, readings);
}

// "2 days 3 h 4 min 5 s before the body was found at 7:00:00 PM".
QString beforeDiscovery(const Estimate &estimate)
{
    const Confidence &confidence = *estimate.confidence;
    const QString found = clockText(estimate.foundAt);
    const QString hours = wholeNumber(confidence.hours);
    const QString minutes = wholeNumber(confidence.minutes);
    const QString seconds = wholeNumber(confidence.seconds);
    if (confidence.days > 0) {
        const int n = numerus(confidence.days);
        //: Days, hours, minutes and seconds, then the time the body was found.
        return pluralForm(
                   confidence.days,
                   NewtonWords::tr("%1 day %2 h %3 min %4 s before the body was found at %5",
                                   nullptr, n),
                   NewtonWords::tr("%1 days %2 h %3 min %4 s before the body was found at %5",
                                   nullptr, n))
            .arg(wholeNumber(confidence.days), hours, minutes, seconds, found);
    }
    //: Hours, minutes and seconds, then the time the body was found.
    return NewtonWords::tr("%1 h %2 min %3 s before the body was found at %4")
        .arg(hours, minutes, seconds, found);
}

} // namespace

QString estimateSentence(const Estimate &estimate)
{
    const Confidence &confidence = *estimate.confidence;
    if (confidence.doubt != Confidence::Doubt::None)
        return doubtWords(confidence.doubt);
    // A case in °C is read to a tenth of a °C, as the estimate's spread was.
    const QString off = shownTemperatureUnit() == TemperatureUnit::Celsius
                            ? degreesCelsius(typedNumber(0.1))
                            : degreesFahrenheit(typedNumber(kReadingResolution));
    const QString spread =
        confidence.spreadMinutes
            ? spreadWords(*confidence.spreadMinutes, *estimate.hoursSinceDeath, off)
            //: %1 is a thermometer's resolution: "0.1 °F".
            : NewtonWords::tr("a reading off by %1 could make the estimate undefined").arg(off);
    //: How long before discovery, then how far a reading's error moves it.
    return NewtonWords::tr("%1; %2").arg(beforeDiscovery(estimate), spread);
}

QString newtonMethodText(const MethodResult &result)
{
    const double room = result.ambient;
    const MarkedPoint first = result.readings.at(0);
    const MarkedPoint second = result.readings.at(1);
    // A difference carries as many decimals as the readings it comes from.
    const auto less = [](double a, double b) {
        return differenceNumber(a - b, std::max(decimalsOf(a), decimalsOf(b)));
    };
    const QString firstExcess = less(first.temperature, room);
    const QString secondExcess = less(second.temperature, room);
    const QString normalExcess = less(result.startTemperature, room);
    const QString elapsed = typedNumber(second.hours);
    // Where digits run right to left (Arabic), a mark after each number keeps
    // the signs between two numbers from turning the fraction around.
    const QString mark =
        QLocale().textDirection() == Qt::RightToLeft ? QStringLiteral("\u200E") : QString();
    QString formula =
        QStringLiteral("t = %1 \u00D7 log(%2 / %3) / log(%3 / %4)")
            .arg(elapsed + mark, normalExcess + mark, firstExcess + mark, secondExcess + mark);
    //: %1 and %2 the excess over the room at the readings, %3 the hours between them, %4 the
    //: excess at death, %5 the temperature at death, %6 the room's; %7 the formula for t.
    if (!result.hasCurve())
        return NewtonWords::tr(
                   "By Newton's law of cooling, a body's excess of temperature over the room "
                   "shrinks by the same fraction in every equal span of time. Here the excess "
                   "fell from %1 to %2 in %3 hours; at that pace it was %4 (%5 less the room's "
                   "%6) t hours before the first reading, where %7. These readings make the "
                   "estimate doubtful, as the result says.")
            .arg(degrees(firstExcess), degrees(secondExcess), elapsed, degrees(normalExcess),
                 startDegrees(result.startTemperature), typedDegrees(room), leftToRight(formula));
    // Six significant digits from an hour up, five decimals below it, never
    // an exponent: the formula gives this number.
    const double hours = result.hoursSinceDeath;
    const int whole = hours >= 1 ? static_cast<int>(std::floor(std::log10(hours))) + 1 : 1;
    formula += QStringLiteral(" = ") + numberWithDecimals(hours, std::max(0, 6 - whole)) + mark;
    //: As the sentence before it, %7 the formula with its result in hours.
    return NewtonWords::tr(
               "By Newton's law of cooling, a body's excess of temperature over the room "
               "shrinks by the same fraction in every equal span of time. Here the excess fell "
               "from %1 to %2 in %3 hours; at that pace it was %4 (%5 less the room's %6) t "
               "hours before the first reading, where %7 hours. The time of discovery less "
               "these hours is the time of death.")
        .arg(degrees(firstExcess), degrees(secondExcess), elapsed, degrees(normalExcess),
             startDegrees(result.startTemperature), typedDegrees(room), leftToRight(formula));
}

MethodRecord newtonRecord(const Estimate &estimate, const CaseEntries &typed)
{
    const QString about = estimate.confidence ? estimateSentence(estimate) : QString();
    const QString degreesF = degreeUnit();
    MethodRecord record{kNewtonKey,
                        NewtonWords::tr("Newton's law of cooling"),
                        {{NewtonWords::tr("Room temperature"), typed.room, degreesF},
                         {NewtonWords::tr("Body temperature when found"), typed.body, degreesF},
                         {NewtonWords::tr("Second body temperature"), typed.secondBody, degreesF},
                         {NewtonWords::tr("Hours between the two readings"), typed.hoursBetween,
                          //: The unit after a number of hours as typed: "3 hours".
                          NewtonWords::tr("hours")}},
                        estimate.result,
                        estimate.deathAt,
                        about};
    const MethodResult result = estimate.result;
    record.deathLabel = [result](ClockTime foundAt, bool withDay, bool named) {
        //: The label at the time of death on the curve: "died 7:25:44 PM (±14 min)".
        return (named ? NewtonWords::tr("Newton: died %1 (%2)") : NewtonWords::tr("died %1 (%2)"))
            .arg(momentText(foundAt, result.curveFrom(), withDay), spreadLabel(result.spreadHours));
    };
    record.inWords = [about, result](ClockTime foundAt, bool withDay, bool named) {
        return newtonInWords(about, result, foundAt, withDay, named);
    };
    record.wordsNameTheRoom = true;
    record.mainEntries = typed;
    for (const CaseEntry &entry : record.entries)
        record.sheetEntries.append({labelOf(entry.label), entry.typed + ' ' + entry.unit});
    //: Headings of the case sheet's sections.
    record.sheet = {{NewtonWords::tr("Result"),
                     {{NewtonWords::tr("Estimated time of death:"), clockText(estimate.deathAt)}},
                     {about + '.'}},
                    {NewtonWords::tr("Method"), {}, {newtonMethodText(result)}}};
    return record;
}

} // namespace quorrel::ui
