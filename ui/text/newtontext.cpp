#include "newtontext.h"

#include "cooling.h"
#include "curvetext.h"
#include "wording.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace quorrel::ui
{
namespace
{

// How far a tenth of a degree moves the estimate, in the unit that fits. A
// spread wider than the whole time before discovery says so: its number
// would mean nothing.
QString spreadWords(double spreadMinutes, double hoursSinceDeath, const QString &off)
{
    const QString moves = QStringLiteral("each reading off by ") + off;
    if (spreadMinutes > hoursSinceDeath * 60.0)
        return moves + QStringLiteral(" could move this by more than the whole time before "
                                      "the body was found");
    if (spreadMinutes < 0.5)
        return moves + QStringLiteral(" moves this by less than a minute");
    if (spreadMinutes < 59.5)
        return moves +
               QStringLiteral(" moves this by up to %1 min").arg(wholeNumber(spreadMinutes));
    const double hours = spreadMinutes / 60.0;
    if (hours < 47.5)
        return moves + QStringLiteral(" moves this by up to %1 h").arg(wholeNumber(hours));
    return moves + QStringLiteral(" moves this by up to %1 days").arg(wholeNumber(hours / 24.0));
}

QString doubtWords(Confidence::Doubt doubt)
{
    const QString zero = typedDegrees(kAbsoluteZero);
    switch (doubt) {
    case Confidence::Doubt::RoomBelowAbsoluteZero:
        return QStringLiteral("Doubtful: the room temperature is below absolute zero (%1), which "
                              "no temperature can be")
            .arg(zero);
    case Confidence::Doubt::FirstBelowAbsoluteZero:
        return QStringLiteral("Doubtful: the first reading is below absolute zero (%1), which no "
                              "temperature can be")
            .arg(zero);
    case Confidence::Doubt::SecondBelowAbsoluteZero:
        return QStringLiteral("Doubtful: the second reading is below absolute zero (%1), which "
                              "no temperature can be")
            .arg(zero);
    case Confidence::Doubt::NegativeElapsed:
        return QStringLiteral("Doubtful: the hours between the readings are negative");
    case Confidence::Doubt::RoomWarmer:
        return QStringLiteral("Doubtful: the room is warmer than the body, which was not cooling "
                              "toward it");
    case Confidence::Doubt::FirstAboveNormal:
        return QStringLiteral("Doubtful: the first reading is above ") +
               typedDegrees(kNormalBodyTemperature) +
               QStringLiteral(", which by the law the body would reach only after it was found");
    case Confidence::Doubt::SecondFarther:
        return QStringLiteral("Doubtful: the second reading is farther from the room temperature "
                              "than the first, so the body was not cooling");
    case Confidence::Doubt::None:
        break;
    }
    return QString();
}

QString readingsInWords(ClockTime foundAt, const MethodResult &result, bool withDay)
{
    return QStringLiteral("%1, when the body was found, and %2; room %3")
        .arg(readingText(foundAt, result.readings.at(0), withDay),
             readingText(foundAt, result.readings.at(1), withDay), typedDegrees(result.ambient));
}

// The curve from the temperature at death through both readings; named,
// with the line that draws it, where other curves are named too.
QString newtonInWords(const QString &sentence, const MethodResult &result, ClockTime foundAt,
                      bool withDay, bool named)
{
    if (!result.hasCurve())
        return (named ? QStringLiteral("Newton's law, no curve: %1. %2.")
                      : QStringLiteral("No curve: %1. %2."))
            .arg(sentence, readingsInWords(foundAt, result, withDay));
    // A death named with its day is set off like the readings' days.
    const bool dayNamed = withDay && dayFromDiscovery(foundAt, result.curveFrom()).value_or(1) != 0;
    return (named ? QStringLiteral("Newton's law, solid line: from %1 at %2%3 to %4")
                  : QStringLiteral("From %1 at %2%3 to %4"))
        .arg(typedDegrees(result.startTemperature),
             momentText(foundAt, result.curveFrom(), withDay),
             dayNamed ? QStringLiteral(",") : QString(), readingsInWords(foundAt, result, withDay));
}

} // namespace

QString estimateSentence(const Estimate &estimate)
{
    const Confidence &confidence = *estimate.confidence;
    if (confidence.doubt != Confidence::Doubt::None)
        return doubtWords(confidence.doubt);
    const QString off = degrees(typedNumber(kReadingResolution));
    QString sentence;
    if (confidence.days > 0)
        sentence = plural(confidence.days, "day", "days") + ' ';
    sentence += QStringLiteral("%1 h %2 min %3 s before the body was found at %4; ")
                    .arg(wholeNumber(confidence.hours), wholeNumber(confidence.minutes),
                         wholeNumber(confidence.seconds), clockText(estimate.foundAt));
    if (!confidence.spreadMinutes)
        return sentence + QStringLiteral("a reading off by ") + off +
               QStringLiteral(" could make the estimate undefined");
    return sentence + spreadWords(*confidence.spreadMinutes, *estimate.hoursSinceDeath, off);
}

QString newtonMethodText(const MethodResult &result)
{
    const double room = result.ambient;
    const MarkedPoint first = result.readings.at(0);
    const MarkedPoint second = result.readings.at(1);
    // A difference carries as many decimals as the readings it comes from.
    const auto less = [](double a, double b) {
        return numberWithDecimals(a - b, std::max(decimalsOf(a), decimalsOf(b)));
    };
    const QString firstExcess = less(first.temperature, room);
    const QString secondExcess = less(second.temperature, room);
    const QString normalExcess = less(result.startTemperature, room);
    const QString elapsed = typedNumber(second.hours);
    QString text =
        QStringLiteral("By Newton's law of cooling, a body's excess of temperature over the room "
                       "shrinks by the same fraction in every equal span of time. Here the excess "
                       "fell from %1 to %2 in %3 hours; at that pace it was %4 (%5 less the "
                       "room's %6) t hours before the first reading, where ")
            .arg(degrees(firstExcess), degrees(secondExcess), elapsed, degrees(normalExcess),
                 typedDegrees(result.startTemperature), typedDegrees(room));
    // Where digits run right to left (Arabic), a mark after each number keeps
    // the signs between two numbers from turning the fraction around.
    const QString mark =
        QLocale().textDirection() == Qt::RightToLeft ? QStringLiteral("\u200E") : QString();
    QString formula =
        QStringLiteral("t = %1 \u00D7 log(%2 / %3) / log(%3 / %4)")
            .arg(elapsed + mark, normalExcess + mark, firstExcess + mark, secondExcess + mark);
    if (!result.hasCurve())
        return text + leftToRight(formula) +
               QStringLiteral(". These readings make the estimate doubtful, as the result says.");
    // Six significant digits from an hour up, five decimals below it, never
    // an exponent: the formula gives this number.
    const double hours = result.hoursSinceDeath;
    const int whole = hours >= 1 ? static_cast<int>(std::floor(std::log10(hours))) + 1 : 1;
    formula += QStringLiteral(" = ") + numberWithDecimals(hours, std::max(0, 6 - whole)) + mark;
    return text + leftToRight(formula) +
           QStringLiteral(" hours. The time of discovery less these hours is the time of death.");
}

MethodRecord newtonRecord(const Estimate &estimate, const CaseEntries &typed)
{
    const QString about = estimate.confidence ? estimateSentence(estimate) : QString();
    const QString degreesF = kDegreeSign + 'F';
    MethodRecord record{kNewtonKey,
                        QStringLiteral("Newton's law of cooling"),
                        {{QStringLiteral("Room temperature"), typed.room, degreesF},
                         {QStringLiteral("Body temperature when found"), typed.body, degreesF},
                         {QStringLiteral("Second body temperature"), typed.secondBody, degreesF},
                         {QStringLiteral("Hours between the two readings"), typed.hoursBetween,
                          QStringLiteral("hours")}},
                        estimate.result,
                        estimate.deathAt,
                        about};
    const MethodResult result = estimate.result;
    record.deathLabel = [result](ClockTime foundAt, bool withDay, bool named) {
        return QStringLiteral("%1died %2 (%3)")
            .arg(named ? QStringLiteral("Newton: ") : QString(),
                 momentText(foundAt, result.curveFrom(), withDay), spreadLabel(result.spreadHours));
    };
    record.inWords = [about, result](ClockTime foundAt, bool withDay, bool named) {
        return newtonInWords(about, result, foundAt, withDay, named);
    };
    record.wordsNameTheRoom = true;
    record.mainEntries = typed;
    for (const CaseEntry &entry : record.entries)
        record.sheetEntries.append({entry.label + ':', entry.typed + ' ' + entry.unit});
    record.sheet = {{QStringLiteral("Result"),
                     {{QStringLiteral("Estimated time of death:"), clockText(estimate.deathAt)}},
                     {about + '.'}},
                    {QStringLiteral("Method"), {}, {newtonMethodText(result)}}};
    return record;
}

} // namespace quorrel::ui
