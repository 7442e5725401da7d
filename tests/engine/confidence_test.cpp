#include "confidence.h"
#include "cooling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

using namespace quorrel;

namespace
{

// The law in closed form, written here apart from the engine's step order.
std::optional<double> law(double ta, double t1, double t2, double dt)
{
    const double hours =
        dt * std::log10((98.6 - ta) / (t1 - ta)) / std::log10((t2 - ta) / (t1 - ta));
    if (!std::isfinite(hours))
        return std::nullopt;
    return std::fabs(hours);
}

// A reading moved by a tenth, as the decimal a thermometer shows.
double moved(double reading, double step)
{
    return std::round((reading + step) * 1e9) / 1e9;
}

// The widest move over all readings off by 0.1 °F, in minutes.
std::optional<double> spread(double ta, double t1, double t2, double dt)
{
    const double base = *law(ta, t1, t2, dt);
    double widest = 0;
    for (double a : {-0.1, 0.0, 0.1})
        for (double f : {-0.1, 0.0, 0.1})
            for (double s : {-0.1, 0.0, 0.1}) {
                const std::optional<double> moved =
                    law(::moved(ta, a), ::moved(t1, f), ::moved(t2, s), dt);
                if (!moved)
                    return std::nullopt;
                widest = std::max(widest, std::fabs(*moved - base) * 60);
            }
    return widest;
}

} // namespace

TEST(JudgeEstimate, TellsHowLongAndHowSure)
{
    using Doubt = Confidence::Doubt;
    const struct {
        const char *name;
        double ambient, first, second, elapsed;
        Doubt doubt = Doubt::None;
        bool spreadBounded = true;
    } rows[] = {
        {.name = "worked example", .ambient = 60, .first = 80, .second = 75, .elapsed = 2},
        {.name = "beyond a day", .ambient = 60, .first = 80, .second = 79.7, .elapsed = 2},
        {.name = "a perturbed second reading equals the first",
         .ambient = 60,
         .first = 80,
         .second = 79.9,
         .elapsed = 2,
         .spreadBounded = false},
        {.name = "a perturbed second reading equals the room",
         .ambient = 60,
         .first = 80,
         .second = 60.1,
         .elapsed = 2,
         .spreadBounded = false},
        {.name = "exactly one day before discovery",
         .ambient = 60,
         .first = 80,
         .second = 75,
         .elapsed = 10.5006},
        {.name = "exactly two days before discovery",
         .ambient = 60,
         .first = 80,
         .second = 75,
         .elapsed = 21.0012},
        {.name = "a first reading of exactly normal is no doubt",
         .ambient = 60,
         .first = 98.6,
         .second = 75,
         .elapsed = 2},
        {.name = "readings that meet once moved, though binary sums miss",
         .ambient = 60,
         .first = 80,
         .second = 79.8,
         .elapsed = 2,
         .spreadBounded = false},
        {.name = "the same over a long gap, where the spread once overflowed",
         .ambient = 60,
         .first = 80,
         .second = 79.8,
         .elapsed = 200,
         .spreadBounded = false},
        {.name = "readings 0.3 apart stay bounded",
         .ambient = 60,
         .first = 80,
         .second = 79.7,
         .elapsed = 200},
        {.name = "the body warmed",
         .ambient = 60,
         .first = 75,
         .second = 80,
         .elapsed = 2,
         .doubt = Doubt::SecondFarther},
        {.name = "negative elapsed time",
         .ambient = 60,
         .first = 80,
         .second = 75,
         .elapsed = -2,
         .doubt = Doubt::NegativeElapsed},
        {.name = "first reading above normal",
         .ambient = 60,
         .first = 100,
         .second = 95,
         .elapsed = 2,
         .doubt = Doubt::FirstAboveNormal},
        {.name = "room warmer than the body",
         .ambient = 100,
         .first = 90,
         .second = 95,
         .elapsed = 2,
         .doubt = Doubt::RoomWarmer},
        {.name = "a room below absolute zero",
         .ambient = -500,
         .first = 80,
         .second = 75,
         .elapsed = 2,
         .doubt = Doubt::RoomBelowAbsoluteZero},
        {.name = "all three below absolute zero: the room is named first",
         .ambient = -600,
         .first = -470,
         .second = -500,
         .elapsed = 2,
         .doubt = Doubt::RoomBelowAbsoluteZero},
        {.name = "a room at absolute zero is no doubt",
         .ambient = -459.67,
         .first = 80,
         .second = 75,
         .elapsed = 2},
        {.name = "a second reading below absolute zero",
         .ambient = 100,
         .first = 90,
         .second = -470,
         .elapsed = 2,
         .doubt = Doubt::SecondBelowAbsoluteZero},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Result<double> hours =
            estimateHoursSinceDeath(row.ambient, row.first, row.second, row.elapsed);
        ASSERT_TRUE(hours.has_value());
        const Result<Confidence> judged =
            judgeEstimate(row.ambient, row.first, row.second, row.elapsed, *hours);
        ASSERT_TRUE(judged.has_value());
        EXPECT_EQ(judged->doubt, row.doubt);

        const std::int64_t total =
            std::llround(*law(row.ambient, row.first, row.second, row.elapsed) * 3600);
        EXPECT_EQ(judged->days, total / 86400);
        EXPECT_EQ(judged->hours, total / 3600 % 24);
        EXPECT_EQ(judged->minutes, total / 60 % 60);
        EXPECT_EQ(judged->seconds, total % 60);

        const std::optional<double> expected =
            spread(row.ambient, row.first, row.second, row.elapsed);
        ASSERT_EQ(judged->spreadMinutes.has_value(), row.spreadBounded);
        ASSERT_EQ(expected.has_value(), row.spreadBounded);
        if (row.spreadBounded) {
            EXPECT_NEAR(*judged->spreadMinutes, *expected, 1e-9 * std::max(1.0, *expected));
        }
    }
}

TEST(JudgeEstimate, WorkedExampleInFigures)
{
    const Result<Confidence> judged = judgeEstimate(60, 80, 75, 2, 4.571157300926373);
    ASSERT_TRUE(judged.has_value());
    EXPECT_EQ(judged->days, 0);
    EXPECT_EQ(judged->hours, 4);
    EXPECT_EQ(judged->minutes, 34);
    EXPECT_EQ(judged->seconds, 16);
    EXPECT_NEAR(*judged->spreadMinutes, 14.37, 0.01);
    const Result<Confidence> longer = judgeEstimate(60, 80, 79.7, 2, 87.01015747243218);
    ASSERT_TRUE(longer.has_value());
    EXPECT_EQ(longer->days, 3);
    EXPECT_EQ(longer->hours, 15);
}
