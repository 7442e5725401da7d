#include "henssge.h"

#include "locales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

using namespace quorrel;
using Rule = HenssgeLimitRule;

namespace
{

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// The method's right side, written here apart from the engine.
double remaining(double ta, double kg, double cf, double t)
{
    const double b = -1.2815 * std::pow(cf * kg, -0.625) + 0.0284;
    return ta <= 23.2 ? 1.25 * std::exp(b * t) - 0.25 * std::exp(5 * b * t)
                      : 1.11 * std::exp(b * t) - 0.11 * std::exp(10 * b * t);
}

Decimal typed(const std::string &text)
{
    const Result<Decimal> d = localeToDecimal(text, test::kEnglish);
    EXPECT_TRUE(d) << text;
    return d.value_or(Decimal());
}

// The input as the nomogram's window makes it from the texts typed.
struct Typed {
    std::string room, body, mass = "70", factor = "1";
    bool pounds = false;
    bool adjust = true;

    HenssgeInput input() const
    {
        return henssgeInputFromTyped({typed(room), typed(body), typed(mass), pounds, typed(factor)},
                                     adjust);
    }
};

// Thousandths as the decimal a person would type: -1234 is "-1.234".
std::string thousandths(long long value)
{
    const std::string digits = std::to_string(std::llabs(value) + 1000);
    return (value < 0 ? "-" : "") + std::to_string(std::llabs(value) / 1000) + "." +
           digits.substr(digits.size() - 3);
}

} // namespace

TEST(EstimateHenssge, ReproducesPublishedAndReferenceRows)
{
    const struct {
        const char *name;
        double ta, tr, kg, cf, hours, q;
        std::optional<double> limit;
        Rule rule;
    } rows[] = {
        {"50 kg naked, still air", 15, 28, 50, 1, 9.0431, 0.5856, 2.8, Rule::Early},
        {"factor 0.763", 20, 30, 80, 0.763, 10.8406, 0.5814, 2.8, Rule::Early},
        {"factor 1.983, used as given", 15, 30, 80, 1.983, 23.2981, 0.6757, 2.8, Rule::Early},
        {"factor 0.465", 20, 30, 80, 0.465, 7.1766, 0.5814, 2.8, Rule::Early},
        {"warm room formula", 25, 34.72, 80, 1, 5.9935, 0.7967, 2.8, Rule::Early},
        {"worked example 60 °F / 80 °F: about 14 h 20 min", fahrenheitToCelsius(60),
         fahrenheitToCelsius(80), 70, 1, 14.3384, 0.5133, 2.8, Rule::Early},
        {"37.2 °C exactly is 0 hours", 15, 37.2, 70, 1, 0, 1, 2.8, Rule::Early},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HenssgeResult r = estimateHenssge({row.ta, row.tr, row.kg, row.cf});
        ASSERT_TRUE(r.estimate);
        EXPECT_NEAR(r.estimate->hoursSinceDeath, row.hours, 5e-5);
        EXPECT_NEAR(r.estimate->q, row.q, 5e-5);
        EXPECT_EQ(r.estimate->limitHours, row.limit);
        EXPECT_EQ(r.estimate->limitRule, row.rule);
    }
}

TEST(EstimateHenssge, LimitsFollowTheHalfOpenBands)
{
    using F = HenssgeFormula;
    // Room -2.8 °C: 37.2 - Ta is 40 and Tr - Ta lands on the edges exactly.
    const struct {
        const char *name;
        double ta, tr, cf;
        std::optional<double> q; // checked exactly where the row sits on an edge
        Rule rule;
        std::optional<double> limit;
        F formula = F::UpTo23_2;
    } rows[] = {
        {"Q just above 0.5", -2.8, 17.2 + 1e-9, 1, {}, Rule::Early, 2.8},
        {"Q 0.5 no factor", -2.8, 17.2, 1, 0.5, Rule::MiddleNoFactor, 3.2},
        {"Q 0.5 with factor", -2.8, 17.2, 1.2, 0.5, Rule::MiddleWithFactor, 4.5},
        {"Q just above 0.3", -2.8, 9.2 + 1e-9, 1.2, {}, Rule::MiddleWithFactor, 4.5},
        {"Q 0.3 no factor", -2.8, 9.2, 1, 0.3, Rule::LateNoFactor, 4.5},
        {"Q 0.3 with factor", -2.8, 9.2, 1.2, 0.3, Rule::LateWithFactor, 7.0},
        {"Q just above 0.2", -2.8, 5.2 + 1e-9, 1, {}, Rule::LateNoFactor, 4.5},
        {"Q 0.2 no factor", -2.8, 5.2, 1, 0.2, Rule::NoneBelow0_2, {}},
        {"Q 0.2 with factor", -2.8, 5.2, 1.2, 0.2, Rule::NoneBelow0_2, {}},
        {"room at 23.2 °C keeps the cooler formula", 23.2, 30, 1, {}, Rule::MiddleNoFactor, 3.2},
        {"room above 23.2 °C: no limits at Q <= 0.5",
         std::nextafter(23.2, 99.0),
         30,
         1,
         {},
         Rule::NoneWarmRoomBelow,
         {},
         F::Above23_2},
        {"room above 23.2 °C: ±2.8 h above Q 0.5", 30, 35, 1.2, {}, Rule::Early, 2.8, F::Above23_2},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HenssgeResult r = estimateHenssge({row.ta, row.tr, 70, row.cf});
        ASSERT_TRUE(r.estimate);
        if (row.q) {
            EXPECT_EQ(r.estimate->q, *row.q);
        }
        EXPECT_EQ(r.estimate->limitRule, row.rule);
        EXPECT_EQ(r.estimate->limitHours, row.limit);
        EXPECT_EQ(r.estimate->formula, row.formula);
    }
}

TEST(EstimateHenssge, AdjustsOnlyHeavyFactorsAwayFrom70Kg)
{
    const struct {
        const char *name;
        double kg, cf, used, within;
        bool adjusted;
    } rows[] = {
        {"2.6 at 120 kg", 120, 2.6, 1.96, 0.01, true},
        {"3.0 at 4 kg", 4, 3.0, 10.9, 0.01, true},
        {"the rule begins at 1.4", 120, 1.4, 1.267, 0.001, true},
        {"1.2 at 120 kg as chosen", 120, 1.2, 1.2, 0, false},
        {"1.39 at 120 kg as chosen", 120, 1.39, 1.39, 0, false},
        {"3.0 at 70 kg as chosen", 70, 3.0, 3.0, 0, false},
    };
    // 1.983 taken from the table of conditions for an 80 kg body: the mass
    // rule makes it 1.917, and the hours follow.
    const HenssgeResult adjusted = estimateHenssge({15, 30, 80, 1.983, true});
    ASSERT_TRUE(adjusted.estimate);
    EXPECT_NEAR(adjusted.estimate->hoursSinceDeath, 22.2904, 5e-5);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HenssgeResult r = estimateHenssge({10, 30, row.kg, row.cf, true});
        ASSERT_TRUE(r.estimate);
        EXPECT_NEAR(r.estimate->factorUsed, row.used, row.within);
        EXPECT_EQ(r.estimate->factorChosen, row.cf);
        EXPECT_EQ(r.estimate->adjustedForMass, row.adjusted);
    }
}

TEST(EstimateHenssge, RefusesWithAReason)
{
    using R = HenssgeRefusal;
    const struct {
        const char *name;
        HenssgeInput in;
        R refusal;
    } rows[] = {
        {"NaN room", {kNaN, 30, 70, 1}, R::NotFinite},
        {"infinite mass before the range", {15, 30, kInf, 1}, R::NotFinite},
        {"NaN factor", {15, 30, 70, kNaN}, R::NotFinite},
        {"mass below 1 kg", {15, 30, 0.99, 1}, R::MassOutOfRange},
        {"mass above 250 kg", {15, 30, 250.01, 1}, R::MassOutOfRange},
        {"factor below 0.3", {15, 30, 70, 0.29}, R::FactorOutOfRange},
        {"factor above 3.0", {15, 30, 70, 3.01}, R::FactorOutOfRange},
        {"body above 37.2 °C", {15, std::nextafter(37.2, 99.0), 70, 1}, R::BodyAboveStart},
        {"body above 37.2 °C in a hotter room", {40, 39, 70, 1}, R::BodyAboveStart},
        {"room as warm as the body", {30, 30, 70, 1}, R::RoomNotColder},
        {"room warmer than the body", {31, 30, 70, 1}, R::RoomNotColder},
        {"Q underflows to 0", {0, 5e-324, 70, 1}, R::RoomNotColder},
        {"a room below absolute zero", {-300, 30, 70, 1}, R::RoomBelowAbsoluteZero},
        {"a room at absolute zero", {-273.15, 30, 70, 1}, R::None},
        {"a body below absolute zero, not merely colder than the room",
         {15, -274, 70, 1},
         R::BodyBelowAbsoluteZero},
        {"the room is named first where both are below",
         {-300, -280, 70, 1},
         R::RoomBelowAbsoluteZero},
        {"the corners of the ranges are accepted", {15, 30, 1, 0.3}, R::None},
        {"the other corners, for a factor chosen for 70 kg", {15, 30, 250, 3.0, true}, R::None},
        {"a factor as given that with the mass describes no cooling",
         {15, 30, 250, 3.0},
         R::BeyondTheNomogram},
        {"just below where cooling ends", {15, 30, 147, 3.0}, R::None},
        {"just past it", {15, 30, 148, 3.0}, R::BeyondTheNomogram},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HenssgeResult r = estimateHenssge(row.in);
        EXPECT_EQ(r.refusal, row.refusal);
        EXPECT_EQ(r.estimate.has_value(), row.refusal == R::None);
        EXPECT_EQ(std::isnan(henssgeTemperatureAt(row.in, 5)), row.refusal != R::None);
        EXPECT_EQ(henssgeExpectedReading(row.in, 2).has_value(), row.refusal == R::None);
    }
}

TEST(HenssgeCurve, RunsFrom37_2ThroughTheReadingToTheRoom)
{
    // The units the window converts with, then the worked example's curve.
    EXPECT_EQ(fahrenheitToCelsius(91.4), 33); // 5 / 9 first would give 33.00000000000001
    EXPECT_EQ(poundsToKilograms(100), 45.359237);
    const HenssgeInput worked{fahrenheitToCelsius(60), fahrenheitToCelsius(80), 70, 1};
    const double t = estimateHenssge(worked).estimate->hoursSinceDeath;
    EXPECT_EQ(henssgeTemperatureAt(worked, -1), 37.2);
    EXPECT_NEAR(henssgeTemperatureAt(worked, t), worked.rectal, 1e-9);
    EXPECT_EQ(henssgeTemperatureAt(worked, kInf), worked.ambient);
    // The second reading's check for the worked example: 77.7 °F two hours on.
    EXPECT_NEAR(*henssgeExpectedReading(worked, 2) * 9 / 5 + 32, 77.72, 0.005);
    EXPECT_FALSE(henssgeExpectedReading(worked, -t - 1));
    EXPECT_FALSE(henssgeExpectedReading(worked, kNaN));
}

TEST(EstimateHenssge, SolvedHoursReproduceQAndGrowAsTheBodyCools)
{
    std::mt19937 random(22);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    for (int i = 0; i < 400; ++i) {
        const double ta = uniform(-20, 36);
        const HenssgeInput in{ta, uniform(ta + 0.01, 37.2), uniform(1, 250), uniform(0.3, 3), true};
        SCOPED_TRACE(testing::Message()
                     << in.ambient << " " << in.rectal << " " << in.massKg << " " << in.factor);
        const HenssgeResult r = estimateHenssge(in);
        ASSERT_TRUE(r.estimate);
        const HenssgeEstimate &e = *r.estimate;
        EXPECT_NEAR(remaining(ta, in.massKg, e.factorUsed, e.hoursSinceDeath), e.q, 1e-12);
        HenssgeInput cooler = in;
        cooler.rectal = uniform(ta + 0.001, in.rectal - 0.005);
        EXPECT_GT(estimateHenssge(cooler).estimate->hoursSinceDeath, e.hoursSinceDeath);
    }
}

// The shared shape counts hours from the reading and speaks °F: the curve
// leaves 98.96 °F at the death, passes the reading as typed, and ends a
// quarter of the span past the last reading.
TEST(HenssgeMethodResult, CurveInHoursFromTheReadingAndFahrenheit)
{
    const HenssgeInput worked{fahrenheitToCelsius(60), fahrenheitToCelsius(80), 70, 1, true};
    const HenssgeEstimate e = *estimateHenssge(worked).estimate;
    for (const double last : {-1.0, 0.0, 2.0}) {
        const MethodResult r = henssgeMethodResult(worked, e, 60, 80, last);
        EXPECT_EQ(r.hoursSinceDeath, e.hoursSinceDeath);
        EXPECT_EQ(r.spreadHours, 2.8);
        EXPECT_EQ(r.ambient, 60);
        ASSERT_EQ(r.readings.size(), 1u);
        EXPECT_EQ(r.readings[0].temperature, 80);
        ASSERT_TRUE(r.hasCurve());
        EXPECT_NEAR(r.temperatureAt(r.curveFrom()), 98.96, 1e-9);
        EXPECT_NEAR(r.temperatureAt(0), 80, 1e-9);
        EXPECT_NEAR(r.temperatureAt(2), 77.7199, 1e-4);
        const double to = std::max(last, 0.0);
        EXPECT_DOUBLE_EQ(r.curveTo, to + (to + e.hoursSinceDeath) / 4);
    }
}

TEST(TypedHenssge, DecidesTheBandAndFormulaOnTheDecimalsTyped)
{
    using F = HenssgeFormula;
    const struct {
        const char *name;
        Typed in;
        Rule rule;
        std::optional<double> limit;
        F formula = F::UpTo23_2;
        int minutes = -1; // the estimate to the minute, where checked
    } rows[] = {
        {"60 / 79.48 °F is Q 0.5 exactly: ±3.2 h", {"60", "79.48"}, Rule::MiddleNoFactor, 3.2},
        {"a hair above Q 0.5", {"60", "79.4800001"}, Rule::Early, 2.8},
        {"a hair below Q 0.5", {"60", "79.4799999"}, Rule::MiddleNoFactor, 3.2},
        {"Q 0.5 with a factor", {"60", "79.48", "70", "1.2"}, Rule::MiddleWithFactor, 4.5},
        {"32.5 / 52.438 °F is Q 0.3 exactly: ±4.5 h", {"32.5", "52.438"}, Rule::LateNoFactor, 4.5},
        {"Q 0.3 with a factor: ±7 h", {"32.5", "52.438", "70", "1.2"}, Rule::LateWithFactor, 7.0},
        {"a hair above Q 0.3", {"32.5", "52.4380001"}, Rule::MiddleNoFactor, 3.2},
        {"a hair below Q 0.3", {"32.5", "52.4379999"}, Rule::LateNoFactor, 4.5},
        {"42 / 53.392 °F is Q 0.2 exactly: no limits", {"42", "53.392"}, Rule::NoneBelow0_2, {}},
        {"a hair above Q 0.2", {"42", "53.3920001"}, Rule::LateNoFactor, 4.5},
        {"a hair below Q 0.2", {"42", "53.3919999"}, Rule::NoneBelow0_2, {}},
        {"factor 1.000 is no factor", {"60", "79.48", "70", "1.000"}, Rule::MiddleNoFactor, 3.2},
        {"a factor a hair above 1.0 is one",
         {"60", "79.48", "70", "1.0000000000000000001"},
         Rule::MiddleWithFactor,
         4.5},
        {"a factor a hair below 1.0 is one",
         {"60", "79.48", "70", "0.9999999999999999999"},
         Rule::MiddleWithFactor,
         4.5},
        {"room 73.76 °F is 23.2 °C: the cooler formula, 16 h 40 min ±3.2 h",
         {"73.76", "85"},
         Rule::MiddleNoFactor,
         3.2,
         F::UpTo23_2,
         16 * 60 + 40},
        {"a room a hair warmer takes the warm formula: 14 h 47 min, no limits",
         {"73.7600001", "85"},
         Rule::NoneWarmRoomBelow,
         {},
         F::Above23_2,
         14 * 60 + 47},
        {"a room a hair cooler", {"73.7599999", "85"}, Rule::MiddleNoFactor, 3.2},
        {"a warm room at Q 0.5 exactly has no limits",
         {"80", "89.48"},
         Rule::NoneWarmRoomBelow,
         {},
         F::Above23_2},
        {"a warm room above Q 0.5", {"80", "89.4800001"}, Rule::Early, 2.8, F::Above23_2},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HenssgeInput in = row.in.input();
        const HenssgeResult r = estimateHenssge(in);
        ASSERT_TRUE(r.estimate);
        EXPECT_EQ(r.estimate->limitRule, row.rule);
        EXPECT_EQ(r.estimate->limitHours, row.limit);
        EXPECT_EQ(r.estimate->formula, row.formula);
        if (row.minutes >= 0) {
            EXPECT_EQ(std::lround(r.estimate->hoursSinceDeath * 60), row.minutes);
        }
        // The hours are the doubles' own wherever the formula is the same.
        HenssgeInput binary = in;
        binary.typed.reset();
        const HenssgeEstimate b = *estimateHenssge(binary).estimate;
        if (b.formula == r.estimate->formula) {
            EXPECT_EQ(r.estimate->hoursSinceDeath, b.hoursSinceDeath);
            EXPECT_EQ(r.estimate->q, b.q);
        }
    }
}

// Every room from -20 to 73.5 °F in half degrees, with the body typed where Q
// is exactly 0.5, 0.3 or 0.2 (98.96 - room is a terminating decimal, so is
// the body), and again a hair warmer: the edge belongs to the band below it.
TEST(TypedHenssge, EveryHalfDegreeOfTheRoomMeetsTheBandEdgesExactly)
{
    const struct {
        const char *name;
        // The body, in thousandths of °F, for a room of k half degrees.
        long long (*body)(long long k);
        Rule atNoFactor, atWithFactor, aboveNoFactor, aboveWithFactor;
    } edges[] = {
        {"Q 0.5", [](long long k) { return 49480 + 250 * k; }, Rule::MiddleNoFactor,
         Rule::MiddleWithFactor, Rule::Early, Rule::Early},
        {"Q 0.3", [](long long k) { return 29688 + 350 * k; }, Rule::LateNoFactor,
         Rule::LateWithFactor, Rule::MiddleNoFactor, Rule::MiddleWithFactor},
        {"Q 0.2", [](long long k) { return 19792 + 400 * k; }, Rule::NoneBelow0_2,
         Rule::NoneBelow0_2, Rule::LateNoFactor, Rule::LateWithFactor},
    };
    for (const auto &edge : edges) {
        for (long long k = -40; k <= 147; ++k) {
            const std::string room = thousandths(500 * k);
            const std::string body = thousandths(edge.body(k));
            SCOPED_TRACE(testing::Message() << edge.name << ": room " << room << ", body " << body);
            const struct {
                std::string body, factor;
                Rule rule;
            } cases[] = {
                {body, "1", edge.atNoFactor},
                {body, "1.2", edge.atWithFactor},
                {body + "0001", "1", edge.aboveNoFactor},
                {body + "0001", "1.2", edge.aboveWithFactor},
            };
            for (const auto &c : cases) {
                const HenssgeResult r =
                    estimateHenssge(Typed{room, c.body, "70", c.factor}.input());
                ASSERT_TRUE(r.estimate) << c.body;
                EXPECT_EQ(r.estimate->limitRule, c.rule) << c.body << " factor " << c.factor;
            }
        }
    }
}

TEST(TypedHenssge, DecidesTheMassRuleOnTheDecimalsTyped)
{
    const struct {
        const char *name;
        Typed in;
        bool adjusted;
        double used, within;
    } rows[] = {
        {"factor 1.4 exactly is changed for 120 kg", {"60", "80", "120", "1.4"}, true, 1.267, 1e-3},
        {"a factor typed a hair below 1.4 is used as chosen, though its double is 1.4",
         {"60", "80", "120", "1.39999999999999999"},
         false,
         1.4,
         0},
        {"exactly 70 kg keeps the factor", {"60", "80", "70.000", "2.6"}, false, 2.6, 0},
        // The table's closed form does not give the chosen factor back at
        // 70 kg: only exactly 70 kg keeps it.
        {"a mass a hair above 70 kg is not 70 kg",
         {"60", "80", "70.0000000000000001", "2.6"},
         true,
         2.691,
         1e-3},
        {"a mass a hair below 70 kg",
         {"60", "80", "69.9999999999999999", "2.6"},
         true,
         2.691,
         1e-3},
        {"no weight in pounds is exactly 70 kg, though 154.3235835294143 lb makes the double 70",
         {"60", "80", "154.3235835294143", "2.6", true},
         true,
         2.691,
         1e-3},
        {"the factor as given where the mass rule is not asked for",
         {"60", "80", "120", "1.4", false, false},
         false,
         1.4,
         0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HenssgeResult r = estimateHenssge(row.in.input());
        ASSERT_TRUE(r.estimate);
        EXPECT_EQ(r.estimate->adjustedForMass, row.adjusted);
        EXPECT_NEAR(r.estimate->factorUsed, row.used, row.within);
    }
}

TEST(TypedHenssge, AcceptsTheRangesWithBothEndsIncludedExactly)
{
    using R = HenssgeRefusal;
    const struct {
        const char *name;
        Typed in;
        R refusal;
    } rows[] = {
        {"1 kg", {"60", "80", "1"}, R::None},
        {"a hair below 1 kg, read as 1.0",
         {"60", "80", "0.99999999999999999999"},
         R::MassOutOfRange},
        {"250 kg", {"60", "80", "250"}, R::None},
        {"a hair above 250 kg, read as 250.0",
         {"60", "80", "250.00000000000000001"},
         R::MassOutOfRange},
        {"a hair below 1 kg in pounds, though the double comes to 1 kg",
         {"60", "80", "2.2046226218487758", "1", true},
         R::MassOutOfRange},
        {"a hair above 1 kg in pounds", {"60", "80", "2.2046226218487759", "1", true}, R::None},
        {"a hair below 250 kg in pounds, though the double comes past 250 kg",
         {"60", "80", "551.1556554621939518", "1", true},
         R::None},
        {"a hair above 250 kg in pounds",
         {"60", "80", "551.1556554621939519", "1", true},
         R::MassOutOfRange},
        {"factor 0.3", {"60", "80", "70", "0.3"}, R::None},
        {"a factor a hair below 0.3",
         {"60", "80", "70", "0.29999999999999999999"},
         R::FactorOutOfRange},
        {"factor 3.0", {"60", "80", "70", "3.0"}, R::None},
        {"a factor a hair above 3.0",
         {"60", "80", "70", "3.00000000000000000001"},
         R::FactorOutOfRange},
        {"a body at 98.96 °F, the method's start", {"60", "98.96"}, R::None},
        {"a body a hair above 98.96 °F, read as 98.96",
         {"60", "98.96000000000000001"},
         R::BodyAboveStart},
        {"a room a hair warmer than the body",
         {"60.00000000000000002", "60.00000000000000001"},
         R::RoomNotColder},
        {"room -500 °F, body -400 °F: the room is below absolute zero",
         {"-500", "-400"},
         R::RoomBelowAbsoluteZero},
        {"a room at absolute zero, -459.67 °F", {"-459.67", "80"}, R::None},
        {"a room a hair below absolute zero", {"-459.6700001", "80"}, R::RoomBelowAbsoluteZero},
        {"a room a hair above absolute zero", {"-459.6699999", "80"}, R::None},
        {"a body at absolute zero is no warmer than any room it may be in",
         {"-459.67", "-459.67"},
         R::RoomNotColder},
        {"a body a hair below absolute zero", {"60", "-459.6700001"}, R::BodyBelowAbsoluteZero},
        {"a body a hair above absolute zero, a room at it", {"-459.67", "-459.6699999"}, R::None},
        // The decimals say the body is warmer, but Q has no double to be.
        {"a body a hair warmer than the room, which no double tells apart",
         {"60.00000000000000001", "60.00000000000000002"},
         R::RoomNotColder},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const HenssgeInput in = row.in.input();
        const HenssgeResult r = estimateHenssge(in);
        EXPECT_EQ(r.refusal, row.refusal);
        EXPECT_EQ(r.estimate.has_value(), row.refusal == R::None);
        EXPECT_EQ(std::isnan(henssgeTemperatureAt(in, 5)), row.refusal != R::None);
    }
}

TEST(TypedHenssge, CarriesALongEntryWithoutOverflow)
{
    // 302 digits each: a factor a hair below the mass rule's 1.4, whose
    // double is 1.4, and a mass a hair above 70 kg, whose double is 70.
    const std::string factor = "1.3" + std::string(300, '9');
    const std::string mass = "70." + std::string(299, '0') + "1";
    const HenssgeResult below = estimateHenssge(Typed{"60", "80", "120", factor}.input());
    const HenssgeResult away = estimateHenssge(Typed{"60", "80", mass, "2.6"}.input());
    ASSERT_TRUE(below.estimate);
    ASSERT_TRUE(away.estimate);
    EXPECT_EQ(below.estimate->factorUsed, 1.4);
    EXPECT_FALSE(below.estimate->adjustedForMass);
    EXPECT_TRUE(away.estimate->adjustedForMass);
}
