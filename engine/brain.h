#pragma once

#include "decimal.h"
#include "method.h"
#include "numbers.h"

#include <optional>

namespace quorrel
{

// Henssge's brain-temperature nomogram (Henssge et al., Z Rechtsmed 93,
// 1984): the hours since death from the brain's temperature and the room's,
// with no mass and no corrective factor. Q = (Tb - Ta) / (37.2 - Ta) =
// 1.135 exp(-0.127 t) - 0.135 exp(-1.07 t). Degrees Celsius throughout; the
// window's °F entries come in with the decimals typed, which decide every
// edge the entries have.

// The readings exactly as typed, in °F.
struct BrainTypedEntries {
    Decimal roomFahrenheit;
    Decimal brainFahrenheit;
};

struct BrainInput {
    double ambient = 0.0; // °C
    double brain = 0.0;   // °C, when the body was found
    std::optional<BrainTypedEntries> typed = std::nullopt;
};

// The doubles read from the decimals (as localeToDouble reads the same
// text), in °C, with the decimals kept for the edges.
BrainInput brainInputFromTyped(const BrainTypedEntries &typed);

// Why no estimate was made, in the order checked.
enum class BrainRefusal {
    None,
    NotFinite,
    RoomBelowAbsoluteZero,
    BrainBelowAbsoluteZero,
    BrainAboveStart, // above 37.2 °C: Q above 1
    RoomNotColder,   // the room at least as warm as the brain: Q at or below 0
};

struct BrainEstimate {
    double hoursSinceDeath = 0.0;
    double q = 1.0;
    // ± hours by the hours found; none are published beyond 13.5 h.
    std::optional<double> limitHours;
    // The method was studied in rooms of 10 to 25 °C; this room is outside.
    bool roomOutsideStudied = false;
};

struct BrainResult {
    Result<BrainEstimate> estimate;
    BrainRefusal refusal = BrainRefusal::None;
};

// The published 95 % limits by the hours found: ±1.5 h up to 6.5 h, ±2.5 h
// up to 10.5 h, ±3.5 h up to 13.5 h, none beyond.
std::optional<double> brainLimitHours(double hoursSinceDeath);

BrainResult estimateBrain(const BrainInput &input);

// The estimate in the shape every method shares, for the curve: °F, hours
// from the reading, the curve from 98.96 °F through the reading.
MethodResult brainMethodResult(const BrainInput &input, const BrainEstimate &estimate,
                               double roomFahrenheit, double brainFahrenheit);

} // namespace quorrel
