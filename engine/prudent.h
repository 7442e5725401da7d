#pragma once

#include "henssge.h"
#include "numbers.h"

namespace quorrel
{

// The prudent interval: the room's temperature, the body's mass and the
// corrective factor are seldom known exactly, so the nomogram is evaluated
// over a range of each and the interval runs from the earliest lower limit
// found to the latest upper limit. Hours since death grow with each of the
// three, so the corners of the ranges suffice, except where the limits or
// the formula jump inside them: the room's 23.2 °C, the room at which Q
// crosses a band edge (0.5, 0.3, 0.2), a factor of exactly 1.0 (whose limits
// are narrower), the mass rule's factor 1.4 and its 70 kg. Each of those is
// evaluated on both sides. Every corner and every point beside an edge is a
// decimal, decided exactly as a typed entry is.

// The ± of each entry as typed, in the typed entries' own units: °F, the
// mass's unit, the factor's; zero where the entry is taken as exact.
struct HenssgeTypedUncertainty {
    Decimal roomFahrenheit;
    Decimal mass;
    Decimal factor;
};

// The ± a window offers: ±1.0 °C (±1.8 °F), ±3 kg, ±0.1.
struct OfferedUncertainty {
    double roomCelsius;
    double massKg;
    double factor;
};
inline constexpr OfferedUncertainty kDefaultUncertainty{1.0, 3.0, 0.1};

// Which ends of a range were cut to what the nomogram accepts as an entry
// (the room's to absolute zero): the range evaluated is then narrower than
// the one typed, and the window says so.
struct RangeCut {
    bool below = false;
    bool above = false;
};

struct PrudentInterval {
    // Hours since death at the reading: the widest the ranges allow.
    double earliestHours = 0.0; // the latest upper limit: death furthest back
    double latestHours = 0.0;   // the earliest lower limit; below 0 past the reading
    // The ranges used, in °C and kilograms: the entries ± their uncertainty,
    // cut to what the nomogram accepts.
    double roomFrom = 0.0, roomTo = 0.0;
    double massFrom = 0.0, massTo = 0.0;
    double factorFrom = 0.0, factorTo = 0.0;
    // Somewhere in the ranges the method publishes no limits: there the
    // estimate itself counts as both limits.
    bool somewhereWithoutLimits = false;
    // Part of the ranges (the heaviest, most covered bodies) lies where the
    // nomogram describes no cooling: death may lie any time before, so the
    // interval has no earliest end and earliestHours means nothing.
    bool earliestOpen = false;
};

// Why no prudent interval was given.
enum class PrudentRefusal {
    None,
    Negative,        // a ± below zero
    LargerThanValue, // a ± larger than the mass or the factor it qualifies
    CentreRefused,   // the entries themselves are refused by the nomogram
    RoomReachesBody, // the room's range reaches the body's temperature
    // Nowhere in the ranges does the method publish limits: there is no
    // interval to give, only the estimate.
    NoLimitsPublished,
};

struct PrudentResult {
    Result<PrudentInterval> interval;
    PrudentRefusal refusal = PrudentRefusal::None;
    // Where the ranges were evaluated (an interval, or none published in
    // them), the ends cut.
    RangeCut roomCut, massCut, factorCut;
};

// The prudent interval around the estimate for `centre`, with its edges
// decided on the decimals typed and those of the ±.
PrudentResult prudentHenssge(const HenssgeTypedEntries &centre, bool adjustForMass,
                             const HenssgeTypedUncertainty &uncertainty);

} // namespace quorrel
