#include "estimate.h"

#include "cooling.h"

#include "locales.h"

#include <gtest/gtest.h>

using namespace quorrel;
using namespace quorrel::test;

namespace
{
const Picks kMidnight{"12", "00", "00", Meridiem::AM};
} // namespace

TEST(EstimateTimeOfDeath, WalksTheWholeRoad)
{
    using Outcome = Estimate::Outcome;
    const struct {
        const char *name;
        Entries entries;
        Picks picks = kMidnight;
        Outcome outcome = Outcome::Invalid;
        bool hoursKnown = false;
        const char *found = nullptr; // the clock texts, when estimated
        const char *death = nullptr;
        NumberLocale locale = kEnglish;
        // The clock time of the second reading (nullptr: it has none), and
        // whether the estimate has a curve: none where the readings make it
        // doubtful.
        const char *secondAt = nullptr;
        bool curve = false;
        // Where the drawn curve ends, a quarter of the span from death to the
        // second reading after that reading; checked where given.
        const char *curveEndsAt = nullptr;
        // Why it failed, and which entry, where that is checked.
        std::optional<Estimate::Failure> failure = std::nullopt;
        int failedEntry = -1;
    } rows[] = {
        {.name = "worked example",
         .entries = {"60", "80", "75", "2"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "7:25:44 PM",
         .secondAt = "2:00:00 AM",
         .curve = true,
         .curveEndsAt = "3:38:34 AM"},
        {.name = "one entry non-zero is enough to go on", .entries = {"", "", "", "2"}},
        {.name = "a zero last entry alone does not mean nothing was entered",
         .entries = {"60", "80", "75", "0"}},
        {.name = "nothing entered", .entries = {"", "", "", ""}, .outcome = Outcome::NoNumbers},
        {.name = "everything rounds to zero",
         .entries = {"0.5", "-0.5", "abc", "0"},
         .outcome = Outcome::NoNumbers},
        {.name = "leading number beyond 32 bits",
         .entries = {"1E10", "80", "75", "2"},
         .failure = Estimate::Failure::EntryOutOfRange,
         .failedEntry = 0},
        {.name = "unit after a number",
         .entries = {"60F", "80", "75", "2"},
         .failure = Estimate::Failure::NotANumber,
         .failedEntry = 0},
        {.name = "the failing entry is named",
         .entries = {"60", "80", "75F", "2"},
         .failure = Estimate::Failure::NotANumber,
         .failedEntry = 2},
        {.name = "picks that are no time",
         .entries = {"60", "80", "75", "2"},
         .picks = {"13", "00", "00", Meridiem::AM},
         .failure = Estimate::Failure::NotATime},
        {.name = "a third digit is no time",
         .entries = {"60", "80", "75", "2"},
         .picks = {"012", "00", "00", Meridiem::AM},
         .failure = Estimate::Failure::NotATime},
        {.name = "equal readings: the law gives no time",
         .entries = {"60", "80", "80", "2"},
         .failure = Estimate::Failure::NoEstimate},
        {.name = "a time before discovery beyond the clock",
         .entries = {"60", "80", "79.9999999", "2"},
         .hoursKnown = true,
         .failure = Estimate::Failure::BeyondTheClock},
        {.name = "neither AM nor PM is no time",
         .entries = {"60", "80", "75", "2"},
         .picks = {"12", "00", "00", Meridiem::None}},
        {.name = "estimate too long for the clock keeps its hours",
         .entries = {"60", "80", "79.99999", "2"},
         .hoursKnown = true},
        {.name = "entries read in the given locale",
         .entries = {"60", "80", "75,5", "2"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "6:50:27 PM",
         .locale = kGerman,
         .secondAt = "2:00:00 AM",
         .curve = true},
        {.name = "entries in the locale's own digits",
         .entries = {"\u0666\u0660", "\u0668\u0660", "\u0667\u0665\u066b\u0665", "\u0662"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "6:50:27 PM",
         .locale = kEgyptianArabic,
         .secondAt = "2:00:00 AM",
         .curve = true},
        {.name = "single-digit picks",
         .entries = {"60", "80", "75", "2"},
         .picks = {"1", "5", "9", Meridiem::PM},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "1:05:09 PM",
         .death = "8:30:53 AM",
         .secondAt = "3:05:09 PM",
         .curve = true},
        {.name = "decimals and a second reading past midnight",
         .entries = {"68.4", "91.3", "84.25", "3.5"},
         .picks = {"10", "40", "00", Meridiem::PM},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "10:40:00 PM",
         .death = "8:02:05 PM",
         .secondAt = "2:10:00 AM",
         .curve = true},
        {.name = "found at normal temperature: death at the first reading",
         .entries = {"60", "98.6", "90", "1"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "12:00:00 AM",
         .secondAt = "1:00:00 AM",
         .curve = true,
         .curveEndsAt = "1:15:00 AM"},
        {.name = "second reading 112.5 s on: the half goes down to the even second",
         .entries = {"60", "80", "75", "0.03125"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "11:55:43 PM",
         .secondAt = "12:01:52 AM",
         .curve = true},
        {.name = "second reading 337.5 s on: the half goes up to the even second",
         .entries = {"60", "80", "75", "0.09375"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "11:47:09 PM",
         .secondAt = "12:05:38 AM",
         .curve = true},
        {.name = "second reading 225 s on: a whole second stays as it is",
         .entries = {"60", "80", "75", "0.0625"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "11:51:26 PM",
         .secondAt = "12:03:45 AM",
         .curve = true},
        {.name = "found at normal temperature, second reading beyond 32-bit seconds",
         .entries = {"60", "98.6", "90", "600000"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "12:00:00 AM",
         .curve = true},
        {.name = "the body warmed: doubtful, no curve",
         .entries = {"60", "75", "80", "2"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "5:25:44 PM",
         .secondAt = "2:00:00 AM"},
        {.name = "first reading above normal: doubtful, no curve",
         .entries = {"60", "100", "95", "2"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "11:27:59 PM",
         .secondAt = "2:00:00 AM"},
        {.name = "negative hours between the readings: doubtful, no curve",
         .entries = {"60", "80", "75", "-2"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "7:25:44 PM",
         .secondAt = "10:00:00 PM"},
        {.name = "second reading 112.5 s before: the half goes to the even second",
         .entries = {"60", "80", "75", "-0.03125"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "11:55:43 PM",
         .secondAt = "11:58:08 PM"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Estimate estimate = estimateTimeOfDeath(row.entries, row.picks, row.locale);
        EXPECT_EQ(estimate.outcome, row.outcome);
        EXPECT_EQ(estimate.hoursSinceDeath.has_value(), row.hoursKnown);
        if (row.failure) {
            EXPECT_EQ(estimate.failure, *row.failure);
            EXPECT_EQ(estimate.failedEntry, row.failedEntry);
        }
        if (row.outcome == Outcome::Estimated) {
            EXPECT_EQ(formatClockTime(estimate.foundAt), row.found);
            EXPECT_EQ(formatClockTime(estimate.deathAt), row.death);
            const Readings &read = estimate.readings;
            const Result<ClockTime> secondAt = clockTimeAfter(estimate.foundAt, read.elapsed);
            if (row.secondAt == nullptr) {
                EXPECT_FALSE(secondAt.has_value());
            } else {
                ASSERT_TRUE(secondAt.has_value());
                // Within the day before any formatting, which would hide a missing wrap.
                EXPECT_GE(secondAt->seconds, 0);
                EXPECT_LT(secondAt->seconds, kSecondsPerDay);
                EXPECT_EQ(formatClockTime(*secondAt), row.secondAt);
            }
            ASSERT_EQ(estimate.curve.has_value(), row.curve);
        }
        if (estimate.curve) {
            // Through both readings, and at 98.6 °F at the estimate.
            const CoolingCurve &curve = *estimate.curve;
            const Readings &read = estimate.readings;
            EXPECT_DOUBLE_EQ(curve.temperatureAt(0.0), read.first);
            EXPECT_DOUBLE_EQ(curve.temperatureAt(read.elapsed), read.second);
            EXPECT_DOUBLE_EQ(curve.temperatureAt(curve.from()), kNormalBodyTemperature);
            EXPECT_GT(curve.to(), read.elapsed);
            if (row.curveEndsAt != nullptr) {
                const Result<ClockTime> endsAt = clockTimeAfter(estimate.foundAt, curve.to());
                ASSERT_TRUE(endsAt.has_value());
                EXPECT_EQ(formatClockTime(*endsAt), row.curveEndsAt);
            }
        }
    }
}
