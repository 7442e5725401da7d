#include "estimate.h"

#include <gtest/gtest.h>

using namespace quorrel;

namespace
{
const NumberLocale kEnglish{".", ","};
const NumberLocale kGerman{",", "."};
const Picks kMidnight{"12", "00", "00", "AM"};
} // namespace

TEST(EstimateTimeOfDeath, WalksTheWholeRoad)
{
    using Outcome = Estimate::Outcome;
    const struct {
        const char *name;
        Entries entries;
        Picks picks;
        Outcome outcome;
        bool hoursKnown;
        const char *found;
        const char *death;
        NumberLocale locale = kEnglish;
    } rows[] = {
        {"worked example",
         {"60", "80", "75", "2"},
         kMidnight,
         Outcome::Estimated,
         true,
         "12:00:00 AM",
         "7:25:44 PM"},
        {"one entry non-zero is enough to go on",
         {"", "", "", "2"},
         kMidnight,
         Outcome::Invalid,
         false,
         nullptr,
         nullptr},
        {"nothing entered",
         {"", "", "", ""},
         kMidnight,
         Outcome::NoNumbers,
         false,
         nullptr,
         nullptr},
        {"everything rounds to zero",
         {"0.5", "-0.5", "abc", "0"},
         kMidnight,
         Outcome::NoNumbers,
         false,
         nullptr,
         nullptr},
        {"leading number beyond 32 bits",
         {"1E10", "80", "75", "2"},
         kMidnight,
         Outcome::Invalid,
         false,
         nullptr,
         nullptr},
        {"unit after a number",
         {"60F", "80", "75", "2"},
         kMidnight,
         Outcome::Invalid,
         false,
         nullptr,
         nullptr},
        {"picks that are no time",
         {"60", "80", "75", "2"},
         {"13", "00", "00", "AM"},
         Outcome::Invalid,
         false,
         nullptr,
         nullptr},
        {"lower-case am is no time",
         {"60", "80", "75", "2"},
         {"12", "00", "00", "am"},
         Outcome::Invalid,
         false,
         nullptr,
         nullptr},
        {"estimate too long for the clock keeps its hours",
         {"60", "80", "79.99999", "2"},
         kMidnight,
         Outcome::Invalid,
         true,
         nullptr,
         nullptr},
        {"a zero last entry alone does not mean nothing was entered",
         {"60", "80", "75", "0"},
         kMidnight,
         Outcome::Invalid,
         false,
         nullptr,
         nullptr},
        {"entries read in the given locale",
         {"60", "80", "75,5", "2"},
         kMidnight,
         Outcome::Estimated,
         true,
         "12:00:00 AM",
         "6:50:27 PM",
         kGerman},
        {"single-digit picks",
         {"60", "80", "75", "2"},
         {"1", "5", "9", "PM"},
         Outcome::Estimated,
         true,
         "1:05:09 PM",
         "8:30:53 AM"},
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
