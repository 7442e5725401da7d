#pragma once

#include "decimal.h"
#include "method.h"
#include "numbers.h"

#include <optional>

namespace quorrel
{

// Henssge's nomogram: the hours since death from one rectal reading, the
// room's temperature, the body's mass and a corrective factor for clothing
// and surroundings, with the method's own 95 % limits. Degrees Celsius
// throughout; the main window's °F entries come in through fahrenheitToCelsius,
// together with the decimals typed through henssgeInputFromTyped.

// The body's temperature at death, from which the method counts.
inline constexpr double kHenssgeStartCelsius = 37.2;
// The same start in °F, where the method's curve meets Newton's axis.
inline constexpr double kHenssgeStartFahrenheit = 98.96;
// No reading can be colder than absolute zero.
inline constexpr double kAbsoluteZeroCelsius = -273.15;
inline constexpr double kAbsoluteZeroFahrenheit = -459.67;
// Rooms up to this temperature cool by one formula, warmer rooms by another.
inline constexpr double kHenssgeWarmRoomAbove = 23.2;
// The accepted entries, both ends included.
inline constexpr double kHenssgeMinMassKg = 1.0;
inline constexpr double kHenssgeMaxMassKg = 250.0;
inline constexpr double kHenssgeMinFactor = 0.3;
inline constexpr double kHenssgeMaxFactor = 3.0;

// (F - 32) * 5 / 9, evaluated in that order. 98.96 °F comes out one step of
// the double below 37.2 °C: a sliver of an hour, not a refusal.
double fahrenheitToCelsius(double fahrenheit);
// C * 9 / 5 + 32, for drawing the method's curve beside Newton's in °F.
double celsiusToFahrenheit(double celsius);
// The international pound, 0.45359237 kg exactly.
double poundsToKilograms(double pounds);

// The entries exactly as the user typed them, as the main window and the
// nomogram's window take them: room and body in °F, the mass in kilograms or
// pounds.
struct HenssgeTypedEntries {
    Decimal roomFahrenheit;
    Decimal bodyFahrenheit;
    Decimal mass;
    bool massInPounds = false;
    Decimal factor;
};

struct HenssgeInput {
    double ambient = 0.0; // °C
    double rectal = 0.0;  // °C, when the reading was taken
    double massKg = 0.0;
    double factor = 1.0; // the corrective factor
    // Whether the factor was chosen for a 70 kg body, from Henssge's table of
    // conditions, and is to be changed for this body's mass; otherwise it is
    // used as given, as the published worked rows give theirs.
    bool adjustForMass = false;
    // The entries the doubles above were read from, where the caller has
    // them (henssgeInputFromTyped keeps the two in step). Every edge of the
    // method is then decided on them exactly: the bands of Q, the room's
    // 23.2 °C, the mass rule's 1.4 and 70 kg, "no factor" as 1.0, the
    // accepted ranges and absolute zero. The doubles carry only the arithmetic: the hours, Q
    // and the curve. Without them the doubles decide the edges too.
    std::optional<HenssgeTypedEntries> typed = std::nullopt;
};

// The input a window makes from what was typed: each double is the nearest
// to its decimal (as localeToDouble reads the same text), then converted to
// °C and kilograms by the functions above.
HenssgeInput henssgeInputFromTyped(const HenssgeTypedEntries &typed, bool adjustForMass);

// Why an input was refused, for the window to word; checked in this order, so
// that the reason given is the first that holds: an impossible reading before
// the entries of the nomogram, the room before the body.
enum class HenssgeRefusal {
    None,
    // an entry is NaN or infinite; with typed entries only a °F reading too
    // large for °C (beyond about 3.6e307)
    NotFinite,
    RoomBelowAbsoluteZero, // the room below -273.15 °C (-459.67 °F)
    BodyBelowAbsoluteZero, // the body below it
    MassOutOfRange,        // outside 1 to 250 kg
    FactorOutOfRange,      // outside 0.3 to 3.0
    // a factor used as given that, with this mass, describes no cooling (the
    // product of factor and mass beyond about 443 kg)
    BeyondTheNomogram,
    BodyAboveStart, // rectal above 37.2 °C (Q > 1)
    RoomNotColder,  // the room is at least as warm as the body (Q <= 0)
};

// Which of the two cooling formulas applies, by the room's temperature.
enum class HenssgeFormula {
    UpTo23_2, // Q = 1.25 exp(Bt) - 0.25 exp(5Bt)
    Above23_2 // Q = 1.11 exp(Bt) - 0.11 exp(10Bt)
};

// The row of the table of 95 % limits that applied. "Factor" rows are those
// for a chosen factor other than 1.0 (naked, still air).
enum class HenssgeLimitRule {
    Early,             // Q > 0.5, any factor: ±2.8 h
    MiddleNoFactor,    // 0.5 >= Q > 0.3, factor 1.0: ±3.2 h
    MiddleWithFactor,  // 0.5 >= Q > 0.3, other factor: ±4.5 h
    LateNoFactor,      // 0.3 >= Q > 0.2, factor 1.0: ±4.5 h
    LateWithFactor,    // 0.3 >= Q > 0.2, other factor: ±7.0 h
    NoneBelow0_2,      // Q <= 0.2: no limits are published
    NoneWarmRoomBelow, // room above 23.2 °C and Q <= 0.5: no limits are published
};

struct HenssgeEstimate {
    double hoursSinceDeath = 0.0; // at the time of the reading
    // Degree of cooling, (Tr - Ta) / (37.2 - Ta), in doubles: typed entries
    // of Q = 0.5 exactly may show 0.5000000000000001 and are in its band.
    double q = 1.0;
    HenssgeFormula formula = HenssgeFormula::UpTo23_2;
    double factorChosen = 1.0;
    double factorUsed = 1.0;
    bool adjustedForMass = false;
    std::optional<double> limitHours; // ± hours; empty where none are published
    HenssgeLimitRule limitRule = HenssgeLimitRule::Early;
};

struct HenssgeResult {
    Result<HenssgeEstimate> estimate;              // empty when refused
    HenssgeRefusal refusal = HenssgeRefusal::None; // why it is empty
};

// The factor the nomogram uses for a body of this mass: the chosen one below
// 1.4 or at exactly 70 kg, otherwise the closed form of Henssge's table for
// other masses. Meaningful for masses the estimate accepts.
double henssgeFactorForMass(double factor, double massKg);

// Solves the method for the hours since death, to the last bit the bisection
// can reach; exactly 37.2 °C is 0 hours.
HenssgeResult estimateHenssge(const HenssgeInput &input);

// The body's temperature, in °C, at a time in hours since death, by the
// formula and factor the estimate uses: 37.2 °C up to death, the room's
// temperature as the hours grow without end. NaN for an input the estimate
// refuses or NaN hours. Draws the curve.
double henssgeTemperatureAt(const HenssgeInput &input, double hoursSinceDeath);

// The rectal temperature, in °C, the method expects a number of hours after
// the reading (a second reading's check). Fails where the input is refused,
// the hours are not finite, or they reach back before death.
Result<double> henssgeExpectedReading(const HenssgeInput &input, double hoursAfterReading);

// An estimate in the shape every method shares: hours from the reading, taken
// when the body was found, and °F. The room and the reading are given in °F
// as the user typed them rather than converted back. The curve runs as
// Newton's does, a quarter of the span from death to the last reading past
// that reading (the reading itself, or a later one the window checks).
MethodResult henssgeMethodResult(const HenssgeInput &input, const HenssgeEstimate &estimate,
                                 double ambientFahrenheit, double readingFahrenheit,
                                 double lastReadingHours);

} // namespace quorrel
