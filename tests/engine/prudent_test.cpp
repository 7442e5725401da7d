#include "prudent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quorrel
{
namespace
{

HenssgeInput input(double roomC, double bodyC, double massKg, double factor)
{
    HenssgeInput in;
    in.ambient = roomC;
    in.rectal = bodyC;
    in.massKg = massKg;
    in.factor = factor;
    in.adjustForMass = true;
    return in;
}

// The widest limits found at every point of a dense grid over the ranges.
struct GridWidest {
    double earliest = 0.0;
    double latest = 1e300;
};

GridWidest denseGrid(const HenssgeInput &centre, const PrudentInterval &ranges, int steps)
{
    GridWidest widest;
    for (int i = 0; i <= steps; ++i)
        for (int j = 0; j <= steps; ++j)
            for (int k = 0; k <= steps; ++k) {
                HenssgeInput at = centre;
                at.ambient = ranges.roomFrom + (ranges.roomTo - ranges.roomFrom) * i / steps;
                at.massKg = ranges.massFrom + (ranges.massTo - ranges.massFrom) * j / steps;
                at.factor = ranges.factorFrom + (ranges.factorTo - ranges.factorFrom) * k / steps;
                const HenssgeResult r = estimateHenssge(at);
                if (!r.estimate)
                    continue;
                const double limit = r.estimate->limitHours.value_or(0.0);
                widest.earliest = std::max(widest.earliest, r.estimate->hoursSinceDeath + limit);
                widest.latest =
                    std::min(widest.latest, std::max(r.estimate->hoursSinceDeath - limit, 0.0));
            }
    return widest;
}

// The widest limits at the eight corners of the ranges alone.
GridWidest cornersOnly(const HenssgeInput &centre, const PrudentInterval &ranges)
{
    return denseGrid(centre, ranges, 1);
}

struct PrudentRow {
    const char *name;
    HenssgeInput centre;
    HenssgeUncertainty pm;
    // The published worked example's ends, where the row is one; NaN
    // otherwise.
    double earliest = std::nan("");
    double latest = std::nan("");
    // An edge inside the ranges puts the widest limits between the corners:
    // a dense grid finds them wider than the corners do.
    bool edgeInside = false;
};

class PrudentRows : public ::testing::TestWithParam<PrudentRow>
{
};

TEST_P(PrudentRows, GivesTheWidestLimitsAndNoGridPointIsWider)
{
    const PrudentRow &row = GetParam();
    const PrudentResult result = prudentHenssge(row.centre, row.pm);
    ASSERT_TRUE(result.interval) << row.name;
    const PrudentInterval &p = *result.interval;
    if (!std::isnan(row.earliest)) {
        EXPECT_NEAR(p.earliestHours, row.earliest, 0.05) << row.name;
        EXPECT_NEAR(p.latestHours, row.latest, 0.05) << row.name;
    }
    // The property: the corners plus the crossings bound every point.
    const GridWidest grid = denseGrid(row.centre, p, 24);
    EXPECT_LE(grid.earliest, p.earliestHours + 1e-9) << row.name;
    EXPECT_GE(grid.latest, p.latestHours - 1e-9) << row.name;
    const GridWidest corners = cornersOnly(row.centre, p);
    if (row.edgeInside) {
        EXPECT_TRUE(grid.earliest > corners.earliest + 0.01 || grid.latest < corners.latest - 0.01)
            << row.name << ": the corners alone are as wide as the grid";
    }
    // The interval holds the exact estimate's own limits.
    const HenssgeEstimate exact = *estimateHenssge(row.centre).estimate;
    EXPECT_GE(p.earliestHours, exact.hoursSinceDeath + exact.limitHours.value_or(0.0) - 1e-9);
    EXPECT_LE(p.latestHours, exact.hoursSinceDeath - exact.limitHours.value_or(0.0) + 1e-9);
}

// 60 °F and 80 °F, as the main window's worked example types them.
const double kRoom60F = (60.0 - 32.0) * 5.0 / 9.0;
const double kBody80F = (80.0 - 32.0) * 5.0 / 9.0;
const double kNone = std::nan("");

INSTANTIATE_TEST_SUITE_P(
    Ranges, PrudentRows,
    ::testing::Values(
        // The worked example: the room's range crosses Q = 0.5, so its warm
        // end takes the ±4.5 h of the second band with a factor, and the
        // factor's range leaves 1.0 only at its centre.
        PrudentRow{"worked_example_crosses_Q_0_5", input(kRoom60F, kBody80F, 70, 1.0),
                   kDefaultUncertainty, 21.7, 8.4, true},
        // Exact entries: the estimate's own limits, 14 h 20 min ±2.8 h.
        PrudentRow{"no_uncertainty_is_the_estimate", input(kRoom60F, kBody80F, 70, 1.0),
                   HenssgeUncertainty{}, 14.33 + 2.8, 14.33 - 2.8, false},
        // A room range across 23.2 °C: another formula above it, and the
        // longest time just below the edge, not at a corner.
        PrudentRow{"room_range_crosses_23_2", input(23.0, 30.0, 70, 1.0),
                   HenssgeUncertainty{0.5, 0.0, 0.0}, kNone, kNone, true},
        // Q = 0.5 crossed inside the room's range, all else exact.
        PrudentRow{"room_range_crosses_Q_0_5_alone", input(kRoom60F, kBody80F, 70, 1.2),
                   HenssgeUncertainty{1.0, 0.0, 0.0}, kNone, kNone, true},
        // A factor's range across the mass rule's 1.4 for a light body, and
        // a mass range across its 70 kg: the time jumps there, within what
        // the corners give.
        PrudentRow{"factor_crosses_1_4_for_50_kg", input(15.0, 28.0, 50, 1.4),
                   HenssgeUncertainty{0.0, 0.0, 0.1}, kNone, kNone, false},
        PrudentRow{"mass_crosses_70_kg_covered", input(15.0, 28.0, 70, 2.0),
                   HenssgeUncertainty{0.0, 3.0, 0.0}, kNone, kNone, false},
        // Everything uncertain at once, across several edges.
        PrudentRow{"all_three_wide", input(20.0, 30.0, 75, 1.3), HenssgeUncertainty{3.5, 10.0, 0.3},
                   kNone, kNone, true}),
    [](const ::testing::TestParamInfo<PrudentRow> &info) { return std::string(info.param.name); });

struct RefusalRow {
    const char *name;
    HenssgeUncertainty pm;
    PrudentRefusal refusal;
};

class PrudentRefusals : public ::testing::TestWithParam<RefusalRow>
{
};

TEST_P(PrudentRefusals, RefusesAnUncertaintyThatSaysNothing)
{
    const RefusalRow &row = GetParam();
    const PrudentResult result = prudentHenssge(input(kRoom60F, kBody80F, 70, 1.0), row.pm);
    EXPECT_FALSE(result.interval) << row.name;
    EXPECT_EQ(result.refusal, row.refusal) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, PrudentRefusals,
    ::testing::Values(
        RefusalRow{"negative_mass", {1.0, -3.0, 0.1}, PrudentRefusal::NegativeOrNotFinite},
        RefusalRow{"nan_factor", {1.0, 3.0, std::nan("")}, PrudentRefusal::NegativeOrNotFinite},
        RefusalRow{"infinite_room", {INFINITY, 3.0, 0.1}, PrudentRefusal::NegativeOrNotFinite},
        RefusalRow{"mass_more_than_the_mass", {1.0, 71.0, 0.1}, PrudentRefusal::LargerThanValue},
        RefusalRow{"factor_more_than_the_factor", {1.0, 3.0, 1.5}, PrudentRefusal::LargerThanValue},
        RefusalRow{
            "room_range_reaches_the_body", {11.2, 3.0, 0.1}, PrudentRefusal::RoomReachesBody}),
    [](const ::testing::TestParamInfo<RefusalRow> &info) { return std::string(info.param.name); });

} // namespace
} // namespace quorrel
