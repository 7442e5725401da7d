#include "cooling.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quorrel;

TEST(Log10, DividesNaturalLogarithms)
{
    const struct {
        double x;
        Result<double> expected;
    } rows[] = {
        {0.75, -0.12493873660829993},
        {1.9299999999999997, 0.28555730900777365},
        {1.0, 0.0},
        {1000.0, 2.9999999999999996}, // the quotient, not the library's log10
        {5e-324, -323.30621534311575},
        {0.0, std::nullopt},
        {-1.0, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(Log10(row.x), row.expected);
    }
}

TEST(EstimateHoursSinceDeath, AgreesToTheLastBit)
{
    const struct {
        const char *name;
        double ambient, first, second, elapsed;
        double hours;
    } rows[] = {
        {"worked example", 60, 80, 75, 2, 4.571157300926373},
        {"one hour between readings", 60, 80, 75, 1, 2.2855786504631865},
        {"four hours between readings", 60, 80, 75, 4, 9.142314601852746},
        {"negative elapsed time gives the same hours", 60, 80, 75, -2, 4.571157300926373},
        {"decimal first reading uses the exact excess", 60, 80.6, 75, 2, 3.9588921275185394},
        {"first excess of 2.5 is not rounded to 2", 60, 62.5, 61, 2, 5.974002463166962},
        {"first reading within half a degree of the room", 60, 60.5, 60.2, 2, 9.486944057899168},
        {"the body warmed", 60, 75, 80, 2, 6.571157300926375},
        {"first reading above normal", 60, 100, 95, 2, 0.533615009068788},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Result<double> hours =
            estimateHoursSinceDeath(row.ambient, row.first, row.second, row.elapsed);
        ASSERT_TRUE(hours.has_value());
        EXPECT_EQ(*hours, row.hours);
    }
}

TEST(EstimateHoursSinceDeath, FailsWhereTheLawIsUndefined)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char *name;
        double ambient, first, second, elapsed;
    } rows[] = {
        {"no time between readings", 60, 80, 75, 0},
        {"first reading equals the room", 60, 60, 75, 2},
        {"both readings equal the room (0/0)", 60, 60, 60, 2},
        {"second reading equals the room", 60, 80, 60, 2},
        {"readings on opposite sides of the room", 60, 80, 50, 2},
        {"no cooling between readings", 60, 80, 80, 2},
        {"room at normal body temperature", 98.6, 80, 75, 2},
        {"room above the body and normal below it", 70, 60, 65, 2},
        {"excess beyond the double range", -1.7e308, 1.7e308, 0, 2},
        {"estimate beyond the double range", 60, 80, 79.9, 1e308},
        {"finite inputs, result not finite", 60, 61, 60.5, 4.3e307},
        {"infinite entry", 60, inf, 75, 2},
        {"NaN entry", 60, 80, std::numeric_limits<double>::quiet_NaN(), 2},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(estimateHoursSinceDeath(row.ambient, row.first, row.second, row.elapsed));
    }
}
