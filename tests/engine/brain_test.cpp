#include "brain.h"

#include "numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorrel
{
namespace
{

BrainResult typed(const char *room, const char *brain)
{
    const NumberLocale english;
    return estimateBrain(
        brainInputFromTyped({*localeToDecimal(room, english), *localeToDecimal(brain, english)}));
}

// The room at 0 °C and a brain at Q of the start: the published points.
BrainResult atQ(double q)
{
    return estimateBrain({0.0, q * 37.2, std::nullopt});
}

TEST(BrainNomogram, MeetsThePublishedPointsAndTheWorkedExample)
{
    const struct {
        const char *name;
        BrainResult result;
        double hours, tolerance;
        std::optional<double> limit;
        bool outsideStudied;
    } rows[] = {
        {"Q = 0.5 at about 6.5 h", atQ(0.5), 6.5, 0.1, 1.5, true},
        {"Q = 0.3 at about 10.5 h", atQ(0.3), 10.5, 0.1, 2.5, true},
        {"the worked example: room 60 °F, brain 80 °F", typed("60", "80"), 6.245, 0.001, 1.5,
         false},
        {"98.96 °F is 0 hours", typed("60", "98.96"), 0.0, 0.0, 1.5, false},
        {"a brain a hair above the room: Q of 2.6e-18, no limits",
         typed("60", "60.0000000000000001"), 319.925, 0.001, std::nullopt, false},
        {"77 °F is 25 °C, still a studied room", typed("77", "90"), 5.118, 0.001, 1.5, false},
        {"a hair above 77 °F is not", typed("77.0000000000000001", "90"), 5.118, 0.001, 1.5, true},
        {"50 °F is 10 °C, still studied", typed("50", "62"), 12.069, 0.001, 3.5, false},
        {"a hair below 50 °F is not", typed("49.9999999999999999", "62"), 12.069, 0.001, 3.5, true},
        {"long after death no limits are published", typed("60", "62"), 24.378, 0.001, std::nullopt,
         false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(row.result.estimate);
        EXPECT_NEAR(row.result.estimate->hoursSinceDeath, row.hours, row.tolerance);
        EXPECT_EQ(row.result.estimate->limitHours, row.limit);
        EXPECT_EQ(row.result.estimate->roomOutsideStudied, row.outsideStudied);
    }
    EXPECT_NEAR(typed("60", "80").estimate->q, 0.5133, 0.0001);
}

// Decided on the minute the estimate is given to: a hair past an edge is
// still that minute, the next minute is past it.
TEST(BrainNomogram, LimitsChangeAtTheMinutePastEachEdge)
{
    const double hair = 1e-7, halfMinute = 0.5 / 60.0;
    EXPECT_EQ(brainLimitHours(6.5 - hair), 1.5);
    EXPECT_EQ(brainLimitHours(6.5 + hair), 1.5);
    EXPECT_EQ(brainLimitHours(6.5 + halfMinute + hair), 2.5);
    EXPECT_EQ(brainLimitHours(10.5 + hair), 2.5);
    EXPECT_EQ(brainLimitHours(10.5 + halfMinute + hair), 3.5);
    EXPECT_EQ(brainLimitHours(13.5 + hair), 3.5);
    EXPECT_EQ(brainLimitHours(13.5 + halfMinute + hair), std::nullopt);
}

TEST(BrainNomogram, RefusesWhatHasNoCooling)
{
    const struct {
        const char *name;
        BrainResult result;
        BrainRefusal refusal;
    } rows[] = {
        {"a hair above 98.96 °F: Q above 1", typed("60", "98.9600000000000001"),
         BrainRefusal::BrainAboveStart},
        {"the room as warm as the brain: Q of 0", typed("79.48", "79.48"),
         BrainRefusal::RoomNotColder},
        {"a room a hair warmer than the brain", typed("60.0000000000000001", "60"),
         BrainRefusal::RoomNotColder},
        {"a room below absolute zero", typed("-460", "80"), BrainRefusal::RoomBelowAbsoluteZero},
        {"not a number", estimateBrain({std::nan(""), 30.0}), BrainRefusal::NotFinite},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(row.result.estimate);
        EXPECT_EQ(row.result.refusal, row.refusal);
    }
}

} // namespace
} // namespace quorrel
