#include "clock.h"

#include "locales.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

using namespace quorrel;
using namespace quorrel::test;

namespace
{
const double kWorkedHours = 4.571157300926373;
} // namespace

TEST(ConvertToMilitaryTime, CountsTwelveAmAsTheEndOfTheDay)
{
    const struct {
        const char *name;
        const char *hour;
        Meridiem amPm;
        NumberLocale locale;
        Result<std::int16_t> expected;
    } rows[] = {
        {"12 AM counts as hour 24", "12", Meridiem::AM, kEnglish, 24},
        {"01 AM", "01", Meridiem::AM, kEnglish, 1},
        {"11 AM", "11", Meridiem::AM, kEnglish, 11},
        {"12 PM is noon", "12", Meridiem::PM, kEnglish, 12},
        {"01 PM", "01", Meridiem::PM, kEnglish, 13},
        {"11 PM", "11", Meridiem::PM, kEnglish, 23},
        {"nothing picked gives 0", "12", Meridiem::None, kEnglish, 0},
        {"neither does not read the hour", "ab", Meridiem::None, kEnglish, 0},
        {"hour not a number with AM", "ab", Meridiem::AM, kEnglish, std::nullopt},
        {"empty hour with PM", "", Meridiem::PM, kEnglish, std::nullopt},
        {"hour beyond 16 bits", "40000", Meridiem::AM, kEnglish, std::nullopt},
        {"PM pushes the hour beyond 16 bits", "32756", Meridiem::PM, kEnglish, std::nullopt},
        {"German decimal comma, half to even", "2,5", Meridiem::AM, kGerman, 2},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(convertToMilitaryTime(row.hour, row.amPm, row.locale), row.expected);
    }
}

TEST(GetHoursOrMinutes, SplitsTheEstimateIntoWholeUnits)
{
    const struct {
        const char *name;
        double hours;
        int h, m, s;
    } rows[] = {
        {"worked example", kWorkedHours, 4, 34, 16},
        {"0.99999 hours round up to the hour", 0.99999, 1, 0, 0},
        {"just over 59.5 seconds make the next minute", 0.01652777777777778, 0, 1, 0},
        {"112.5 seconds: the half goes down to the even second", 0.03125, 0, 1, 52},
        {"337.5 seconds: the half goes up to the even second", 0.09375, 0, 5, 38},
        {"zero", 0.0, 0, 0, 0},
        {"largest estimate that fits", 596523.0, 596523, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(getHoursOrMinutes("h", row.hours), row.h);
        EXPECT_EQ(getHoursOrMinutes("m", row.hours), row.m);
        EXPECT_EQ(getHoursOrMinutes("s", row.hours), row.s);
    }
    for (const char *selector : {"H", "", "x", "hours"}) {
        SCOPED_TRACE(selector);
        EXPECT_EQ(getHoursOrMinutes(selector, kWorkedHours), 0);
    }
    EXPECT_FALSE(getHoursOrMinutes("x", 596524.0)) << "beyond 32-bit seconds fails";
}

TEST(BuildDeathClockTime, CountsBackFromTheTimeOfDiscovery)
{
    const struct {
        const char *name;
        const char *hour, *minute, *second;
        Meridiem amPm;
        double hours;
        const char *expected; // nullptr: fails
    } rows[] = {
        {"worked example", "12", "00", "00", Meridiem::AM, kWorkedHours, "7:25:44 PM"},
        {"wraps into the previous day", "01", "00", "00", Meridiem::AM, kWorkedHours, "8:25:44 PM"},
        {"minutes of discovery", "12", "30", "00", Meridiem::AM, kWorkedHours, "7:55:44 PM"},
        {"short estimate past midnight wraps forward", "12", "30", "00", Meridiem::AM, 10.0 / 60,
         "12:20:00 AM"},
        {"one hour between readings", "12", "00", "00", Meridiem::AM, 2.2855786504631865,
         "9:42:52 PM"},
        {"noon", "12", "00", "00", Meridiem::PM, 1.5, "10:30:00 AM"},
        {"neither AM nor PM counts as hour 0", "12", "00", "00", Meridiem::None, 1.0,
         "11:00:00 PM"},
        {"estimate of several days shows the time of day only", "06", "00", "00", Meridiem::PM,
         48.0, "6:00:00 PM"},
        {"40,000 hours overflow the hour", "12", "00", "00", Meridiem::AM, 40000.0, nullptr},
        {"typed minutes beyond 16 bits", "12", "99999", "00", Meridiem::AM, 1.0, nullptr},
        {"typed seconds beyond the double range", "12", "00", "1e999", Meridiem::AM, 1.0, nullptr},
        {"hour not a number", "ab", "00", "00", Meridiem::PM, 1.0, nullptr},
        {"estimate beyond 32-bit seconds", "12", "00", "00", Meridiem::AM, 1e6, nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Result<ClockTime> time =
            buildDeathClockTime(row.hour, row.minute, row.second, row.amPm, row.hours, kEnglish);
        if (row.expected == nullptr) {
            EXPECT_FALSE(time.has_value());
        } else {
            ASSERT_TRUE(time.has_value());
            // Within the day before any formatting, which would hide a missing wrap.
            EXPECT_GE(time->seconds, 0);
            EXPECT_LT(time->seconds, kSecondsPerDay);
            EXPECT_EQ(formatClockTime(*time), row.expected);
        }
    }
}

TEST(FormatClockTime, WritesTwelveHourText)
{
    const struct {
        std::int32_t seconds;
        const char *text;
    } rows[] = {
        {0, "12:00:00 AM"},     {3600, "1:00:00 AM"},  {43199, "11:59:59 AM"},
        {43200, "12:00:00 PM"}, {69944, "7:25:44 PM"}, {86399, "11:59:59 PM"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(formatClockTime(ClockTime{row.seconds}), row.text);
}

TEST(ParseClockTime, ReadsOnlyTimesOfDay)
{
    const struct {
        const char *text;
        const char *expected; // nullptr: fails
    } rows[] = {
        {"12:00:00 AM", "12:00:00 AM"},
        {"12:00:00 PM", "12:00:00 PM"},
        {"1:5:9 AM", "1:05:09 AM"},
        {"07:25:44 PM", "7:25:44 PM"},
        {"", nullptr},
        {"12:00:00", nullptr},
        {"12:00:00 am", nullptr},
        {"12:00:00 AM / PM", nullptr},
        {"13:00:00 AM", nullptr},
        {"0:00:00 AM", nullptr},
        {"00:00:00 PM", nullptr},
        {"12:60:00 AM", nullptr},
        {"12:00:60 PM", nullptr},
        {"012:00:00 AM", nullptr},
        {"12:000:00 AM", nullptr},
        {"12:00:00  AM", nullptr},
        {" 12:00:00 AM", nullptr},
        {"12:00:00 AM ", nullptr},
        {"12:00:00 AMX", nullptr},
        {"ab:00:00 AM", nullptr},
        {"Hour:Minute:Second AM / PM", nullptr},
        {"-1:00:00 AM", nullptr},
        {"12.00.00 AM", nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        const Result<ClockTime> time = parseClockTime(row.text);
        if (row.expected == nullptr) {
            EXPECT_FALSE(time.has_value());
        } else {
            ASSERT_TRUE(time.has_value());
            EXPECT_EQ(formatClockTime(*time), row.expected);
        }
    }
}

TEST(ParseClockTime, EveryPickListCombinationRoundTrips)
{
    int checked = 0;
    for (const auto &[amPm, meridiem] :
         {std::pair{"AM", Meridiem::AM}, std::pair{"PM", Meridiem::PM}}) {
        for (int hour = 1; hour <= 12; ++hour) {
            for (int minute = 0; minute < 60; ++minute) {
                for (int second = 0; second < 60; ++second) {
                    char pick[16];
                    char shown[16];
                    std::snprintf(pick, sizeof pick, "%02d:%02d:%02d %s", hour, minute, second,
                                  amPm);
                    std::snprintf(shown, sizeof shown, "%d:%02d:%02d %s", hour, minute, second,
                                  amPm);
                    const Result<ClockTime> time = parseClockTime(pick);
                    ASSERT_TRUE(time.has_value()) << pick;
                    ASSERT_EQ(formatClockTime(*time), shown);
                    ASSERT_EQ(parseClockTime(shown), time) << shown;
                    // The same time as the main window's lists hold it.
                    ASSERT_EQ(readPickedTime({pick, 2}, {pick + 3, 2}, {pick + 6, 2}, meridiem),
                              time)
                        << pick;
                    ++checked;
                }
            }
        }
    }
    EXPECT_EQ(checked, 12 * 60 * 60 * 2);
}

TEST(ParseClockTime, EverySecondOfTheDayRoundTrips)
{
    for (std::int32_t s = 0; s < kSecondsPerDay; ++s)
        ASSERT_EQ(parseClockTime(formatClockTime(ClockTime{s})), ClockTime{s}) << s;
}
