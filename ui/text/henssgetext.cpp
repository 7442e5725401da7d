#include "henssgetext.h"

#include "curve.h"
#include "curvetext.h"
#include "wording.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace quorrel::ui
{
namespace
{

class HenssgeWords
{
    Q_DECLARE_TR_FUNCTIONS(HenssgeWords)
};

// A second reading this close to what the method expects agrees with it.
constexpr double kAgreesWithin = 0.2; // °F

// "95 % limits": the method's own, in the locale's digits as every other
// number.
QString limitsWords()
{
    //: %1 is "95 %".
    return HenssgeWords::tr("%1 limits").arg(percent(95));
}

// "95 % limits ±2.8 h", or "no 95 % limits" where there are none.
QString limitsOf(const std::optional<double> &spreadHours)
{
    //: %1 is "95 %"; %2 the limit: "±2.8 h".
    return spreadHours
               ? HenssgeWords::tr("%1 limits %2").arg(percent(95), tenthsOfHours(*spreadHours))
               //: %1 is "95 %".
               : HenssgeWords::tr("no %1 limits").arg(percent(95));
}

// "±2.8 h: the band 1 ≥ Q > 0.5, with any factor", every number as the
// locale writes it.
QString ruleWords(HenssgeLimitRule rule)
{
    const auto band = [](double limit, double upper, double lower, const QString &factor) {
        //: %5 "95 % limits", %1 the limit ("±2.8 h"), %2 and %3 the band's bounds, %4 which
        //: factors ("with any factor").
        return HenssgeWords::tr("%5 %1: the band %2 \u2265 Q > %3, %4.")
            .arg(tenthsOfHours(limit), typedNumber(upper), typedNumber(lower), factor,
                 limitsWords());
    };
    const QString anyFactor = HenssgeWords::tr("with any factor");
    const QString one = HenssgeWords::tr("with factor %1").arg(numberWithDecimals(1.0, 1));
    const QString other =
        HenssgeWords::tr("with a factor other than %1").arg(numberWithDecimals(1.0, 1));
    switch (rule) {
    case HenssgeLimitRule::Early:
        return band(2.8, 1.0, 0.5, anyFactor);
    case HenssgeLimitRule::MiddleNoFactor:
        return band(3.2, 0.5, 0.3, one);
    case HenssgeLimitRule::MiddleWithFactor:
        return band(4.5, 0.5, 0.3, other);
    case HenssgeLimitRule::LateNoFactor:
        return band(4.5, 0.3, 0.2, one);
    case HenssgeLimitRule::LateWithFactor:
        return band(7.0, 0.3, 0.2, other);
    case HenssgeLimitRule::NoneBelow0_2:
        //: %2 "95 % limits".
        return HenssgeWords::tr("No %2: none are published for Q \u2264 %1.")
            .arg(typedNumber(0.2), limitsWords());
    case HenssgeLimitRule::NoneWarmRoomBelow:
        //: %3 "95 % limits"; %1 a room temperature ("23.2 °C").
        return HenssgeWords::tr("No %3: above %1 they are published only for Q > %2.")
            .arg(degreesCelsius(typedNumber(kHenssgeWarmRoomAbove)), typedNumber(0.5),
                 limitsWords());
    }
    return QString();
}

QString usedFactorText(const HenssgeEstimate &estimate)
{
    // Worked out, not typed: to the two decimals the table for other masses
    // is read to.
    return estimate.adjustedForMass ? numberWithDecimals(estimate.factorUsed, 2)
                                    : factorText(estimate.factorChosen);
}

// A moment and its day, the day left out when it is the day of discovery.
QString momentWithDay(std::int64_t at)
{
    return discoveryDay(at) == 0 ? minuteClock(at) : minuteWithDay(at);
}

// Henssge's time of death to the minute, as its sentence gives it, with the
// day where asked: "9:40 AM, the day before".
QString henssgeMoment(ClockTime foundAt, double hours, bool withDay)
{
    const std::optional<std::int64_t> at = minuteFromDiscovery(foundAt, hours);
    if (!at)
        return momentText(foundAt, hours, withDay);
    const QString text = minuteClock(*at);
    const auto day = static_cast<std::int64_t>(std::floor(double(*at) / kSecondsPerDay));
    //: A time of day and its day: "9:40 AM, the day before".
    return withDay && day != 0 ? HenssgeWords::tr("%1, %2").arg(text, dayWords(day)) : text;
}

// The curve from 98.96 °F at its most likely time of death, with its limits,
// through the reading. Its time is given to the minute, with its day, as the
// window gives it.
QString nomogramInWords(const NomogramLook &nomogram, ClockTime foundAt, const MethodResult &result)
{
    const std::optional<std::int64_t> minute = minuteFromDiscovery(foundAt, result.curveFrom());
    const QString died =
        minute ? minuteWithDay(*minute) : momentText(foundAt, result.curveFrom(), true);
    const QString limits = limitsOf(result.spreadHours);
    //: %5 the method ("Henssge's nomogram"), %6 how its curve is drawn ("dashed line"), %1
    //: the temperature at death, %2 the time of death, %3 its limits, %4 the reading.
    return HenssgeWords::tr("%5, %6: from %1 at about %2 (%3) to %4, when the body was found.")
        .arg(startDegrees(result.startTemperature), died, limits,
             readingText(foundAt, result.readings.at(0), false), nomogram.name, nomogram.line);
}

// Where a range typed was cut to what the nomogram accepts as an entry: the
// sentence never shows a range other than the one evaluated without a word.
QString cutWords(RangeCut cut, const QString &least, const QString &most)
{
    // Set off from the value it follows.
    if (cut.below && cut.above)
        return ' ' +
               HenssgeWords::tr("(cut to %1 to %2, what the nomogram accepts)").arg(least, most);
    if (cut.below)
        return ' ' + HenssgeWords::tr("(cut at %1, the least the nomogram accepts)").arg(least);
    if (cut.above)
        return ' ' + HenssgeWords::tr("(cut at %1, the most the nomogram accepts)").arg(most);
    return QString();
}

// "With the room at 60 ± 1.8 °F, the mass at 70 ± 3 kg and the factor at
// 1.0 ± 0.1", each range cut to what the nomogram accepts saying so.
QString prudentRanges(const Uncertain &room, const UncertainMass &mass, const Uncertain &factor)
{
    const auto pm = [](const QString &value, const QString &uncertainty, const QString &unit) {
        const QString text = uncertainty.isEmpty() ? value : plusMinus(value, uncertainty);
        return unit.isEmpty() ? text : text + ' ' + unit;
    };
    const QString unit = mass.mass.pounds ? QStringLiteral("lb") : QStringLiteral("kg");
    const QString kg = QStringLiteral(" kg");
    //: %1, %3 and %5 the room, mass and factor with their ± ("60 ± 1.8 °F"); %2, %4 and %6
    //: say where a range was cut, each beginning with a space, or are empty.
    return HenssgeWords::tr("With the room at %1%2, the mass at %3%4 and the factor at %5%6")
        .arg(pm(typedTemperature(room.value), shownDegreesTyped(room.plusMinus), degreeUnit()),
             room.cut.below ? ' ' + HenssgeWords::tr("(cut at absolute zero, %1)")
                                        .arg(typedDegrees(kAbsoluteZeroFahrenheit))
                            : QString(),
             pm(typedNumber(mass.mass.value), mass.plusMinus, unit),
             cutWords(mass.cut, typedNumber(kHenssgeMinMassKg) + kg,
                      typedNumber(kHenssgeMaxMassKg) + kg),
             pm(factorText(factor.value), factor.plusMinus, QString()),
             cutWords(factor.cut, factorText(kHenssgeMinFactor), factorText(kHenssgeMaxFactor)));
}

} // namespace

QString qText(double q)
{
    const int magnitude = q > 0 ? static_cast<int>(std::floor(std::log10(q))) : 0;
    return numberWithDecimals(q, std::clamp(3 - magnitude, 1, 330));
}

MethodRecord nomogramRecord(const NomogramLook &nomogram, ClockTime foundAt,
                            const QList<CaseEntry> &entries, const MethodResult &result,
                            const QString &sentence, const QStringList &notes)
{
    MethodRecord record{nomogram.key,
                        nomogram.name,
                        entries,
                        result,
                        clockTimeAfter(foundAt, result.curveFrom()).value_or(foundAt),
                        sentence,
                        notes};
    record.look = nomogram.look;
    record.namedAlone = true;
    // Its limits are a few hours at most, and the death cannot come after
    // the reading, taken when the body was found.
    record.intervalInView = true;
    record.intervalEndsAtDiscovery = true;
    record.deathLabel = [result, label = nomogram.label](ClockTime at, bool withDay, bool) {
        //: The label at the time of death on the curve: "Henssge: died 9:40 AM (±2.8 h)".
        return HenssgeWords::tr("%3: died %1 (%2)")
            .arg(henssgeMoment(at, result.curveFrom(), withDay),
                 result.spreadHours ? tenthsOfHours(*result.spreadHours)
                                    //: %1 is "95 %".
                                    : HenssgeWords::tr("no %1 limits").arg(percent(95)),
                 label);
    };
    record.inWords = [result, nomogram](ClockTime at, bool, bool) {
        return nomogramInWords(nomogram, at, result);
    };
    SheetSection section{nomogram.sheetHeading};
    for (const CaseEntry &entry : entries)
        section.rows.append({labelOf(entry.label),
                             entry.unit.isEmpty() ? entry.typed : entry.typed + ' ' + entry.unit});
    section.paragraphs = QStringList{sentence} + notes;
    record.sheet = {section};
    if (result.spreadHours && std::isfinite(*result.spreadHours)) {
        record.distribution = normalFromLimit(result.hoursSinceDeath, *result.spreadHours);
        record.weighed = MethodRecord::Weighed{
            {result.hoursSinceDeath + *result.spreadHours,
             result.hoursSinceDeath - *result.spreadHours},
            //: What set an end of the combined interval: "the nomogram's 95 % limit".
            HenssgeWords::tr("the %1's %2 limit").arg(nomogram.tag, percent(95)),
            HenssgeWords::tr("the %1's %2 limit").arg(nomogram.tagAmongOthers, percent(95)),
            //: A line of evidence begins: "Henssge's nomogram, 95 % limits ±2.8 h".
            HenssgeWords::tr("%1, %2").arg(nomogram.name, limitsOf(result.spreadHours)),
            nomogram.tag,
            nomogram.tagAmongOthers};
    } else {
        record.notWeighed = nomogram.notWeighed;
    }
    return record;
}

MethodRecord henssgeRecord(ClockTime foundAt, const QList<CaseEntry> &entries,
                           const MethodResult &result, const QString &sentence,
                           const QStringList &notes,
                           const std::optional<HoursBeforeDiscovery> &prudent)
{
    const NomogramLook rectal{
        kHenssgeKey,
        HenssgeWords::tr("Henssge's nomogram"),
        //: The label at its time of death on the curve: "Henssge: died 9:40 AM".
        HenssgeWords::tr("Henssge"),
        //: How the curve is drawn, named in the curve's summary.
        HenssgeWords::tr("dashed line"),
        //: The heading of its section on the case sheet.
        HenssgeWords::tr("Henssge nomogram"),
        {Qt::DashLine, false, Qt::BDiagPattern, CurveLook::Mark::Square},
        //: Names the method in a combination of evidence: "the nomogram's 95 % limit".
        HenssgeWords::tr("nomogram"),
        //: As "nomogram", where the brain nomogram is weighed too.
        HenssgeWords::tr("rectal nomogram"),
        HenssgeWords::tr("Henssge's nomogram took no part: no %1 limits are published for its "
                         "estimate, so it states no interval to weigh.")
            .arg(percent(95))};
    MethodRecord record = nomogramRecord(rectal, foundAt, entries, result, sentence, notes);
    // The interval the window states is the one weighed, even where the
    // exact estimate alone has no published limits.
    record.prudent = prudent;
    if (prudent) {
        record.weighed = MethodRecord::Weighed{
            *prudent,
            HenssgeWords::tr("the nomogram's prudent limit"),
            HenssgeWords::tr("the rectal nomogram's prudent limit"),
            HenssgeWords::tr("Henssge's nomogram, prudent interval over the uncertain entries"),
            rectal.tag,
            rectal.tagAmongOthers};
        record.notWeighed.clear();
    }
    return record;
}

const QList<HenssgeCondition> &henssgeConditions()
{
    static const QList<HenssgeCondition> rows{
        {QStringLiteral("dry-naked-moving-air"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Dry, naked, moving air"), 0.75},
        {QStringLiteral("dry-thin-layers-moving-air"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Dry, 1\u2013"
                                           "2 thin layers, moving air"),
         0.9},
        {QStringLiteral("dry-naked-still-air"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Dry, naked, still air"), 1.0},
        {QStringLiteral("dry-thin-layers-still-air"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Dry, 1\u2013"
                                           "2 thin layers, still air"),
         1.1},
        {QStringLiteral("dry-2-3-thin-layers"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Dry, 2\u2013"
                                           "3 thin layers"),
         1.2},
        {QStringLiteral("dry-thicker-layers"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Dry, 1\u2013"
                                           "2 thicker layers"),
         1.2},
        {QStringLiteral("dry-3-4-thin-layers"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Dry, 3\u2013"
                                           "4 thin layers"),
         1.3},
        {QStringLiteral("dry-more-layers"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Dry, more thin or thick layers"), 1.4, 1.8},
        {QStringLiteral("dry-thick-bedspread"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Dry, thick bedspread and clothing"), 2.4},
        {QStringLiteral("dry-excessive-covering"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Dry, excessive covering"), 2.8},
        {QStringLiteral("wet-naked-flowing-water"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Wet, naked, flowing water"), 0.35},
        {QStringLiteral("wet-naked-still-water"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Wet, naked, still water"), 0.5},
        {QStringLiteral("wet-naked-moving-air"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Wet, naked, moving air"), 0.7},
        {QStringLiteral("wet-thin-layers-moving-air"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Wet, 1\u2013"
                                           "2 thin layers, moving air"),
         0.7},
        {QStringLiteral("wet-thick-layers-moving-air"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Wet, 2 or more thick layers, moving air"), 0.9},
        {QStringLiteral("wet-thicker-layers-still-air"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Wet, 2 thicker layers, still air"), 1.1},
        {QStringLiteral("wet-more-layers-still-air"),
         QT_TRANSLATE_NOOP("HenssgeWords", "Wet, more than 2 layers, still air"), 1.2},
    };
    return rows;
}

QString factorText(double factor)
{
    return numberWithDecimals(factor, std::max(1, decimalsOf(factor)));
}

QString conditionIdAt(qsizetype row)
{
    return row >= 0 && row < henssgeConditions().size() ? henssgeConditions().at(row).id
                                                        : kOtherConditionId;
}

qsizetype conditionRow(const QString &id)
{
    const QList<HenssgeCondition> &rows = henssgeConditions();
    for (qsizetype row = 0; row < rows.size(); ++row)
        if (rows.at(row).id == id)
            return row;
    return rows.size();
}

QString conditionShown(const QString &id)
{
    const qsizetype row = conditionRow(id);
    return row < henssgeConditions().size() ? conditionItem(henssgeConditions().at(row))
                                            : otherConditionItem();
}

QString otherConditionItem()
{
    //: The last row of the list of conditions, for a factor of the user's own.
    return HenssgeWords::tr("Other\u2026");
}

QString conditionItem(const HenssgeCondition &condition)
{
    //: A range of corrective factors: "1.4 to 1.8".
    const QString factor = condition.upTo > 0
                               ? HenssgeWords::tr("%1 to %2")
                                     .arg(factorText(condition.factor), factorText(condition.upTo))
                               : factorText(condition.factor);
    //: A condition of the body and its corrective factor: "Dry, naked, still air: 1.0".
    return HenssgeWords::tr("%1: %2").arg(HenssgeWords::tr(condition.name), factor);
}

bool conditionHasFactor(const HenssgeCondition &condition, double factor)
{
    if (condition.upTo > 0)
        return factor >= condition.factor && factor <= condition.upTo;
    return factor == condition.factor;
}

double TypedMass::kilograms() const
{
    return pounds ? poundsToKilograms(value) : value;
}

QString TypedMass::text() const
{
    return typedNumber(value) + (pounds ? QStringLiteral(" lb") : QStringLiteral(" kg"));
}

QString henssgeSentence(ClockTime foundAt, const HenssgeEstimate &estimate)
{
    //: In brackets after the estimate; %1 is "95 %".
    return nomogramSentence(
        foundAt, estimate.hoursSinceDeath, estimate.limitHours,
        HenssgeWords::tr("the method gives no %1 limits here").arg(percent(95)));
}

QString nomogramSentence(ClockTime foundAt, double t, std::optional<double> limitHours,
                         const QString &noLimits)
{
    // The reading was taken when the body was found: no time after it, to
    // the minute, can be the time of death.
    const std::int64_t reading = foundAt.seconds / 60 * 60;
    const auto at = [&](double hours) {
        return std::min(minuteFromDiscovery(foundAt, std::min(hours, 0.0)).value_or(reading),
                        reading);
    };
    const std::int64_t likely = at(-t);
    // Under half a minute there is no span to name.
    //: The estimate, beginning a sentence.
    const QString about =
        t * 60.0 < 0.5 ? HenssgeWords::tr("At the time of the reading")
                       : HenssgeWords::tr("About %1 before the body was found").arg(spanWords(t));
    //: %1 "About 14 h 20 min before the body was found"; %2 why there are no limits; %3 the
    //: most likely time of death; %4 its day ("the day before discovery").
    if (!limitHours)
        return HenssgeWords::tr("%1 (%2): died most likely about %3 %4.")
            .arg(about, noLimits, minuteClock(likely), discoveryDayWords(likely));
    const double limit = *limitHours;
    const std::int64_t earliest = at(-t - limit);
    const std::int64_t latest = at(-t + limit);
    const std::int64_t day = discoveryDay(likely);
    //: %1 "About 14 h 20 min before the body was found"; %2 "95 %"; %3 the limit ("±2.8 h");
    //: %4 and %5 the earliest and latest time of death, %6 their day; %7 the most likely time.
    if (discoveryDay(earliest) == day && discoveryDay(latest) == day)
        return HenssgeWords::tr("%1 (%2 limits %3): died between %4 and %5 %6, most likely about "
                                "%7.")
            .arg(about, percent(95), tenthsOfHours(limit), minuteClock(earliest),
                 minuteClock(latest), discoveryDayWords(likely), minuteClock(likely));
    //: As the sentence before it, each time with its day.
    return HenssgeWords::tr("%1 (%2 limits %3): died between %4 and %5, most likely about %6.")
        .arg(about, percent(95), tenthsOfHours(limit), minuteWithDay(earliest),
             minuteWithDay(latest), minuteWithDay(likely));
}

QString henssgePrudentSentence(ClockTime foundAt, const std::optional<PrudentInterval> &interval,
                               const Uncertain &room, const UncertainMass &mass,
                               const Uncertain &factor)
{
    const QString ranges = prudentRanges(room, mass, factor);
    //: %1 "With the room at 60 ± 1.8 °F, the mass at … and the factor at …"; %2 "95 %".
    if (!interval)
        return HenssgeWords::tr("%1, the method publishes no %2 limits anywhere in these ranges: "
                                "no prudent interval can be given.")
            .arg(ranges, percent(95));
    const std::int64_t reading = foundAt.seconds / 60 * 60;
    const auto at = [&](double hours) {
        return std::min(minuteFromDiscovery(foundAt, -hours).value_or(reading), reading);
    };
    const std::int64_t latest = at(interval->latestHours);
    const QString latestSpan = spanWords(std::max(interval->latestHours, 0.0));
    QString text;
    if (interval->earliestOpen) {
        //: %1 the ranges, as above; %2 a span ("8 h 26 min"); %3 the latest time of death
        //: with its day ("3:34 PM the day before discovery").
        text = HenssgeWords::tr("%1, part of these ranges lies beyond the nomogram, where the "
                                "body would not cool: the prudent interval has no earliest end. "
                                "Died no later than %2 before the body was found, %3.")
                   .arg(ranges, latestSpan, minuteWithDay(latest));
    } else {
        const std::int64_t earliest = at(interval->earliestHours);
        //: Two times of death and their day: "2:19 AM and 3:34 PM the day before discovery".
        const QString between =
            discoveryDay(earliest) == discoveryDay(latest)
                ? HenssgeWords::tr("%1 and %2 %3")
                      .arg(minuteClock(earliest), minuteClock(latest), discoveryDayWords(latest))
                //: Two times of death, each with its day.
                : HenssgeWords::tr("%1 and %2").arg(minuteWithDay(earliest), minuteWithDay(latest));
        //: %1 the ranges, as above; %2 and %3 the interval's ends as spans before discovery
        //: ("8 h 26 min"); %4 the two times of death.
        text = HenssgeWords::tr("%1, the prudent interval is %2 to %3 before the body was found: "
                                "died between %4.")
                   .arg(ranges, latestSpan, spanWords(interval->earliestHours), between);
    }
    if (interval->somewhereWithoutLimits)
        //: %1 "95 %".
        text += ' ' + HenssgeWords::tr("Part of the range has no published %1 limits: there the "
                                       "estimate itself was taken as both.")
                          .arg(percent(95));
    return text;
}

QString henssgeDetail(const HenssgeEstimate &estimate, const TypedMass &mass, bool factorAsGiven,
                      std::optional<double> hoursAsChosen)
{
    const bool warm = estimate.formula == HenssgeFormula::Above23_2;
    const QString formula = warm ? QStringLiteral("Q = %1 exp(Bt) \u2212 %2 exp(%3Bt)")
                                       .arg(typedNumber(1.11), typedNumber(0.11), typedNumber(10))
                                 : QStringLiteral("Q = %1 exp(Bt) \u2212 %2 exp(%3Bt)")
                                       .arg(typedNumber(1.25), typedNumber(0.25), typedNumber(5));
    const QString room = degreesCelsius(typedNumber(kHenssgeWarmRoomAbove));
    //: %1 the value of Q; %2 a room temperature ("23.2 °C"); %3 the formula.
    QStringList sentences{(warm ? HenssgeWords::tr("Q = %1; room above %2, so %3.")
                                : HenssgeWords::tr("Q = %1; room up to %2, so %3."))
                              .arg(qText(estimate.q), room, leftToRight(formula))};
    const QString limit = factorText(1.4);
    if (estimate.adjustedForMass) {
        //: %1 the factor chosen for a body of %4 kg; %2 the factor used for this body's mass %3.
        sentences << HenssgeWords::tr("Factor %1 chosen for %4 kg, used as %2 for %3.")
                         .arg(factorText(estimate.factorChosen), usedFactorText(estimate),
                              mass.text(), typedNumber(70));
        // What the mass rule did to the time, so that a heavier covering
        // giving a shorter time is seen, not hidden.
        if (hoursAsChosen)
            //: %1 the factor chosen; %2 a span ("14 h 20 min").
            sentences << HenssgeWords::tr("With %1 as chosen the estimate would be %2.")
                             .arg(factorText(estimate.factorChosen), spanWords(*hoursAsChosen));
    } else if (factorAsGiven) {
        sentences << HenssgeWords::tr("Factor %1 as given, already for this body's mass.")
                         .arg(usedFactorText(estimate));
    } else if (estimate.factorChosen < 1.4) {
        sentences << HenssgeWords::tr("Factor %1 as chosen: below %2 it is used for any mass.")
                         .arg(usedFactorText(estimate), limit);
    } else {
        sentences << HenssgeWords::tr("Factor %1 as chosen, for a body of %2 kg.")
                         .arg(usedFactorText(estimate), typedNumber(70));
    }
    return sentences.join(' ') + ' ' + ruleWords(estimate.limitRule);
}

QString henssgeCheck(ClockTime foundAt, double hoursAfterFirst, std::optional<double> expected,
                     double measured, const HenssgeEstimate &estimate, const TypedMass &mass)
{
    const std::optional<std::int64_t> at = minuteFromDiscovery(foundAt, hoursAfterFirst);
    const QString when = at ? momentWithDay(*at) : momentText(foundAt, hoursAfterFirst, true);
    if (!expected)
        return HenssgeWords::tr("The second reading, at %1, comes before the death the method "
                                "gives: the method cannot check it.")
            .arg(when);
    const double off = measured - *expected;
    // A hair over the bound in binary still agrees.
    const bool agrees = std::fabs(off) <= kAgreesWithin + 1e-9;
    // As many decimals as it takes for the difference to show on which side
    // of the thermometer's error it lies.
    int decimals = std::max(2, decimalsOf(measured));
    while (decimals < 6 &&
           std::round(std::fabs(off) * std::pow(10, decimals)) ==
               std::round(kAgreesWithin * std::pow(10, decimals)) &&
           !agrees)
        ++decimals;
    // In °C the difference takes a decimal more (0.2 °F is 0.11 °C), and so
    // does what is expected, so that the two read as one subtraction.
    const QString expects = shownDegrees(
        *expected, shownTemperatureUnit() == TemperatureUnit::Celsius ? decimals + 1 : decimals);
    const QString difference = shownDifference(std::fabs(off), decimals);
    const QString measuredText = typedDegrees(measured);
    QString text;
    //: %1 the time of the second reading; %2 the temperature the method expects; %3 the one
    //: measured.
    if (std::round(std::fabs(off) * std::pow(10, decimals)) == 0)
        text = HenssgeWords::tr("At %1 the method expects %2; %3 was measured")
                   .arg(when, expects, measuredText);
    //: As above; %4 how far apart the two temperatures are.
    else if (off < 0)
        text = HenssgeWords::tr("At %1 the method expects %2; %3 was measured, %4 lower")
                   .arg(when, expects, measuredText, difference);
    else
        text = HenssgeWords::tr("At %1 the method expects %2; %3 was measured, %4 higher")
                   .arg(when, expects, measuredText, difference);
    const QString error = shownDifference(kAgreesWithin, decimalsOf(kAgreesWithin));
    //: %1 what was expected and measured, as above; %2 a thermometer's error ("0.2 °F").
    if (agrees)
        return HenssgeWords::tr("%1: within the %2 a thermometer's error allows.").arg(text, error);
    //: %1 and %2 as above; %3 the body's mass ("70 kg"); %4 the factor used.
    return (off < 0 ? HenssgeWords::tr("%1: more than the %2 a thermometer's error allows; the "
                                       "body cooled faster than the method expects for %3 with "
                                       "factor %4.")
                    : HenssgeWords::tr("%1: more than the %2 a thermometer's error allows; the "
                                       "body cooled more slowly than the method expects for %3 "
                                       "with factor %4."))
        .arg(text, error, mass.text(), usedFactorText(estimate));
}

QString henssgeReadingRange()
{
    const QString fahrenheit = degreesFahrenheit(typedNumber(kHenssgeStartFahrenheit));
    const QString celsius = degreesCelsius(typedNumber(kHenssgeStartCelsius));
    //: The readings Henssge's nomograms take: "up to 98.96 °F (37.2 °C)"; the case's unit first.
    const QString range = HenssgeWords::tr("up to %1 (%2)");
    return shownTemperatureUnit() == TemperatureUnit::Celsius ? range.arg(celsius, fahrenheit)
                                                              : range.arg(fahrenheit, celsius);
}

QString readingsLine(ClockTime foundAt, double roomFahrenheit, double bodyFahrenheit)
{
    //: The time the body was found, then the room's and the body's temperatures.
    return HenssgeWords::tr("Read from the main window: found at %1; room %2; body %3.")
        .arg(clockText(foundAt), fahrenheitAndCelsius(roomFahrenheit),
             fahrenheitAndCelsius(bodyFahrenheit));
}

} // namespace quorrel::ui
