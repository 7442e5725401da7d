#include "signs.h"

#include "published_signs.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace quorrel;
using namespace quorrel::test;

TEST(SignsOfDeath, EachFindingBoundsTheHoursAsPublished)
{
    ASSERT_EQ(signsOfDeath().size(), std::size(kPublished));
    for (const Published &p : kPublished) {
        SCOPED_TRACE(p.name);
        const std::optional<std::size_t> index = signRowFor(p.sign, p.finding);
        ASSERT_TRUE(index);
        const SignRow &row = signsOfDeath()[*index];
        const SignBoundKind kind = p.atLeast && p.atMost ? SignBoundKind::Between
                                   : p.atLeast           ? SignBoundKind::AtLeast
                                                         : SignBoundKind::AtMost;
        EXPECT_EQ(row.kind, kind);
        if (p.atLeast) {
            EXPECT_EQ(row.fromHours, *p.atLeast);
        }
        if (p.atMost) {
            EXPECT_EQ(row.toHours, *p.atMost);
        }
        EXPECT_FALSE(row.source.empty());
    }
}

TEST(SignsOfDeath, CitesEachRowAndShowsTheDoubtsBesideIt)
{
    const struct {
        const char *name;
        S sign;
        F finding;
        const char *sourceHas;
        SignCaveat caveat;
    } rows[] = {
        {"lividity from the 2000 table", S::LividityMaximal, F::Yes, "113:320", SignCaveat::None},
        {"rigor resolving from Mallach", S::RigorResolving, F::Yes, "Mallach (1964)",
         SignCaveat::None},
        {"rigor re-established may come late", S::RigorReestablishedAfterBreaking, F::Yes,
         "113:320", SignCaveat::RigorLate},
        {"the eyelid's grades from both papers", S::ElectricalEyelid, F::GradeIII, "47:207",
         SignCaveat::GradesDoNotHold},
        {"the iris tests doubted", S::IrisAcetylcholine, F::No, "113:320",
         SignCaveat::IrisUnreliable},
        {"no row where the table has none", S::LividityVisible, F::Yes, nullptr, SignCaveat::None},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<std::size_t> index = signRowFor(row.sign, row.finding);
        ASSERT_EQ(index.has_value(), row.sourceHas != nullptr);
        if (!index)
            continue;
        const SignRow &found = signsOfDeath()[*index];
        EXPECT_NE(found.source.find(row.sourceHas), std::string_view::npos);
        EXPECT_EQ(found.caveat, row.caveat);
    }
}
