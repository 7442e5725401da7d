#include "henssgetext.h"

#include "curve.h"
#include "curvetext.h"
#include "wording.h"

#include <algorithm>
#include <cmath>

namespace quorrel::ui
{
namespace
{

// A second reading this close to what the method expects agrees with it.
constexpr double kAgreesWithin = 0.2; // °F

// "95 % limits": the method's own, in the locale's digits as every other
// number.
QString limitsWords()
{
    return percent(95) + QStringLiteral(" limits");
}

// "±2.8 h: the band 1 ≥ Q > 0.5, with any factor", every number as the
// locale writes it.
QString ruleWords(HenssgeLimitRule rule)
{
    const auto band = [](double limit, double upper, double lower, const QString &factor) {
        return QStringLiteral("%5 %1: the band %2 \u2265 Q > %3, %4.")
            .arg(tenthsOfHours(limit), typedNumber(upper), typedNumber(lower), factor,
                 limitsWords());
    };
    const QString anyFactor = QStringLiteral("with any factor");
    const QString one = QStringLiteral("with factor ") + numberWithDecimals(1.0, 1);
    const QString other = QStringLiteral("with a factor other than ") + numberWithDecimals(1.0, 1);
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
        return QStringLiteral("No %2: none are published for Q \u2264 %1.")
            .arg(typedNumber(0.2), limitsWords());
    case HenssgeLimitRule::NoneWarmRoomBelow:
        return QStringLiteral("No %3: above %1 they are published only for Q > %2.")
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
    const QString day = discoveryDayWords(at);
    return minuteClock(at) + (discoveryDayWords(0) == day ? QString() : ' ' + day);
}

// Henssge's time of death to the minute, as its sentence gives it, with the
// day where asked: "9:40 AM, the day before".
QString henssgeMoment(ClockTime foundAt, double hours, bool withDay)
{
    const std::optional<std::int64_t> at = minuteFromDiscovery(foundAt, hours);
    if (!at)
        return momentText(foundAt, hours, withDay);
    QString text = minuteClock(*at);
    const auto day = static_cast<std::int64_t>(std::floor(double(*at) / kSecondsPerDay));
    if (withDay && day != 0)
        text += QStringLiteral(", ") + dayWords(day);
    return text;
}

// The curve from 98.96 °F at its most likely time of death, with its limits,
// through the reading. Its time is given to the minute, with its day, as the
// window gives it.
QString nomogramInWords(const NomogramLook &nomogram, ClockTime foundAt, const MethodResult &result)
{
    const std::optional<std::int64_t> minute = minuteFromDiscovery(foundAt, result.curveFrom());
    const QString died = minute ? minuteClock(*minute) + ' ' + discoveryDayWords(*minute)
                                : momentText(foundAt, result.curveFrom(), true);
    const QString limits = result.spreadHours
                               ? limitsWords() + ' ' + tenthsOfHours(*result.spreadHours)
                               : QStringLiteral("no ") + limitsWords();
    return QStringLiteral("%5, %6: from %1 at about %2 (%3) to %4, when the body was found.")
        .arg(typedDegrees(result.startTemperature), died, limits,
             readingText(foundAt, result.readings.at(0), false), nomogram.name, nomogram.line);
}

// Where a range typed was cut to what the nomogram accepts as an entry: the
// sentence never shows a range other than the one evaluated without a word.
QString cutWords(RangeCut cut, const QString &least, const QString &most)
{
    if (cut.below && cut.above)
        return QStringLiteral(" (cut to %1 to %2, what the nomogram accepts)").arg(least, most);
    if (cut.below)
        return QStringLiteral(" (cut at %1, the least the nomogram accepts)").arg(least);
    if (cut.above)
        return QStringLiteral(" (cut at %1, the most the nomogram accepts)").arg(most);
    return QString();
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
        return QStringLiteral("%3: died %1 (%2)")
            .arg(henssgeMoment(at, result.curveFrom(), withDay),
                 result.spreadHours ? tenthsOfHours(*result.spreadHours)
                                    : QStringLiteral("no ") + limitsWords(),
                 label);
    };
    record.inWords = [result, nomogram](ClockTime at, bool, bool) {
        return nomogramInWords(nomogram, at, result);
    };
    SheetSection section{nomogram.sheetHeading};
    for (const CaseEntry &entry : entries)
        section.rows.append({entry.label + ':',
                             entry.unit.isEmpty() ? entry.typed : entry.typed + ' ' + entry.unit});
    section.paragraphs = QStringList{sentence} + notes;
    record.sheet = {section};
    if (result.spreadHours && std::isfinite(*result.spreadHours)) {
        record.distribution = normalFromLimit(result.hoursSinceDeath, *result.spreadHours);
        record.weighed = MethodRecord::Weighed{
            {result.hoursSinceDeath + *result.spreadHours,
             result.hoursSinceDeath - *result.spreadHours},
            QStringLiteral("the %1's %2 limit").arg(nomogram.tag, percent(95)),
            QStringLiteral("the %1's %2 limit").arg(nomogram.tagAmongOthers, percent(95)),
            QStringLiteral("%1, %2 ").arg(nomogram.name, limitsWords()) +
                tenthsOfHours(*result.spreadHours),
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
        QStringLiteral("Henssge's nomogram"),
        QStringLiteral("Henssge"),
        QStringLiteral("dashed line"),
        QStringLiteral("Henssge nomogram"),
        {Qt::DashLine, false, Qt::BDiagPattern, CurveLook::Mark::Square},
        QStringLiteral("nomogram"),
        QStringLiteral("rectal nomogram"),
        QStringLiteral("Henssge's nomogram took no part: no %1 limits are published for its "
                       "estimate, so it states no interval to weigh.")
            .arg(percent(95))};
    MethodRecord record = nomogramRecord(rectal, foundAt, entries, result, sentence, notes);
    // The interval the window states is the one weighed, even where the
    // exact estimate alone has no published limits.
    record.prudent = prudent;
    if (prudent) {
        record.weighed = MethodRecord::Weighed{
            *prudent,
            QStringLiteral("the nomogram's prudent limit"),
            QStringLiteral("the rectal nomogram's prudent limit"),
            QStringLiteral("Henssge's nomogram, prudent interval over the uncertain entries"),
            rectal.tag,
            rectal.tagAmongOthers};
        record.notWeighed.clear();
    }
    return record;
}

const QList<HenssgeCondition> &henssgeConditions()
{
    static const QList<HenssgeCondition> rows{
        {QStringLiteral("dry-naked-moving-air"), QStringLiteral("Dry, naked, moving air"), 0.75},
        {QStringLiteral("dry-thin-layers-moving-air"),
         QStringLiteral("Dry, 1\u20132 thin layers, moving air"), 0.9},
        {QStringLiteral("dry-naked-still-air"), QStringLiteral("Dry, naked, still air"), 1.0},
        {QStringLiteral("dry-thin-layers-still-air"),
         QStringLiteral("Dry, 1\u20132 thin layers, still air"), 1.1},
        {QStringLiteral("dry-2-3-thin-layers"), QStringLiteral("Dry, 2\u20133 thin layers"), 1.2},
        {QStringLiteral("dry-thicker-layers"), QStringLiteral("Dry, 1\u20132 thicker layers"), 1.2},
        {QStringLiteral("dry-3-4-thin-layers"), QStringLiteral("Dry, 3\u20134 thin layers"), 1.3},
        {QStringLiteral("dry-more-layers"), QStringLiteral("Dry, more thin or thick layers"), 1.4,
         1.8},
        {QStringLiteral("dry-thick-bedspread"), QStringLiteral("Dry, thick bedspread and clothing"),
         2.4},
        {QStringLiteral("dry-excessive-covering"), QStringLiteral("Dry, excessive covering"), 2.8},
        {QStringLiteral("wet-naked-flowing-water"), QStringLiteral("Wet, naked, flowing water"),
         0.35},
        {QStringLiteral("wet-naked-still-water"), QStringLiteral("Wet, naked, still water"), 0.5},
        {QStringLiteral("wet-naked-moving-air"), QStringLiteral("Wet, naked, moving air"), 0.7},
        {QStringLiteral("wet-thin-layers-moving-air"),
         QStringLiteral("Wet, 1\u20132 thin layers, moving air"), 0.7},
        {QStringLiteral("wet-thick-layers-moving-air"),
         QStringLiteral("Wet, 2 or more thick layers, moving air"), 0.9},
        {QStringLiteral("wet-thicker-layers-still-air"),
         QStringLiteral("Wet, 2 thicker layers, still air"), 1.1},
        {QStringLiteral("wet-more-layers-still-air"),
         QStringLiteral("Wet, more than 2 layers, still air"), 1.2},
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
                                            : kOtherCondition;
}

QString conditionItem(const HenssgeCondition &condition)
{
    QString factor = factorText(condition.factor);
    if (condition.upTo > 0)
        factor += QStringLiteral(" to ") + factorText(condition.upTo);
    return condition.name + QStringLiteral(": ") + factor;
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
    return nomogramSentence(foundAt, estimate.hoursSinceDeath, estimate.limitHours,
                            QStringLiteral("the method gives no %1 here").arg(limitsWords()));
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
    const QString about =
        t * 60.0 < 0.5 ? QStringLiteral("At the time of the reading")
                       : QStringLiteral("About %1 before the body was found").arg(spanWords(t));
    if (!limitHours)
        return about + QStringLiteral(" (%3): died most likely about %1 %2.")
                           .arg(minuteClock(likely), discoveryDayWords(likely), noLimits);
    const double limit = *limitHours;
    const std::int64_t earliest = at(-t - limit);
    const std::int64_t latest = at(-t + limit);
    const QString head =
        about + QStringLiteral(" (%1 %2): died between ").arg(limitsWords(), tenthsOfHours(limit));
    const QString day = discoveryDayWords(likely);
    if (discoveryDayWords(earliest) == day && discoveryDayWords(latest) == day)
        return head +
               QStringLiteral("%1 and %2 %3, most likely about %4.")
                   .arg(minuteClock(earliest), minuteClock(latest), day, minuteClock(likely));
    return head + QStringLiteral("%1 %2 and %3 %4, most likely about %5 %6.")
                      .arg(minuteClock(earliest), discoveryDayWords(earliest), minuteClock(latest),
                           discoveryDayWords(latest), minuteClock(likely), day);
}

QString henssgePrudentSentence(ClockTime foundAt, const std::optional<PrudentInterval> &interval,
                               const Uncertain &room, const UncertainMass &mass,
                               const Uncertain &factor)
{
    const auto pm = [](const QString &value, const QString &uncertainty, const QString &unit) {
        const QString text = uncertainty.isEmpty() ? value : plusMinus(value, uncertainty);
        return unit.isEmpty() ? text : text + ' ' + unit;
    };
    const QString unit = mass.mass.pounds ? QStringLiteral("lb") : QStringLiteral("kg");
    const QString kg = QStringLiteral(" kg");
    const QString ranges =
        QStringLiteral("With the room at %1%2, the mass at %3%4 and the factor at %5%6, ")
            .arg(
                pm(typedNumber(room.value), room.plusMinus, kDegreeSign + 'F'),
                room.cut.below ? QStringLiteral(" (cut at absolute zero, %1)")
                                     .arg(typedDegrees(kAbsoluteZeroFahrenheit))
                               : QString(),
                pm(typedNumber(mass.mass.value), mass.plusMinus, unit),
                cutWords(mass.cut, typedNumber(kHenssgeMinMassKg) + kg,
                         typedNumber(kHenssgeMaxMassKg) + kg),
                pm(factorText(factor.value), factor.plusMinus, QString()),
                cutWords(factor.cut, factorText(kHenssgeMinFactor), factorText(kHenssgeMaxFactor)));
    if (!interval)
        return ranges + QStringLiteral("the method publishes no %1 anywhere in these "
                                       "ranges: no prudent interval can be given.")
                            .arg(limitsWords());
    const std::int64_t reading = foundAt.seconds / 60 * 60;
    const auto at = [&](double hours) {
        return std::min(minuteFromDiscovery(foundAt, -hours).value_or(reading), reading);
    };
    const std::int64_t latest = at(interval->latestHours);
    QString text;
    if (interval->earliestOpen) {
        text = ranges + QStringLiteral("part of these ranges lies beyond the nomogram, where the "
                                       "body would not cool: the prudent interval has no earliest "
                                       "end. Died no later than %1 before the body was found, %2 "
                                       "%3.")
                            .arg(spanWords(std::max(interval->latestHours, 0.0)),
                                 minuteClock(latest), discoveryDayWords(latest));
    } else {
        const std::int64_t earliest = at(interval->earliestHours);
        const QString between =
            discoveryDayWords(earliest) == discoveryDayWords(latest)
                ? QStringLiteral("%1 and %2 %3")
                      .arg(minuteClock(earliest), minuteClock(latest), discoveryDayWords(latest))
                : QStringLiteral("%1 %2 and %3 %4")
                      .arg(minuteClock(earliest), discoveryDayWords(earliest), minuteClock(latest),
                           discoveryDayWords(latest));
        text = ranges + QStringLiteral("the prudent interval is %1 to %2 before the body was "
                                       "found: died between %3.")
                            .arg(spanWords(std::max(interval->latestHours, 0.0)),
                                 spanWords(interval->earliestHours), between);
    }
    if (interval->somewhereWithoutLimits)
        text += QStringLiteral(" Part of the range has no published %1: there the "
                               "estimate itself was taken as both.")
                    .arg(limitsWords());
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
    QString text =
        QStringLiteral("Q = %1; room %2 %3, so %4. ")
            .arg(qText(estimate.q), warm ? QStringLiteral("above") : QStringLiteral("up to"),
                 degreesCelsius(typedNumber(kHenssgeWarmRoomAbove)), leftToRight(formula));
    const QString limit = factorText(1.4);
    if (estimate.adjustedForMass) {
        text += QStringLiteral("Factor %1 chosen for %4 kg, used as %2 for %3.")
                    .arg(factorText(estimate.factorChosen), usedFactorText(estimate), mass.text(),
                         typedNumber(70));
        // What the mass rule did to the time, so that a heavier covering
        // giving a shorter time is seen, not hidden.
        if (hoursAsChosen)
            text += QStringLiteral(" With %1 as chosen the estimate would be %2.")
                        .arg(factorText(estimate.factorChosen), spanWords(*hoursAsChosen));
        text += ' ';
    } else if (factorAsGiven) {
        text += QStringLiteral("Factor %1 as given, already for this body's mass. ")
                    .arg(usedFactorText(estimate));
    } else if (estimate.factorChosen < 1.4) {
        text += QStringLiteral("Factor %1 as chosen: below %2 it is used for any mass. ")
                    .arg(usedFactorText(estimate), limit);
    } else {
        text += QStringLiteral("Factor %1 as chosen, for a body of %2 kg. ")
                    .arg(usedFactorText(estimate), typedNumber(70));
    }
    return text + ruleWords(estimate.limitRule);
}

QString henssgeCheck(ClockTime foundAt, double hoursAfterFirst, std::optional<double> expected,
                     double measured, const HenssgeEstimate &estimate, const TypedMass &mass)
{
    const std::optional<std::int64_t> at = minuteFromDiscovery(foundAt, hoursAfterFirst);
    const QString when = at ? momentWithDay(*at) : momentText(foundAt, hoursAfterFirst, true);
    if (!expected)
        return QStringLiteral("The second reading, at %1, comes before the death the method "
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
    QString text =
        QStringLiteral("At %1 the method expects %2; %3 was measured")
            .arg(when, degrees(numberWithDecimals(*expected, decimals)), typedDegrees(measured));
    if (std::round(std::fabs(off) * std::pow(10, decimals)) != 0)
        text += QStringLiteral(", %1 %2").arg(degrees(numberWithDecimals(std::fabs(off), decimals)),
                                              off < 0 ? QStringLiteral("lower")
                                                      : QStringLiteral("higher"));
    const QString error = typedDegrees(kAgreesWithin);
    if (agrees)
        return text + QStringLiteral(": within the %1 a thermometer's error allows.").arg(error);
    return text + QStringLiteral(": more than the %1 a thermometer's error allows; the body "
                                 "cooled %2 than the method expects for %3 with factor %4.")
                      .arg(error,
                           off < 0 ? QStringLiteral("faster") : QStringLiteral("more slowly"),
                           mass.text(), usedFactorText(estimate));
}

QString henssgeReadingRange()
{
    return QStringLiteral("up to %1 (%2)")
        .arg(typedDegrees(kHenssgeStartFahrenheit),
             degreesCelsius(typedNumber(kHenssgeStartCelsius)));
}

QString readingsLine(ClockTime foundAt, double roomFahrenheit, double bodyFahrenheit)
{
    return QStringLiteral("Read from the main window: found at %1; room %2; body %3.")
        .arg(clockText(foundAt), fahrenheitAndCelsius(roomFahrenheit),
             fahrenheitAndCelsius(bodyFahrenheit));
}

} // namespace quorrel::ui
