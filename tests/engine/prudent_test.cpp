#include "prudent.h"

#include "numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace quorrel
{
namespace
{

Decimal dec(const char *text)
{
    return localeToDecimal(text, NumberLocale{}).value_or(Decimal());
}

// Typed as the windows type them: °F, kilograms, the factor.
struct Typed {
    const char *room, *body, *mass, *factor;
    const char *roomPm = "0", *massPm = "0", *factorPm = "0";
    bool forThisMass = false;
    HenssgeTypedEntries entries() const
    {
        return {dec(room), dec(body), dec(mass), false, dec(factor)};
    }
    HenssgeTypedUncertainty pm() const { return {dec(roomPm), dec(massPm), dec(factorPm)}; }
};

// A grid point as a decimal of a billionth: the ends of a range typed
// with fewer decimals come out exactly as typed.
Decimal gridPoint(double from, double to, int i, int steps)
{
    return Decimal(std::llround((from + (to - from) * i / steps) * 1e9), -9);
}

// The widest limits found at every point of a dense grid over the ranges,
// each decided on its decimals as a typed entry is.
struct GridWidest {
    double earliest = 0.0;
    double latest = 1e300;
};

GridWidest denseGrid(const Typed &t, int steps)
{
    const double room = std::atof(t.room), roomPm = std::atof(t.roomPm);
    const double mass = std::atof(t.mass), massPm = std::atof(t.massPm);
    const double factor = std::atof(t.factor), factorPm = std::atof(t.factorPm);
    const double massFrom = std::max(mass - massPm, 1.0), massTo = std::min(mass + massPm, 250.0);
    const double factorFrom = std::max(factor - factorPm, 0.3);
    const double factorTo = std::min(factor + factorPm, 3.0);
    GridWidest widest;
    for (int i = 0; i <= steps; ++i)
        for (int j = 0; j <= steps; ++j)
            for (int k = 0; k <= steps; ++k) {
                const HenssgeTypedEntries at{gridPoint(room - roomPm, room + roomPm, i, steps),
                                             dec(t.body), gridPoint(massFrom, massTo, j, steps),
                                             false, gridPoint(factorFrom, factorTo, k, steps)};
                const HenssgeResult r = estimateHenssge(henssgeInputFromTyped(at, !t.forThisMass));
                if (!r.estimate)
                    continue;
                const double limit = r.estimate->limitHours.value_or(0.0);
                widest.earliest = std::max(widest.earliest, r.estimate->hoursSinceDeath + limit);
                widest.latest = std::min(widest.latest, r.estimate->hoursSinceDeath - limit);
            }
    return widest;
}

struct PrudentRow {
    const char *name;
    Typed typed;
    // The published rule's ends, computed apart from the engine, where the
    // row has them; NaN otherwise.
    double earliest = std::nan("");
    double latest = std::nan("");
    // An edge inside the ranges puts the widest limits between the corners:
    // a dense grid finds them wider than the corners do.
    bool edgeInside = false;
    bool earliestOpen = false;
    // The ends cut to what the nomogram accepts: "room-", "mass+", ...
    const char *cuts = "";
};

class PrudentRows : public ::testing::TestWithParam<PrudentRow>
{
};

TEST_P(PrudentRows, GivesTheWidestLimitsAndNoGridPointIsWider)
{
    const PrudentRow &row = GetParam();
    const Typed &t = row.typed;
    const PrudentResult result = prudentHenssge(t.entries(), !t.forThisMass, t.pm());
    ASSERT_TRUE(result.interval) << row.name << " refused " << int(result.refusal);
    const PrudentInterval &p = *result.interval;
    EXPECT_EQ(p.earliestOpen, row.earliestOpen) << row.name;
    std::string cuts;
    for (const auto &[range, cut] : {std::pair{"room", result.roomCut},
                                     {"mass", result.massCut},
                                     {"factor", result.factorCut}}) {
        cuts += cut.below ? range + std::string("- ") : "";
        cuts += cut.above ? range + std::string("+ ") : "";
    }
    EXPECT_EQ(cuts, row.cuts) << row.name;
    if (!std::isnan(row.earliest)) {
        EXPECT_NEAR(p.earliestHours, row.earliest, 0.02) << row.name;
    }
    if (!std::isnan(row.latest)) {
        EXPECT_NEAR(p.latestHours, row.latest, 0.02) << row.name;
    }
    // The property: the corners plus the crossings bound every point.
    const GridWidest grid = denseGrid(t, 24);
    if (!p.earliestOpen) {
        EXPECT_LE(grid.earliest, p.earliestHours + 1e-9) << row.name;
    }
    EXPECT_GE(grid.latest, p.latestHours - 1e-9) << row.name;
    const GridWidest corners = denseGrid(t, 1);
    if (row.edgeInside) {
        EXPECT_TRUE(grid.earliest > corners.earliest + 0.01 || grid.latest < corners.latest - 0.01)
            << row.name << ": the corners alone are as wide as the grid";
    }
    // The interval holds the exact estimate's own limits.
    const HenssgeEstimate exact =
        *estimateHenssge(henssgeInputFromTyped(t.entries(), !t.forThisMass)).estimate;
    if (!p.earliestOpen) {
        EXPECT_GE(p.earliestHours, exact.hoursSinceDeath + exact.limitHours.value_or(0.0) - 1e-9)
            << row.name;
    }
    EXPECT_LE(p.latestHours,
              std::max(exact.hoursSinceDeath - exact.limitHours.value_or(0.0), 0.0) + 1e-9)
        << row.name;
}

const double kNone = std::nan("");

INSTANTIATE_TEST_SUITE_P(
    Ranges, PrudentRows,
    ::testing::Values(
        // The worked example: the room's range crosses Q = 0.5, so its warm
        // end takes the ±4.5 h of the second band with a factor, and the
        // factor's range leaves 1.0 only at its centre.
        PrudentRow{"worked_example_crosses_Q_0_5",
                   {"60", "80", "70", "1.0", "1.8", "3", "0.1"},
                   21.683,
                   8.433,
                   true},
        // Exact entries: the estimate's own limits, 14 h 20 min ±2.8 h.
        PrudentRow{
            "no_uncertainty_is_the_estimate", {"60", "80", "70", "1.0"}, 14.33 + 2.8, 14.33 - 2.8},
        // 73.76 °F is 23.2 °C exactly, the cooler formula's: every corner
        // keeps it, as the exact estimate does.
        PrudentRow{"room_exactly_23_2",
                   {"73.76", "90", "70", "1.0", "0", "3", "0.1"},
                   11.932 + 2.8,
                   9.188 - 2.8},
        // Q = 0.5 exactly is in the second band: ±4.5 h with a factor.
        PrudentRow{"q_exactly_0_5",
                   {"60", "79.48", "70", "1.0", "", "3", "0.1"},
                   16.792 + 4.5,
                   12.930 - 4.5},
        // A room range across 23.2 °C: another formula above it, and the
        // longest time just below the edge, not at a corner.
        PrudentRow{
            "room_range_crosses_23_2", {"73.4", "86", "70", "1.0", "0.9"}, kNone, kNone, true},
        // Q = 0.5 crossed inside the room's range, all else exact.
        PrudentRow{
            "room_range_crosses_Q_0_5_alone", {"60", "80", "70", "1.2", "1.8"}, kNone, kNone, true},
        // Q = 0.2 crossed: the colder rooms have limits, the warmer none.
        PrudentRow{"room_range_crosses_Q_0_2",
                   {"60", "67.5", "70", "1.0", "1.8", "3", "0.1"},
                   kNone,
                   kNone},
        // A factor's range across the mass rule's 1.4 for a light body, and
        // a mass range across its 70 kg: the time jumps there, within what
        // the corners give.
        PrudentRow{"factor_crosses_1_4_for_50_kg", {"59", "82.4", "50", "1.4", "0", "0", "0.1"}},
        PrudentRow{"mass_crosses_70_kg_covered", {"59", "82.4", "70", "2.0", "0", "3"}},
        // A ± as large as its entry: the ranges stop where the nomogram does.
        PrudentRow{.name = "plus_minus_equal_to_the_entry",
                   .typed = {"60", "80", "70", "1.0", "0", "70", "1.0"},
                   .cuts = "mass- factor- "},
        PrudentRow{.name = "factor_3_0_plus_0_1_stops_at_3_0",
                   .typed = {"60", "80", "70", "3.0", "0", "3", "0.1"},
                   .cuts = "factor+ "},
        PrudentRow{.name = "room_range_stops_at_absolute_zero",
                   .typed = {"-400", "80", "70", "1.0", "100"},
                   .cuts = "room- "},
        // Found soon after death: the latest end lies past the discovery.
        PrudentRow{"latest_end_past_the_discovery",
                   {"60", "98", "70", "1.0", "1.8", "3", "0.1"},
                   kNone,
                   kNone},
        // The heaviest corner is past the nomogram: no earliest end.
        PrudentRow{"corner_beyond_the_nomogram",
                   {"60", "90", "145", "3.0", "1.8", "3", "0.1", true},
                   kNone,
                   kNone,
                   false,
                   true,
                   "factor+ "},
        // Everything uncertain at once, across several edges.
        PrudentRow{
            "all_three_wide", {"68", "86", "75", "1.3", "6.3", "10", "0.3"}, kNone, kNone, true}),
    [](const ::testing::TestParamInfo<PrudentRow> &info) { return std::string(info.param.name); });

struct RefusalRow {
    const char *name;
    Typed typed;
    PrudentRefusal refusal;
};

class PrudentRefusals : public ::testing::TestWithParam<RefusalRow>
{
};

TEST_P(PrudentRefusals, RefusesAnUncertaintyThatSaysNothing)
{
    const RefusalRow &row = GetParam();
    const PrudentResult result =
        prudentHenssge(row.typed.entries(), !row.typed.forThisMass, row.typed.pm());
    EXPECT_FALSE(result.interval) << row.name;
    EXPECT_EQ(result.refusal, row.refusal) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, PrudentRefusals,
    ::testing::Values(RefusalRow{"negative_mass",
                                 {"60", "80", "70", "1.0", "1.8", "-3", "0.1"},
                                 PrudentRefusal::Negative},
                      RefusalRow{"mass_more_than_the_mass",
                                 {"60", "80", "70", "1.0", "1.8", "70.0001", "0.1"},
                                 PrudentRefusal::LargerThanValue},
                      RefusalRow{"factor_more_than_the_factor",
                                 {"60", "80", "70", "1.0", "1.8", "3", "1.5"},
                                 PrudentRefusal::LargerThanValue},
                      // 60 ± 20 °F takes the room exactly up to a body at 80 °F.
                      RefusalRow{"room_range_reaches_the_body",
                                 {"60", "80", "70", "1.0", "20", "3", "0.1"},
                                 PrudentRefusal::RoomReachesBody},
                      // Q = 0.2 exactly, nothing uncertain: no limits anywhere, so no
                      // interval between the estimate and itself.
                      RefusalRow{"q_0_2_no_limits_anywhere",
                                 {"60", "67.792", "70", "1.0"},
                                 PrudentRefusal::NoLimitsPublished}),
    [](const ::testing::TestParamInfo<RefusalRow> &info) { return std::string(info.param.name); });

} // namespace
} // namespace quorrel
