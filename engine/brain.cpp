#include "brain.h"

#include "henssge.h"
#include "solve.h"

#include <cmath>

namespace quorrel
{
namespace
{

// The rooms the method was studied in, 10 to 25 °C: 50 to 77 °F exactly.
// Made when asked for, not at start-up.
constexpr int kStudiedFromFahrenheit = 50;
constexpr int kStudiedToFahrenheit = 77;

double remaining(double t)
{
    return 1.135 * std::exp(-0.127 * t) - 0.135 * std::exp(-1.07 * t);
}

double degreeOfCooling(const BrainInput &in)
{
    // The typed decimals' differences are exact; only their ratio is
    // rounded, so a brain typed a hair above the room is a hair above Q = 0,
    // not Q = 0 refused as a room no colder than the brain.
    if (in.typed)
        return (in.typed->brainFahrenheit - in.typed->roomFahrenheit).toDouble() /
               (Decimal(9896, -2) - in.typed->roomFahrenheit).toDouble();
    return (in.brain - in.ambient) / (kHenssgeStartCelsius - in.ambient);
}

struct Edges {
    bool roomBelowAbsoluteZero = false;
    bool brainBelowAbsoluteZero = false;
    bool brainAboveStart = false;
    bool roomNotColder = false;
    bool roomOutsideStudied = false;
};

// On the decimals typed where the input has them: 37.2 °C is 98.96 °F, 10
// and 25 °C are 50 and 77 °F, -273.15 °C is -459.67 °F, all exactly.
Edges edgesOf(const BrainInput &in)
{
    Edges e;
    if (in.typed) {
        const Decimal &room = in.typed->roomFahrenheit;
        const Decimal &brain = in.typed->brainFahrenheit;
        const Decimal absoluteZero(-45967, -2);
        e.roomBelowAbsoluteZero = room < absoluteZero;
        e.brainBelowAbsoluteZero = brain < absoluteZero;
        e.brainAboveStart = brain > Decimal(9896, -2);
        e.roomNotColder = room >= brain;
        e.roomOutsideStudied =
            room < Decimal(kStudiedFromFahrenheit, 0) || room > Decimal(kStudiedToFahrenheit, 0);
        return e;
    }
    e.roomBelowAbsoluteZero = in.ambient < kAbsoluteZeroCelsius;
    e.brainBelowAbsoluteZero = in.brain < kAbsoluteZeroCelsius;
    e.brainAboveStart = in.brain > kHenssgeStartCelsius;
    e.roomNotColder = !(in.brain > in.ambient);
    e.roomOutsideStudied = in.ambient < 10.0 || in.ambient > 25.0;
    return e;
}

BrainRefusal refusalFor(const BrainInput &in, const Edges &e)
{
    if (!std::isfinite(in.ambient) || !std::isfinite(in.brain))
        return BrainRefusal::NotFinite;
    if (e.roomBelowAbsoluteZero)
        return BrainRefusal::RoomBelowAbsoluteZero;
    if (e.brainBelowAbsoluteZero)
        return BrainRefusal::BrainBelowAbsoluteZero;
    if (e.brainAboveStart)
        return BrainRefusal::BrainAboveStart;
    if (e.roomNotColder || !(degreeOfCooling(in) > 0.0))
        return BrainRefusal::RoomNotColder;
    return BrainRefusal::None;
}

} // namespace

BrainInput brainInputFromTyped(const BrainTypedEntries &typed)
{
    return {fahrenheitToCelsius(typed.roomFahrenheit.toDouble()),
            fahrenheitToCelsius(typed.brainFahrenheit.toDouble()), typed};
}

std::optional<double> brainLimitHours(double hours)
{
    // By the hours as the estimate is given, to the minute: a sentence that
    // says 6 h 30 min never sits on both sides of the table. The hours
    // themselves are a root of the formula, which no typed decimal pins
    // exactly to an edge.
    hours = std::round(hours * 60.0) / 60.0;
    if (hours <= 6.5)
        return 1.5;
    if (hours <= 10.5)
        return 2.5;
    if (hours <= 13.5)
        return 3.5;
    return std::nullopt;
}

BrainResult estimateBrain(const BrainInput &input)
{
    BrainResult result;
    const Edges edges = edgesOf(input);
    result.refusal = refusalFor(input, edges);
    if (result.refusal != BrainRefusal::None)
        return result;
    BrainEstimate e;
    // The formula rises a hair above 1 in its first minute: a brain typed at
    // exactly 98.96 °F is Q = 1, death at the reading, not a minute before.
    const bool atStart = input.typed && input.typed->brainFahrenheit == Decimal(9896, -2);
    e.q = atStart ? 1.0 : degreeOfCooling(input);
    e.hoursSinceDeath = hoursWhereCurveFallsTo(remaining, e.q);
    e.limitHours = brainLimitHours(e.hoursSinceDeath);
    e.roomOutsideStudied = edges.roomOutsideStudied;
    result.estimate = e;
    return result;
}

MethodResult brainMethodResult(const BrainInput &input, const BrainEstimate &estimate,
                               double roomFahrenheit, double brainFahrenheit)
{
    MethodResult result;
    result.hoursSinceDeath = estimate.hoursSinceDeath;
    result.spreadHours = estimate.limitHours;
    result.ambient = roomFahrenheit;
    result.startTemperature = kHenssgeStartFahrenheit;
    result.readings = {{0.0, brainFahrenheit}};
    result.temperatureAt = [ambient = input.ambient, since = estimate.hoursSinceDeath](double h) {
        const double t = h + since;
        if (std::isnan(t))
            return std::nan("");
        return celsiusToFahrenheit(t <= 0.0
                                       ? kHenssgeStartCelsius
                                       : ambient + (kHenssgeStartCelsius - ambient) * remaining(t));
    };
    result.curveTo = estimate.hoursSinceDeath / 4.0;
    return result;
}

} // namespace quorrel
