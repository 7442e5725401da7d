#include "compound.h"

#include "published_signs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace quorrel;
using namespace quorrel::test;

namespace
{

Evidence sign(DeathSign s, SignFinding f, double examinedAfter = 0)
{
    return *signEvidence(*signRowFor(s, f), examinedAfter);
}

// The worked example: 60 °F room, 80 °F body, 70 kg naked in still air,
// about 14.34 h ± 2.8 h at the discovery.
HenssgeEstimate workedNomogram()
{
    return *estimateHenssge({fahrenheitToCelsius(60), fahrenheitToCelsius(80), 70, 1}).estimate;
}

} // namespace

TEST(CombineEvidence, EachSignAloneGivesItsPublishedHours)
{
    for (const Published &p : kPublished) {
        for (const double examinedAfter : {0.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << p.name << ", examined " << examinedAfter << " h on");
            const std::vector<Evidence> evidence{sign(p.sign, p.finding, examinedAfter)};
            const CompoundInterval interval = *combineEvidence(evidence)->interval;
            // At least h at an examination e hours after discovery: death no
            // later than h - e before discovery; at most h: no earlier.
            ASSERT_EQ(interval.latest.has_value(), p.atLeast.has_value());
            ASSERT_EQ(interval.earliest.has_value(), p.atMost.has_value());
            if (p.atLeast) {
                EXPECT_EQ(interval.latest->hoursBeforeDiscovery, *p.atLeast - examinedAfter);
            }
            if (p.atMost) {
                EXPECT_EQ(interval.earliest->hoursBeforeDiscovery, *p.atMost - examinedAfter);
            }
        }
    }
}

TEST(CombineEvidence, KeepsWhatEveryPieceAllowsAndNamesWhoSetEachEnd)
{
    const HenssgeEstimate nomogram = workedNomogram();
    const double t = nomogram.hoursSinceDeath;
    const Evidence fromNomogram = *nomogramEvidence(nomogram, 0);
    using S = DeathSign;
    using F = SignFinding;
    struct End {
        double hours;
        std::size_t setBy;
        std::vector<std::size_t> alsoSetBy = {};
    };
    const struct {
        const char *name;
        std::vector<Evidence> evidence;
        std::optional<End> earliest, latest;
        std::optional<Contradiction> contradiction = std::nullopt;
    } rows[] = {
        {"the nomogram alone: its 95 % limits", {fromNomogram}, End{t + 2.8, 0}, End{t - 2.8, 0}},
        {"a second sign narrows the first",
         {sign(S::RigorMaximal, F::No), sign(S::LividityMaximal, F::No),
          sign(S::LividityConfluent, F::Yes)},
         End{16, 1},
         End{1, 2}},
        {"a sign inside the nomogram's limits narrows it",
         {fromNomogram, sign(S::LividityMaximal, F::No)},
         End{16, 1},
         End{t - 2.8, 0}},
        {"a sighting alive sets the earliest end",
         {fromNomogram, lastSeenAliveEvidence(15)},
         End{15, 1},
         End{t - 2.8, 0}},
        {"no temperature estimate: the signs and the discovery alone",
         {sign(S::RigorPresent, F::No, 1), discoveryEvidence()},
         End{6, 0},
         End{0, 1}},
        {"an examination two hours after discovery shifts every sign's bound",
         {sign(S::ElectricalEyelid, F::GradeIV, 2), sign(S::RigorPresent, F::Yes, 2)},
         End{6, 0},
         End{1, 0}},
        {"equal bounds: both set the end",
         {sign(S::LividityConfluent, F::Yes), sign(S::LividityVanishesUnderThumbPressure, F::No)},
         std::nullopt,
         End{1, 0, {1}}},
        {"the nomogram's limit past the discovery: the discovery sets the latest",
         {*nomogramEvidence(nomogram, t), discoveryEvidence()},
         End{2.8, 0},
         End{0, 1}},
        {"ends that meet are one instant, no contradiction",
         {lastSeenAliveEvidence(3), sign(S::LividityMaximal, F::Yes)},
         End{3, 0},
         End{3, 1}},
        {"nothing known: no ends", {}, std::nullopt, std::nullopt},
        {"Zsako's contraction within 2.5 h against lividity at its maximum after 3 h",
         {sign(S::LividityConfluent, F::Yes), sign(S::MechanicalWholeMuscleContraction, F::Yes),
          sign(S::LividityMaximal, F::Yes)},
         std::nullopt,
         std::nullopt,
         Contradiction{1, 2}},
        {"seen alive after the nomogram's latest time",
         {fromNomogram, discoveryEvidence(), lastSeenAliveEvidence(5)},
         std::nullopt,
         std::nullopt,
         Contradiction{2, 0}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Result<CompoundResult> r = combineEvidence(row.evidence);
        ASSERT_TRUE(r);
        ASSERT_EQ(r->contradiction.has_value(), row.contradiction.has_value());
        ASSERT_EQ(r->interval.has_value(), !row.contradiction);
        if (row.contradiction) {
            EXPECT_EQ(r->contradiction->noEarlierThan, row.contradiction->noEarlierThan);
            EXPECT_EQ(r->contradiction->noLaterThan, row.contradiction->noLaterThan);
            continue;
        }
        const std::pair<const std::optional<IntervalEnd> &, const std::optional<End> &> ends[] = {
            {r->interval->earliest, row.earliest}, {r->interval->latest, row.latest}};
        for (const auto &[got, expected] : ends) {
            ASSERT_EQ(got.has_value(), expected.has_value());
            if (got) {
                EXPECT_NEAR(got->hoursBeforeDiscovery, expected->hours, 1e-12);
                EXPECT_EQ(got->setBy, expected->setBy);
                EXPECT_EQ(got->alsoSetBy, expected->alsoSetBy);
            }
        }
    }
}

TEST(CombineEvidence, RefusesWhatCannotBeBounded)
{
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const double kInf = std::numeric_limits<double>::infinity();
    HenssgeEstimate unlimited = workedNomogram();
    unlimited.limitHours.reset(); // Q at or below 0.2: no limits published
    EXPECT_FALSE(nomogramEvidence(unlimited, 0));
    EXPECT_FALSE(signEvidence(signsOfDeath().size(), 0));
    const std::vector<Evidence> notFinite[] = {
        {lastSeenAliveEvidence(kNaN)},
        {discoveryEvidence(), lastSeenAliveEvidence(kInf)},
        {*signEvidence(0, kNaN)},
        {*nomogramEvidence(workedNomogram(), -kInf)},
    };
    for (const std::vector<Evidence> &evidence : notFinite)
        EXPECT_FALSE(combineEvidence(evidence));
}
