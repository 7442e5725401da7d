#pragma once

// The published bounds of the signs of death, written here apart from the
// engine's table, for the table's test and the compound method's.

#include "signs.h"

#include <optional>

namespace quorrel::test
{

using S = DeathSign;
using F = SignFinding;

// The published bounds on the hours since death at the examination, written
// here apart from the engine's table: death at least `atLeast` and at most
// `atMost` hours before it.
struct Published {
    const char *name;
    S sign;
    F finding;
    std::optional<double> atLeast, atMost;
};

inline const Published kPublished[] = {
    {"no lividity: at most 3 h", S::LividityVisible, F::No, {}, 3},
    {"confluent lividity: at least 1 h", S::LividityConfluent, F::Yes, 1, {}},
    {"lividity not confluent: at most 4 h", S::LividityConfluent, F::No, {}, 4},
    {"lividity at its maximum: at least 3 h", S::LividityMaximal, F::Yes, 3, {}},
    {"lividity short of its maximum: at most 16 h", S::LividityMaximal, F::No, {}, 16},
    {"lividity vanishes under the thumb: at most 20 h",
     S::LividityVanishesUnderThumbPressure,
     F::Yes,
     {},
     20},
    {"lividity stays under the thumb: at least 1 h",
     S::LividityVanishesUnderThumbPressure,
     F::No,
     1,
     {}},
    {"lividity shifts completely: at most 6 h",
     S::LividityShiftsCompletelyWhenTurned,
     F::Yes,
     {},
     6},
    {"lividity does not shift completely: at least 2 h",
     S::LividityShiftsCompletelyWhenTurned,
     F::No,
     2,
     {}},
    {"lividity shifts in part: at most 24 h", S::LividityShiftsInPartWhenTurned, F::Yes, {}, 24},
    {"lividity does not shift at all: at least 4 h",
     S::LividityShiftsInPartWhenTurned,
     F::No,
     4,
     {}},
    {"rigor present: at least half an hour", S::RigorPresent, F::Yes, 0.5, {}},
    {"no rigor: at most 7 h", S::RigorPresent, F::No, {}, 7},
    {"rigor at its maximum: at least 2 h", S::RigorMaximal, F::Yes, 2, {}},
    {"rigor short of its maximum: at most 20 h", S::RigorMaximal, F::No, {}, 20},
    {"rigor re-established: at most 8 h", S::RigorReestablishedAfterBreaking, F::Yes, {}, 8},
    {"rigor not re-established: at least 2 h", S::RigorReestablishedAfterBreaking, F::No, 2, {}},
    {"rigor resolving: at least 24 h", S::RigorResolving, F::Yes, 24, {}},
    {"rigor resolved: at least 24 h", S::RigorResolved, F::Yes, 24, {}},
    {"Zsako's whole-muscle contraction: at most 2.5 h",
     S::MechanicalWholeMuscleContraction,
     F::Yes,
     {},
     2.5},
    {"idiomuscular bulge: at most 13 h", S::MechanicalIdiomuscularBulge, F::Yes, {}, 13},
    {"no idiomuscular bulge: at least 1.5 h", S::MechanicalIdiomuscularBulge, F::No, 1.5, {}},
    {"eyelid grade VI: 1 to 6 h", S::ElectricalEyelid, F::GradeVI, 1, 6},
    {"eyelid grade V: 2 to 7 h", S::ElectricalEyelid, F::GradeV, 2, 7},
    {"eyelid grade IV: 3 to 8 h", S::ElectricalEyelid, F::GradeIV, 3, 8},
    {"eyelid grade III: 3.5 to 13 h", S::ElectricalEyelid, F::GradeIII, 3.5, 13},
    {"eyelid grade II: 5 to 16 h", S::ElectricalEyelid, F::GradeII, 5, 16},
    {"eyelid grade I: 5 to 22 h", S::ElectricalEyelid, F::GradeI, 5, 22},
    {"no reaction of the eyelid: at least 5 h", S::ElectricalEyelid, F::NoReaction, 5, {}},
    {"corner of the mouth reacts: at most 11 h", S::ElectricalCornerOfMouth, F::Yes, {}, 11},
    {"corner of the mouth does not: at least 3 h", S::ElectricalCornerOfMouth, F::No, 3, {}},
    {"iris reacts to tropicamide: at most 30 h", S::IrisTropicamide, F::Yes, {}, 30},
    {"iris does not react to tropicamide: at least 5 h", S::IrisTropicamide, F::No, 5, {}},
    {"iris reacts to acetylcholine: at most 46 h", S::IrisAcetylcholine, F::Yes, {}, 46},
    {"iris does not react to acetylcholine: at least 14 h", S::IrisAcetylcholine, F::No, 14, {}},
};

} // namespace quorrel::test
