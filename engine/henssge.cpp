#include "henssge.h"

#include <algorithm>
#include <cmath>

namespace quorrel
{
namespace
{

// Factors from this value up are changed for bodies other than 70 kg.
constexpr double kMassRuleFromFactor = 1.4;
constexpr double kReferenceMassKg = 70.0;

// What the nomogram needs besides Q: the cooling constant and its formula.
struct Model {
    double b = 0.0;
    HenssgeFormula formula = HenssgeFormula::UpTo23_2;
    double factorUsed = 1.0;
    bool adjustedForMass = false;
};

double degreeOfCooling(const HenssgeInput &in)
{
    return (in.rectal - in.ambient) / (kHenssgeStartCelsius - in.ambient);
}

bool massRuleApplies(double factor, double massKg)
{
    return factor >= kMassRuleFromFactor && massKg != kReferenceMassKg;
}

double factorUsedFor(const HenssgeInput &in)
{
    return in.adjustForMass && massRuleApplies(in.factor, in.massKg)
               ? henssgeFactorForMass(in.factor, in.massKg)
               : in.factor;
}

// B of the cooling formulas; the body cools only while it is negative.
double coolingConstant(const HenssgeInput &in)
{
    return -1.2815 * std::pow(factorUsedFor(in) * in.massKg, -0.625) + 0.0284;
}

HenssgeRefusal refusalFor(const HenssgeInput &in)
{
    if (!std::isfinite(in.ambient) || !std::isfinite(in.rectal) || !std::isfinite(in.massKg) ||
        !std::isfinite(in.factor))
        return HenssgeRefusal::NotFinite;
    if (!(in.massKg >= kHenssgeMinMassKg && in.massKg <= kHenssgeMaxMassKg))
        return HenssgeRefusal::MassOutOfRange;
    if (!(in.factor >= kHenssgeMinFactor && in.factor <= kHenssgeMaxFactor))
        return HenssgeRefusal::FactorOutOfRange;
    // A factor used as given on a heavy body (cf x m from about 443 up) makes
    // B non-negative: the formula then describes no cooling at all.
    if (!(coolingConstant(in) < 0.0))
        return HenssgeRefusal::BeyondTheNomogram;
    // Compared as temperatures, not through Q: with a room above 37.2 °C the
    // sign of Q no longer tells which of the two is wrong.
    if (in.rectal > kHenssgeStartCelsius)
        return HenssgeRefusal::BodyAboveStart;
    // Q is in (0, 1] past the comparisons: Tr - Ta and 37.2 - Ta are both
    // positive and the first cannot round above the second. Only a body a
    // hair above a room near zero can still underflow Q to 0.
    if (!(in.rectal > in.ambient) || !(degreeOfCooling(in) > 0.0))
        return HenssgeRefusal::RoomNotColder;
    return HenssgeRefusal::None;
}

Model modelFor(const HenssgeInput &in)
{
    Model m;
    m.formula =
        in.ambient > kHenssgeWarmRoomAbove ? HenssgeFormula::Above23_2 : HenssgeFormula::UpTo23_2;
    m.adjustedForMass = in.adjustForMass && massRuleApplies(in.factor, in.massKg);
    m.factorUsed = factorUsedFor(in);
    // Negative for every input refusalFor accepts, so the curve falls
    // strictly from 1 toward 0.
    m.b = coolingConstant(in);
    return m;
}

// The right side of the method's equation: the fraction of the body's excess
// over the room that remains after t hours.
double remaining(const Model &m, double t)
{
    const double e = std::exp(m.b * t);
    if (m.formula == HenssgeFormula::UpTo23_2)
        return 1.25 * e - 0.25 * std::exp(5.0 * m.b * t);
    return 1.11 * e - 0.11 * std::exp(10.0 * m.b * t);
}

// The t >= 0 with remaining(t) = q. Doubling finds a bracket (remaining
// reaches 0 by underflow at the latest, and a NaN from a non-falling curve
// stops it too); bisection then halves it until no double lies strictly
// inside, a bounded number of steps however small or large t is.
double solveHours(const Model &m, double q)
{
    if (q >= 1.0)
        return 0.0;
    double lo = 0.0;
    double hi = 1.0;
    while (remaining(m, hi) > q) {
        lo = hi;
        hi *= 2.0;
    }
    for (;;) {
        const double mid = lo + (hi - lo) / 2.0;
        if (!(mid > lo && mid < hi))
            break;
        if (remaining(m, mid) > q)
            lo = mid;
        else
            hi = mid;
    }
    return std::fabs(remaining(m, lo) - q) <= std::fabs(remaining(m, hi) - q) ? lo : hi;
}

// The table of 95 % limits: half-open bands, Q = 0.5 in the second and 0.3 in
// the third; warm rooms have limits only for the first.
HenssgeLimitRule limitRuleFor(double q, HenssgeFormula formula, bool withFactor)
{
    using Rule = HenssgeLimitRule;
    if (q > 0.5)
        return Rule::Early;
    if (formula == HenssgeFormula::Above23_2)
        return Rule::NoneWarmRoomBelow;
    if (q > 0.3)
        return withFactor ? Rule::MiddleWithFactor : Rule::MiddleNoFactor;
    if (q > 0.2)
        return withFactor ? Rule::LateWithFactor : Rule::LateNoFactor;
    return Rule::NoneBelow0_2;
}

std::optional<double> limitHoursFor(HenssgeLimitRule rule)
{
    switch (rule) {
    case HenssgeLimitRule::Early:
        return 2.8;
    case HenssgeLimitRule::MiddleNoFactor:
        return 3.2;
    case HenssgeLimitRule::MiddleWithFactor:
    case HenssgeLimitRule::LateNoFactor:
        return 4.5;
    case HenssgeLimitRule::LateWithFactor:
        return 7.0;
    case HenssgeLimitRule::NoneBelow0_2:
    case HenssgeLimitRule::NoneWarmRoomBelow:
        break;
    }
    return std::nullopt;
}

} // namespace

double fahrenheitToCelsius(double fahrenheit)
{
    return (fahrenheit - 32.0) * 5.0 / 9.0;
}

double celsiusToFahrenheit(double celsius)
{
    return celsius * 9.0 / 5.0 + 32.0;
}

double poundsToKilograms(double pounds)
{
    return pounds * 0.45359237;
}

double henssgeFactorForMass(double factor, double massKg)
{
    if (!massRuleApplies(factor, massKg))
        return factor;
    const double denominator =
        (std::pow(massKg, -0.625) - 0.0284) * (-3.24596 * std::exp(-0.89959 * factor)) - 0.0354;
    return std::pow(-1.2815 / denominator, 1.6) / massKg;
}

HenssgeResult estimateHenssge(const HenssgeInput &input)
{
    HenssgeResult result;
    result.refusal = refusalFor(input);
    if (result.refusal != HenssgeRefusal::None)
        return result;
    const double q = degreeOfCooling(input);
    const Model m = modelFor(input);
    HenssgeEstimate e;
    e.hoursSinceDeath = solveHours(m, q);
    e.q = q;
    e.formula = m.formula;
    e.factorChosen = input.factor;
    e.factorUsed = m.factorUsed;
    e.adjustedForMass = m.adjustedForMass;
    // "No corrective factor" means naked in still air as chosen, whatever the
    // mass rule would make of it.
    e.limitRule = limitRuleFor(q, m.formula, input.factor != 1.0);
    e.limitHours = limitHoursFor(e.limitRule);
    result.estimate = e;
    return result;
}

double henssgeTemperatureAt(const HenssgeInput &input, double hoursSinceDeath)
{
    if (refusalFor(input) != HenssgeRefusal::None || std::isnan(hoursSinceDeath))
        return std::nan("");
    if (hoursSinceDeath <= 0.0)
        return kHenssgeStartCelsius;
    const Model m = modelFor(input);
    return input.ambient + (kHenssgeStartCelsius - input.ambient) * remaining(m, hoursSinceDeath);
}

Result<double> henssgeExpectedReading(const HenssgeInput &input, double hoursAfterReading)
{
    const HenssgeResult result = estimateHenssge(input);
    if (!result.estimate || !std::isfinite(hoursAfterReading))
        return std::nullopt;
    const double since = result.estimate->hoursSinceDeath + hoursAfterReading;
    if (since < 0.0)
        return std::nullopt;
    return henssgeTemperatureAt(input, since);
}

MethodResult henssgeMethodResult(const HenssgeInput &input, const HenssgeEstimate &estimate,
                                 double ambientFahrenheit, double readingFahrenheit,
                                 double lastReadingHours)
{
    MethodResult result;
    result.hoursSinceDeath = estimate.hoursSinceDeath;
    result.spreadHours = estimate.limitHours;
    result.ambient = ambientFahrenheit;
    result.startTemperature = kHenssgeStartFahrenheit;
    result.readings = {{0.0, readingFahrenheit}};
    // Hours from the reading are hours since death less the estimate's own.
    result.temperatureAt = [input, since = estimate.hoursSinceDeath](double hours) {
        return celsiusToFahrenheit(henssgeTemperatureAt(input, hours + since));
    };
    const double last = std::max(lastReadingHours, 0.0);
    result.curveTo = last + (last + estimate.hoursSinceDeath) / 4.0;
    return result;
}

} // namespace quorrel
