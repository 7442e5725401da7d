#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace quorrel
{

// The signs of death an examiner notes beside the temperature, each with the
// bound its finding puts on the hours since death at the examination, as
// published. The compound method takes every such bound, and the nomogram's,
// and keeps the time of death that all of them allow.

enum class DeathSign {
    LividityVisible,
    LividityConfluent,
    LividityMaximal,
    LividityVanishesUnderThumbPressure,
    LividityShiftsCompletelyWhenTurned,
    LividityShiftsInPartWhenTurned,
    RigorPresent,
    RigorMaximal,
    RigorReestablishedAfterBreaking,
    RigorResolving,
    RigorResolved,
    MechanicalWholeMuscleContraction, // Zsako's phenomenon
    MechanicalIdiomuscularBulge,
    ElectricalEyelid, // orbicularis oculi, graded
    ElectricalCornerOfMouth,
    IrisTropicamide,
    IrisAcetylcholine,
};

// What the examiner found; the grades are those of the eyelid's reaction to
// electrical stimulation, VI the strongest.
enum class SignFinding {
    Yes,
    No,
    GradeVI,
    GradeV,
    GradeIV,
    GradeIII,
    GradeII,
    GradeI,
    NoReaction,
};

// How a finding bounds the hours since death at the examination.
enum class SignBoundKind {
    AtLeast, // hours >= fromHours
    AtMost,  // hours <= toHours
    Between, // fromHours <= hours <= toHours
};

// A published doubt about a row, shown beside it; it never changes the
// number. The windows word it.
enum class SignCaveat {
    None,
    // Re-establishment of rigor was seen up to 20 h (Crostack et al. 2017).
    RigorLate,
    // The iris tests were judged unreliable (Koehler et al. 2018).
    IrisUnreliable,
    // The eyelid's grades do not hold after a long illness, fatal hypothermia
    // or with a haematoma of the eyelid.
    GradesDoNotHold,
};

struct SignRow {
    DeathSign sign;
    SignFinding finding;
    SignBoundKind kind;
    double fromHours = 0.0; // for AtLeast and Between
    double toHours = 0.0;   // for AtMost and Between
    // The publication the number comes from, cited as it is to be shown.
    std::string_view source;
    SignCaveat caveat = SignCaveat::None;
};

// Every row, in the order a window lists them.
std::span<const SignRow> signsOfDeath();

// The row for a sign and a finding; none where the table has no such row
// (lividity "visible" has a row only for "no").
std::optional<std::size_t> signRowFor(DeathSign sign, SignFinding finding);

} // namespace quorrel
