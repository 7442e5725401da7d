#include "henssge.h"

#include "solve.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace quorrel
{
namespace
{

// Factors from this value up are changed for bodies other than 70 kg.
constexpr double kMassRuleFromFactor = 1.4;
constexpr double kReferenceMassKg = 70.0;

// The method's edges as one input meets them: decided on the typed decimals
// where the input has them, otherwise on its doubles.
struct Edges {
    bool roomBelowAbsoluteZero = false;
    bool bodyBelowAbsoluteZero = false;
    bool massInRange = false;
    bool factorInRange = false;
    bool bodyAboveStart = false;
    bool roomNotColder = false;
    bool warmRoom = false;
    bool massRule = false; // a factor from 1.4 up, on a body of other than 70 kg
    bool noFactor = false; // the factor is 1.0
    // Q above each edge of the table of limits; asked only of an input that
    // is not refused.
    bool qAbove0_5 = false;
    bool qAbove0_3 = false;
    bool qAbove0_2 = false;
};

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

// The closed form of Henssge's table for a body of other than 70 kg.
double factorChangedForMass(double factor, double massKg)
{
    const double denominator =
        (std::pow(massKg, -0.625) - 0.0284) * (-3.24596 * std::exp(-0.89959 * factor)) - 0.0354;
    return std::pow(-1.2815 / denominator, 1.6) / massKg;
}

Edges edgesOfDoubles(const HenssgeInput &in)
{
    Edges e;
    e.roomBelowAbsoluteZero = in.ambient < kAbsoluteZeroCelsius;
    e.bodyBelowAbsoluteZero = in.rectal < kAbsoluteZeroCelsius;
    e.massInRange = in.massKg >= kHenssgeMinMassKg && in.massKg <= kHenssgeMaxMassKg;
    e.factorInRange = in.factor >= kHenssgeMinFactor && in.factor <= kHenssgeMaxFactor;
    e.bodyAboveStart = in.rectal > kHenssgeStartCelsius;
    e.roomNotColder = !(in.rectal > in.ambient);
    e.warmRoom = in.ambient > kHenssgeWarmRoomAbove;
    e.massRule = massRuleApplies(in.factor, in.massKg);
    e.noFactor = in.factor == 1.0;
    const double q = degreeOfCooling(in);
    e.qAbove0_5 = q > 0.5;
    e.qAbove0_3 = q > 0.3;
    e.qAbove0_2 = q > 0.2;
    return e;
}

// The same edges on what was typed. 37.2 °C is 98.96 °F, 23.2 °C 73.76 °F and
// -273.15 °C -459.67 °F exactly, and °F to °C is linear, so every edge is a linear condition on the
// °F entries; a pound is 0.45359237 kg exactly.
Edges edgesOfTyped(const HenssgeTypedEntries &t)
{
    const Decimal &room = t.roomFahrenheit;
    const Decimal &body = t.bodyFahrenheit;
    const Decimal start(9896, -2);
    // Masses are compared in units of 10^-8 kg where they were typed in pounds.
    const Decimal mass = t.massInPounds ? t.mass * 45359237U : t.mass;
    const auto kilograms = [&t](std::int64_t kg) {
        return t.massInPounds ? Decimal(kg, 8) : Decimal(kg, 0);
    };
    // Q > a / b, where 98.96 - room > 0: b (body - room) > a (98.96 - room).
    const auto qAbove = [&](std::uint32_t a, std::uint32_t b) {
        return signOfSum({body * b, -(room * (b - a)), -(start * a)}) > 0;
    };
    const Decimal absoluteZero(-45967, -2);
    Edges e;
    e.roomBelowAbsoluteZero = room < absoluteZero;
    e.bodyBelowAbsoluteZero = body < absoluteZero;
    e.massInRange = mass >= kilograms(1) && mass <= kilograms(250);
    e.factorInRange = t.factor >= Decimal(3, -1) && t.factor <= Decimal(3, 0);
    e.bodyAboveStart = body > start;
    e.roomNotColder = room >= body;
    e.warmRoom = room > Decimal(7376, -2);
    e.massRule = t.factor >= Decimal(14, -1) && mass != kilograms(70);
    e.noFactor = t.factor == Decimal(1, 0);
    e.qAbove0_5 = qAbove(1, 2);
    e.qAbove0_3 = qAbove(3, 10);
    e.qAbove0_2 = qAbove(1, 5);
    return e;
}

Edges edgesOf(const HenssgeInput &in)
{
    return in.typed ? edgesOfTyped(*in.typed) : edgesOfDoubles(in);
}

double factorUsedFor(const HenssgeInput &in, const Edges &edges)
{
    return in.adjustForMass && edges.massRule ? factorChangedForMass(in.factor, in.massKg)
                                              : in.factor;
}

// B of the cooling formulas; the body cools only while it is negative.
double coolingConstant(const HenssgeInput &in, const Edges &edges)
{
    return -1.2815 * std::pow(factorUsedFor(in, edges) * in.massKg, -0.625) + 0.0284;
}

HenssgeRefusal refusalFor(const HenssgeInput &in, const Edges &edges)
{
    // The doubles carry the arithmetic, so they must be finite even where
    // the typed entries decide: 1e308 °F is a decimal but no °C.
    if (!std::isfinite(in.ambient) || !std::isfinite(in.rectal) || !std::isfinite(in.massKg) ||
        !std::isfinite(in.factor))
        return HenssgeRefusal::NotFinite;
    if (edges.roomBelowAbsoluteZero)
        return HenssgeRefusal::RoomBelowAbsoluteZero;
    if (edges.bodyBelowAbsoluteZero)
        return HenssgeRefusal::BodyBelowAbsoluteZero;
    if (!edges.massInRange)
        return HenssgeRefusal::MassOutOfRange;
    if (!edges.factorInRange)
        return HenssgeRefusal::FactorOutOfRange;
    // A factor used as given on a heavy body (cf x m from about 443 up) makes
    // B non-negative: the formula then describes no cooling at all.
    if (!(coolingConstant(in, edges) < 0.0))
        return HenssgeRefusal::BeyondTheNomogram;
    // Compared as temperatures, not through Q: with a room above 37.2 °C the
    // sign of Q no longer tells which of the two is wrong.
    if (edges.bodyAboveStart)
        return HenssgeRefusal::BodyAboveStart;
    // Q is in (0, 1] past the comparisons: Tr - Ta and 37.2 - Ta are both
    // positive and the first cannot round above the second. Only a body a
    // hair above a room near zero can still underflow Q to 0, and a body
    // typed a hair above the room can have the room's double.
    if (edges.roomNotColder || !(degreeOfCooling(in) > 0.0))
        return HenssgeRefusal::RoomNotColder;
    return HenssgeRefusal::None;
}

Model modelFor(const HenssgeInput &in, const Edges &edges)
{
    Model m;
    m.formula = edges.warmRoom ? HenssgeFormula::Above23_2 : HenssgeFormula::UpTo23_2;
    m.adjustedForMass = in.adjustForMass && edges.massRule;
    m.factorUsed = factorUsedFor(in, edges);
    // Negative for every input refusalFor accepts, so the curve falls
    // strictly from 1 toward 0.
    m.b = coolingConstant(in, edges);
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

// The table of 95 % limits: half-open bands, Q = 0.5 in the second and 0.3 in
// the third; warm rooms have limits only for the first. "No corrective
// factor" means naked in still air as chosen, whatever the mass rule would
// make of it.
HenssgeLimitRule limitRuleFor(const Edges &edges)
{
    using Rule = HenssgeLimitRule;
    const bool withFactor = !edges.noFactor;
    if (edges.qAbove0_5)
        return Rule::Early;
    if (edges.warmRoom)
        return Rule::NoneWarmRoomBelow;
    if (edges.qAbove0_3)
        return withFactor ? Rule::MiddleWithFactor : Rule::MiddleNoFactor;
    if (edges.qAbove0_2)
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

// The body's temperature in °C by hours since death, with the edges decided
// once: a curve drawn from typed entries does not compare decimals at every
// point.
std::function<double(double)> temperatureCurve(const HenssgeInput &in)
{
    const Edges edges = edgesOf(in);
    if (refusalFor(in, edges) != HenssgeRefusal::None)
        return [](double) { return std::nan(""); };
    return [m = modelFor(in, edges), ambient = in.ambient](double hoursSinceDeath) {
        if (std::isnan(hoursSinceDeath))
            return std::nan("");
        if (hoursSinceDeath <= 0.0)
            return kHenssgeStartCelsius;
        return ambient + (kHenssgeStartCelsius - ambient) * remaining(m, hoursSinceDeath);
    };
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
    return massRuleApplies(factor, massKg) ? factorChangedForMass(factor, massKg) : factor;
}

HenssgeInput henssgeInputFromTyped(const HenssgeTypedEntries &typed, bool adjustForMass)
{
    const double mass = typed.mass.toDouble();
    HenssgeInput input;
    input.ambient = fahrenheitToCelsius(typed.roomFahrenheit.toDouble());
    input.rectal = fahrenheitToCelsius(typed.bodyFahrenheit.toDouble());
    input.massKg = typed.massInPounds ? poundsToKilograms(mass) : mass;
    input.factor = typed.factor.toDouble();
    input.adjustForMass = adjustForMass;
    input.typed = typed;
    return input;
}

HenssgeResult estimateHenssge(const HenssgeInput &input)
{
    HenssgeResult result;
    const Edges edges = edgesOf(input);
    result.refusal = refusalFor(input, edges);
    if (result.refusal != HenssgeRefusal::None)
        return result;
    const double q = degreeOfCooling(input);
    const Model m = modelFor(input, edges);
    HenssgeEstimate e;
    e.hoursSinceDeath = hoursWhereCurveFallsTo([&m](double t) { return remaining(m, t); }, q);
    e.q = q;
    e.formula = m.formula;
    e.factorChosen = input.factor;
    e.factorUsed = m.factorUsed;
    e.adjustedForMass = m.adjustedForMass;
    e.limitRule = limitRuleFor(edges);
    e.limitHours = limitHoursFor(e.limitRule);
    result.estimate = e;
    return result;
}

double henssgeTemperatureAt(const HenssgeInput &input, double hoursSinceDeath)
{
    return temperatureCurve(input)(hoursSinceDeath);
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
    result.temperatureAt = [curve = temperatureCurve(input), since = estimate.hoursSinceDeath](
                               double hours) { return celsiusToFahrenheit(curve(hours + since)); };
    const double last = std::max(lastReadingHours, 0.0);
    result.curveTo = last + (last + estimate.hoursSinceDeath) / 4.0;
    return result;
}

} // namespace quorrel
