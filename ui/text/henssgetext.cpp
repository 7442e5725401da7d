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

QString ruleWords(HenssgeLimitRule rule)
{
    switch (rule) {
    case HenssgeLimitRule::Early:
        return QStringLiteral(
            "95 % limits \u00B12.8 h: the band 1 \u2265 Q > 0.5, with any factor.");
    case HenssgeLimitRule::MiddleNoFactor:
        return QStringLiteral(
            "95 % limits \u00B13.2 h: the band 0.5 \u2265 Q > 0.3, with factor 1.0.");
    case HenssgeLimitRule::MiddleWithFactor:
        return QStringLiteral(
            "95 % limits \u00B14.5 h: the band 0.5 \u2265 Q > 0.3, with a factor other than 1.0.");
    case HenssgeLimitRule::LateNoFactor:
        return QStringLiteral(
            "95 % limits \u00B14.5 h: the band 0.3 \u2265 Q > 0.2, with factor 1.0.");
    case HenssgeLimitRule::LateWithFactor:
        return QStringLiteral(
            "95 % limits \u00B17.0 h: the band 0.3 \u2265 Q > 0.2, with a factor other than 1.0.");
    case HenssgeLimitRule::NoneBelow0_2:
        return QStringLiteral("No 95 % limits: none are published for Q \u2264 0.2.");
    case HenssgeLimitRule::NoneWarmRoomBelow:
        return QStringLiteral("No 95 % limits: above 23.2 \u00B0C they are published only for "
                              "Q > 0.5.");
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
QString henssgeInWords(ClockTime foundAt, const MethodResult &result)
{
    const std::optional<std::int64_t> minute = minuteFromDiscovery(foundAt, result.curveFrom());
    const QString died = minute ? minuteClock(*minute) + ' ' + discoveryDayWords(*minute)
                                : momentText(foundAt, result.curveFrom(), true);
    const QString limits = result.spreadHours
                               ? QStringLiteral("95 % limits ") + tenthsOfHours(*result.spreadHours)
                               : QStringLiteral("no 95 % limits");
    return QStringLiteral("Henssge's nomogram, dashed line: from %1 at about %2 (%3) to %4, when "
                          "the body was found.")
        .arg(typedDegrees(result.startTemperature), died, limits,
             readingText(foundAt, result.readings.at(0), false));
}

} // namespace

MethodRecord henssgeRecord(ClockTime foundAt, const QList<CaseEntry> &entries,
                           const MethodResult &result, const QString &sentence,
                           const QStringList &notes)
{
    MethodRecord record{kHenssgeKey,
                        QStringLiteral("Henssge's nomogram"),
                        entries,
                        result,
                        clockTimeAfter(foundAt, result.curveFrom()).value_or(foundAt),
                        sentence,
                        notes};
    record.look = {Qt::DashLine, false, Qt::BDiagPattern, CurveLook::Mark::Square};
    record.namedAlone = true;
    // Its limits are a few hours at most, and the death cannot come after
    // the reading, taken when the body was found.
    record.intervalInView = true;
    record.intervalEndsAtDiscovery = true;
    record.deathLabel = [result](ClockTime at, bool withDay, bool) {
        return QStringLiteral("Henssge: died %1 (%2)")
            .arg(henssgeMoment(at, result.curveFrom(), withDay),
                 result.spreadHours ? tenthsOfHours(*result.spreadHours)
                                    : QStringLiteral("no 95 % limits"));
    };
    record.inWords = [result](ClockTime at, bool, bool) { return henssgeInWords(at, result); };
    SheetSection section{QStringLiteral("Henssge nomogram")};
    for (const CaseEntry &entry : entries)
        section.rows.append({entry.label + ':',
                             entry.unit.isEmpty() ? entry.typed : entry.typed + ' ' + entry.unit});
    section.paragraphs = QStringList{sentence} + notes;
    record.sheet = {section};
    return record;
}

const QList<HenssgeCondition> &henssgeConditions()
{
    static const QList<HenssgeCondition> rows{
        {QStringLiteral("Dry, naked, moving air"), 0.75},
        {QStringLiteral("Dry, 1\u20132 thin layers, moving air"), 0.9},
        {QStringLiteral("Dry, naked, still air"), 1.0},
        {QStringLiteral("Dry, 1\u20132 thin layers, still air"), 1.1},
        {QStringLiteral("Dry, 2\u20133 thin layers"), 1.2},
        {QStringLiteral("Dry, 1\u20132 thicker layers"), 1.2},
        {QStringLiteral("Dry, 3\u20134 thin layers"), 1.3},
        {QStringLiteral("Dry, more thin or thick layers"), 1.4, 1.8},
        {QStringLiteral("Dry, thick bedspread and clothing"), 2.4},
        {QStringLiteral("Dry, excessive covering"), 2.8},
        {QStringLiteral("Wet, naked, flowing water"), 0.35},
        {QStringLiteral("Wet, naked, still water"), 0.5},
        {QStringLiteral("Wet, naked, moving air"), 0.7},
        {QStringLiteral("Wet, 1\u20132 thin layers, moving air"), 0.7},
        {QStringLiteral("Wet, 2 or more thick layers, moving air"), 0.9},
        {QStringLiteral("Wet, 2 thicker layers, still air"), 1.1},
        {QStringLiteral("Wet, more than 2 layers, still air"), 1.2},
    };
    return rows;
}

QString factorText(double factor)
{
    return numberWithDecimals(factor, std::max(1, decimalsOf(factor)));
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
    const double t = estimate.hoursSinceDeath;
    // The reading was taken when the body was found: no time after it, to
    // the minute, can be the time of death.
    const std::int64_t reading = foundAt.seconds / 60 * 60;
    const auto at = [&](double hours) {
        return std::min(minuteFromDiscovery(foundAt, std::min(hours, 0.0)).value_or(reading),
                        reading);
    };
    const std::int64_t likely = at(-t);
    const QString about = QStringLiteral("About %1 before the body was found").arg(spanWords(t));
    if (!estimate.limitHours)
        return about + QStringLiteral(" (the method gives no 95 % limits here): died most likely "
                                      "about %1 %2.")
                           .arg(minuteClock(likely), discoveryDayWords(likely));
    const double limit = *estimate.limitHours;
    const std::int64_t earliest = at(-t - limit);
    const std::int64_t latest = at(-t + limit);
    const QString head =
        about + QStringLiteral(" (95 % limits %1): died between ").arg(tenthsOfHours(limit));
    const QString day = discoveryDayWords(likely);
    if (discoveryDayWords(earliest) == day && discoveryDayWords(latest) == day)
        return head +
               QStringLiteral("%1 and %2 %3, most likely about %4.")
                   .arg(minuteClock(earliest), minuteClock(latest), day, minuteClock(likely));
    return head + QStringLiteral("%1 %2 and %3 %4, most likely about %5 %6.")
                      .arg(minuteClock(earliest), discoveryDayWords(earliest), minuteClock(latest),
                           discoveryDayWords(latest), minuteClock(likely), day);
}

QString henssgeDetail(const HenssgeEstimate &estimate, const TypedMass &mass)
{
    const bool warm = estimate.formula == HenssgeFormula::Above23_2;
    const QString formula = warm ? QStringLiteral("Q = 1.11 exp(Bt) \u2212 0.11 exp(10Bt)")
                                 : QStringLiteral("Q = 1.25 exp(Bt) \u2212 0.25 exp(5Bt)");
    QString text =
        QStringLiteral("Q = %1; room %2 23.2 \u00B0C, so %3. ")
            .arg(numberWithDecimals(estimate.q, 4),
                 warm ? QStringLiteral("above") : QStringLiteral("up to"), leftToRight(formula));
    if (estimate.adjustedForMass)
        text += QStringLiteral("Factor %1, adjusted for %2 from %3 for 70 kg. ")
                    .arg(usedFactorText(estimate), mass.text(), factorText(estimate.factorChosen));
    else if (estimate.factorChosen < 1.4)
        text += QStringLiteral("Factor %1 as chosen: below 1.4 it is used for any mass. ")
                    .arg(usedFactorText(estimate));
    else
        text += QStringLiteral("Factor %1 as chosen, for a body of 70 kg. ")
                    .arg(usedFactorText(estimate));
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
    const QString text =
        QStringLiteral("At %1 the method expects %2; %3 was measured")
            .arg(when, degrees(numberWithDecimals(*expected, 1)), typedDegrees(measured));
    const double off = measured - *expected;
    // A hair over the bound in binary still agrees.
    if (std::fabs(off) <= kAgreesWithin + 1e-9)
        return text +
               QStringLiteral(", which agrees with it within %1.").arg(typedDegrees(kAgreesWithin));
    return text + QStringLiteral(": the body cooled %1 than it expects for %2 with factor %3.")
                      .arg(off < 0 ? QStringLiteral("faster") : QStringLiteral("more slowly"),
                           mass.text(), usedFactorText(estimate));
}

QString readingsLine(ClockTime foundAt, double roomFahrenheit, double bodyFahrenheit)
{
    return QStringLiteral("Read from the main window: found at %1; room %2; body %3.")
        .arg(clockText(foundAt), fahrenheitAndCelsius(roomFahrenheit),
             fahrenheitAndCelsius(bodyFahrenheit));
}

} // namespace quorrel::ui
