#include "conditional.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorrel
{
namespace
{

// Expected values from the normal distribution by hand (Python's
// statistics.NormalDist): the quantiles of the cut distribution are those of
// the whole at cdf(latest) + p (cdf(earliest) - cdf(latest)).
TEST(ConditionalProbability, CutsTheNomogramsDistributionToTheBounds)
{
    const struct {
        const char *name;
        NormalEstimate estimate;
        InvestigativeBounds bounds;
        std::optional<ConditionalInterval> expected;
    } rows[] = {
        // Rectal 14.34 h ±2.8, last seen 15 h before discovery: 9:04 AM to
        // 12:38 PM the day before, median 10:14 AM, 68 % within.
        {"the worked example: the sighting cuts the earliest end",
         normalFromLimit(14.34, 2.8),
         {15.0, 0.0},
         ConditionalInterval{14.9339, 11.3730, 13.7651, 0.68133}},
        {"bounds that cut both ends",
         {10.0, 2.0},
         {12.0, 8.0},
         ConditionalInterval{11.8636, 8.1364, 10.0, 0.68269}},
        {"bounds that cut neither: the plain 95 % interval",
         {10.0, 2.0},
         {100.0, -100.0},
         ConditionalInterval{13.9199, 6.0801, 10.0, 1.0}},
        {"the discovery cuts the latest end",
         {5.0, 1.5},
         {5.5, 0.0},
         ConditionalInterval{5.4378, 1.7902, 4.2795, 0.63013}},
        {"the most likely time before the last sighting: no answer",
         {16.0, 1.4},
         {15.0, 0.0},
         std::nullopt},
        {"the most likely time after the discovery: no answer",
         {-0.5, 1.4},
         {15.0, 0.0},
         std::nullopt},
        {"bounds that hold no time", {5.0, 1.0}, {4.0, 6.0}, std::nullopt},
        {"no spread", {5.0, 0.0}, {15.0, 0.0}, std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Result<ConditionalInterval> got = conditionalWithin(row.estimate, row.bounds);
        ASSERT_EQ(got.has_value(), row.expected.has_value());
        if (!got)
            continue;
        EXPECT_NEAR(got->earliestHours, row.expected->earliestHours, 1e-4);
        EXPECT_NEAR(got->latestHours, row.expected->latestHours, 1e-4);
        EXPECT_NEAR(got->medianHours, row.expected->medianHours, 1e-4);
        EXPECT_NEAR(got->shareWithin, row.expected->shareWithin, 1e-5);
    }
}

TEST(ConditionalProbability, OfAnyWindowWithinTheBounds)
{
    const NormalEstimate worked = normalFromLimit(14.34, 2.8);
    const InvestigativeBounds bounds{15.0, 0.0};
    // 10 to 11 AM the day before, found at midnight: 34 %.
    EXPECT_NEAR(*conditionalProbabilityBetween(worked, bounds, 14.0, 13.0), 0.34463, 1e-5);
    // The whole of the bounds, and a window reaching past them, are certain.
    EXPECT_NEAR(*conditionalProbabilityBetween(worked, bounds, 15.0, 0.0), 1.0, 1e-12);
    EXPECT_NEAR(*conditionalProbabilityBetween(worked, bounds, 40.0, -3.0), 1.0, 1e-12);
    // A window wholly before the last sighting.
    EXPECT_EQ(*conditionalProbabilityBetween(worked, bounds, 20.0, 16.0), 0.0);
    EXPECT_FALSE(conditionalProbabilityBetween({16.0, 1.4}, bounds, 14.0, 13.0));
}

} // namespace
} // namespace quorrel
