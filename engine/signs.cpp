#include "signs.h"

#include <iterator>

namespace quorrel
{
namespace
{

constexpr std::string_view kHenssge2000 =
    "Henssge, Althaus, Bolt et al., Int J Legal Med 113:320\u2013331 (2000), Table 1";
constexpr std::string_view kHenssge2000Madea1990 =
    "Henssge, Althaus, Bolt et al., Int J Legal Med 113:320\u2013331 (2000), Table 1; "
    "Madea & Henssge, Forensic Sci Int 47:207\u2013227 (1990)";
constexpr std::string_view kMallach1964 = "Mallach (1964)";

constexpr SignCaveat kRigorLate = SignCaveat::RigorLate;
constexpr SignCaveat kIrisUnreliable = SignCaveat::IrisUnreliable;
constexpr SignCaveat kGradesDoNotHold = SignCaveat::GradesDoNotHold;

using S = DeathSign;
using F = SignFinding;
using K = SignBoundKind;

constexpr SignRow kRows[] = {
    {S::LividityVisible, F::No, K::AtMost, 0, 3, kHenssge2000, {}},
    {S::LividityConfluent, F::Yes, K::AtLeast, 1, 0, kHenssge2000, {}},
    {S::LividityConfluent, F::No, K::AtMost, 0, 4, kHenssge2000, {}},
    {S::LividityMaximal, F::Yes, K::AtLeast, 3, 0, kHenssge2000, {}},
    {S::LividityMaximal, F::No, K::AtMost, 0, 16, kHenssge2000, {}},
    {S::LividityVanishesUnderThumbPressure, F::Yes, K::AtMost, 0, 20, kHenssge2000, {}},
    {S::LividityVanishesUnderThumbPressure, F::No, K::AtLeast, 1, 0, kHenssge2000, {}},
    {S::LividityShiftsCompletelyWhenTurned, F::Yes, K::AtMost, 0, 6, kHenssge2000, {}},
    {S::LividityShiftsCompletelyWhenTurned, F::No, K::AtLeast, 2, 0, kHenssge2000, {}},
    {S::LividityShiftsInPartWhenTurned, F::Yes, K::AtMost, 0, 24, kHenssge2000, {}},
    {S::LividityShiftsInPartWhenTurned, F::No, K::AtLeast, 4, 0, kHenssge2000, {}},
    {S::RigorPresent, F::Yes, K::AtLeast, 0.5, 0, kHenssge2000, {}},
    {S::RigorPresent, F::No, K::AtMost, 0, 7, kHenssge2000, {}},
    {S::RigorMaximal, F::Yes, K::AtLeast, 2, 0, kHenssge2000, {}},
    {S::RigorMaximal, F::No, K::AtMost, 0, 20, kHenssge2000, {}},
    {S::RigorReestablishedAfterBreaking, F::Yes, K::AtMost, 0, 8, kHenssge2000, kRigorLate},
    {S::RigorReestablishedAfterBreaking, F::No, K::AtLeast, 2, 0, kHenssge2000, kRigorLate},
    {S::RigorResolving, F::Yes, K::AtLeast, 24, 0, kMallach1964, {}},
    {S::RigorResolved, F::Yes, K::AtLeast, 24, 0, kMallach1964, {}},
    {S::MechanicalWholeMuscleContraction, F::Yes, K::AtMost, 0, 2.5, kHenssge2000, {}},
    {S::MechanicalIdiomuscularBulge, F::Yes, K::AtMost, 0, 13, kHenssge2000, {}},
    {S::MechanicalIdiomuscularBulge, F::No, K::AtLeast, 1.5, 0, kHenssge2000, {}},
    {S::ElectricalEyelid, F::GradeVI, K::Between, 1, 6, kHenssge2000Madea1990, kGradesDoNotHold},
    {S::ElectricalEyelid, F::GradeV, K::Between, 2, 7, kHenssge2000Madea1990, kGradesDoNotHold},
    {S::ElectricalEyelid, F::GradeIV, K::Between, 3, 8, kHenssge2000Madea1990, kGradesDoNotHold},
    {S::ElectricalEyelid, F::GradeIII, K::Between, 3.5, 13, kHenssge2000Madea1990,
     kGradesDoNotHold},
    {S::ElectricalEyelid, F::GradeII, K::Between, 5, 16, kHenssge2000Madea1990, kGradesDoNotHold},
    {S::ElectricalEyelid, F::GradeI, K::Between, 5, 22, kHenssge2000Madea1990, kGradesDoNotHold},
    {S::ElectricalEyelid, F::NoReaction, K::AtLeast, 5, 0, kHenssge2000, {}},
    {S::ElectricalCornerOfMouth, F::Yes, K::AtMost, 0, 11, kHenssge2000, {}},
    {S::ElectricalCornerOfMouth, F::No, K::AtLeast, 3, 0, kHenssge2000, {}},
    {S::IrisTropicamide, F::Yes, K::AtMost, 0, 30, kHenssge2000, kIrisUnreliable},
    {S::IrisTropicamide, F::No, K::AtLeast, 5, 0, kHenssge2000, kIrisUnreliable},
    {S::IrisAcetylcholine, F::Yes, K::AtMost, 0, 46, kHenssge2000, kIrisUnreliable},
    {S::IrisAcetylcholine, F::No, K::AtLeast, 14, 0, kHenssge2000, kIrisUnreliable},
};

} // namespace

std::span<const SignRow> signsOfDeath()
{
    return kRows;
}

std::optional<std::size_t> signRowFor(DeathSign sign, SignFinding finding)
{
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (kRows[i].sign == sign && kRows[i].finding == finding)
            return i;
    }
    return std::nullopt;
}

} // namespace quorrel
