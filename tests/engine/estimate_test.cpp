#include "estimate.h"

#include <gtest/gtest.h>

using namespace quorrel;

namespace
{
const NumberLocale kEnglish{".", ","};
const NumberLocale kGerman{",", "."};
const NumberLocale kEgyptianArabic{"\u066b", "\u066c", "\u0660"};
const Picks kMidnight{"12", "00", "00", "AM"};
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
    } rows[] = {
        {.name = "worked example",
         .entries = {"60", "80", "75", "2"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "7:25:44 PM"},
        {.name = "one entry non-zero is enough to go on", .entries = {"", "", "", "2"}},
        {.name = "a zero last entry alone does not mean nothing was entered",
         .entries = {"60", "80", "75", "0"}},
        {.name = "nothing entered", .entries = {"", "", "", ""}, .outcome = Outcome::NoNumbers},
        {.name = "everything rounds to zero",
         .entries = {"0.5", "-0.5", "abc", "0"},
         .outcome = Outcome::NoNumbers},
        {.name = "leading number beyond 32 bits", .entries = {"1E10", "80", "75", "2"}},
        {.name = "unit after a number", .entries = {"60F", "80", "75", "2"}},
        {.name = "picks that are no time",
         .entries = {"60", "80", "75", "2"},
         .picks = {"13", "00", "00", "AM"}},
        {.name = "lower-case am is no time",
         .entries = {"60", "80", "75", "2"},
         .picks = {"12", "00", "00", "am"}},
        {.name = "estimate too long for the clock keeps its hours",
         .entries = {"60", "80", "79.99999", "2"},
         .hoursKnown = true},
        {.name = "entries read in the given locale",
         .entries = {"60", "80", "75,5", "2"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "6:50:27 PM",
         .locale = kGerman},
        {.name = "entries in the locale's own digits",
         .entries = {"\u0666\u0660", "\u0668\u0660", "\u0667\u0665\u066b\u0665", "\u0662"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "12:00:00 AM",
         .death = "6:50:27 PM",
         .locale = kEgyptianArabic},
        {.name = "single-digit picks",
         .entries = {"60", "80", "75", "2"},
         .picks = {"1", "5", "9", "PM"},
         .outcome = Outcome::Estimated,
         .hoursKnown = true,
         .found = "1:05:09 PM",
         .death = "8:30:53 AM"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Estimate estimate = estimateTimeOfDeath(row.entries, row.picks, row.locale);
        EXPECT_EQ(estimate.outcome, row.outcome);
        EXPECT_EQ(estimate.hoursSinceDeath.has_value(), row.hoursKnown);
        if (row.outcome == Outcome::Estimated) {
            EXPECT_EQ(formatClockTime(estimate.foundAt), row.found);
            EXPECT_EQ(formatClockTime(estimate.deathAt), row.death);
        }
    }
}
