#include "numbers.h"

#include "locales.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using namespace quorrel;
using namespace quorrel::test;

namespace
{

Decimal typed(const std::string &text, const NumberLocale &locale = kEnglish)
{
    const Result<Decimal> d = localeToDecimal(text, locale);
    EXPECT_TRUE(d) << text;
    return d.value_or(Decimal());
}

} // namespace

TEST(LocaleToDecimal, ReadsTheDigitsAsTyped)
{
    const std::string longSeventy = "70." + std::string(298, '0') + "1"; // 302 digits
    const struct {
        const char *name;
        std::string text;
        NumberLocale locale;
        Decimal exactly;
        double asDouble;
    } rows[] = {
        {"a reading", "79.48", kEnglish, {7948, -2}, 79.48},
        {"blanks around a negative reading", " \t-3.5\n", kEnglish, {-35, -1}, -3.5},
        {"German decimal comma and groups", "1.234,5", kGerman, {12345, -1}, 1234.5},
        {"Arabic-Indic digits and separators", "\u0661\u066c\u0662\u0663\u0664\u066b\u0665",
         kEgyptianArabic, Decimal(12345, -1), 1234.5},
        {"an exponent", "1.5e3", kEnglish, {15, 2}, 1500},
        {"trailing zeros change nothing", "70.000", kEnglish, {70, 0}, 70},
        {"thousands of leading zeros", std::string(5000, '0') + "42", kEnglish, {42, 0}, 42},
        {"negative zero is zero", "-0,0", kGerman, {}, 0},
        {"zero with a huge exponent", "0e" + std::string(30, '9'), kEnglish, {}, 0},
        {"below every double, yet not zero", "1e-400", kEnglish, {1, -400}, 0},
        {"302 digits, a hair above 70", longSeventy, kEnglish,
         Decimal::fromDigits(false, "70" + std::string(298, '0') + "1", -299), 70},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Result<Decimal> d = localeToDecimal(row.text, row.locale);
        ASSERT_TRUE(d);
        EXPECT_EQ(*d, row.exactly) << d->toText();
        EXPECT_EQ(d->toDouble(), row.asDouble);
        EXPECT_EQ(d->toDouble(), localeToDouble(row.text, row.locale));
    }
}

TEST(LocaleToDecimal, OrdersWhatTheDoubleCannotTell)
{
    const std::string longBelow = "1." + std::string(300, '9'); // below 2, read as 2.0
    const struct {
        const char *name;
        std::string text;
        Decimal edge;
        int order;
    } rows[] = {
        {"a factor a hair below 1.4", "1.39999999999999999", {14, -1}, -1},
        {"a mass a hair above 70 kg", "70.0000000000000001", {70, 0}, 1},
        {"302 digits below 2", longBelow, {2, 0}, -1},
        {"302 digits above 70", "70." + std::string(298, '0') + "1", {70, 0}, 1},
        {"tiny and positive", "1e-400", {}, 1},
        {"tiny and negative", "-1e-400", {}, -1},
        {"an exponent beyond any count of digits keeps the sign",
         "1e-" + std::string(40, '9'),
         {},
         1},
        {"the largest exponent written keeps its place above a smaller one",
         "1e-" + std::string(40, '9'),
         {1, -400},
         -1},
        {"98.96 is 98.96", "98.96", {9896, -2}, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Decimal d = typed(row.text);
        // As doubles most of these are equal: the decimal is the point.
        EXPECT_EQ(compare(d, row.edge), row.order);
        EXPECT_EQ(d < row.edge, row.order < 0);
        EXPECT_EQ(d == row.edge, row.order == 0);
        EXPECT_EQ(d > row.edge, row.order > 0);
    }
}

TEST(LocaleToDecimal, RefusesWhatLocaleToDoubleRefuses)
{
    const struct {
        const char *name;
        std::string text;
        NumberLocale locale;
    } rows[] = {
        {"empty", "", kEnglish},
        {"a point in a German reading", "98.6", kGerman},
        {"badly grouped", "1,23,456", kEnglish},
        {"inf", "inf", kEnglish},
        {"nan", "nan", kEnglish},
        {"beyond the double range", "1e999", kEnglish},
        {"a dangling exponent", "1e", kEnglish},
        {"another script's digits", "\u0967\u0968", kEgyptianArabic},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(localeToDouble(row.text, row.locale));
        EXPECT_FALSE(localeToDecimal(row.text, row.locale));
    }
}

TEST(Decimal, SignOfAnExactSum)
{
    const Decimal tiny(1, -500);
    const Decimal huge(1, 300);
    const struct {
        const char *name;
        int sign;
        Decimal a, b, c, d;
    } rows[] = {
        {"79.48 x 2 - 60 is 98.96 exactly", 0, Decimal(7948, -2) * 2, {-60, 0}, {-9896, -2}, {}},
        {"a hair above", 1, typed("79.4800001") * 2, {-60, 0}, {-9896, -2}, {}},
        {"a hair below", -1, typed("79.4799999") * 2, {-60, 0}, {-9896, -2}, {}},
        {"a huge pair cancels, a tiny term decides", 1, huge, -huge, tiny, {}},
        {"two tiny terms decide once the large ones cancel", -1, {1, 0}, {-1, 0}, tiny, -tiny * 2},
        {"a tiny term cannot outweigh a last digit", -1, {1, 0}, {-1000001, -6}, tiny * 9, tiny},
        {"carries across limbs",
         0,
         typed("999999999999999999") * 4294967295U,
         typed("-4294967294999999995705032705"),
         {},
         {}},
        {"the most negative units",
         0,
         Decimal(std::numeric_limits<std::int64_t>::min(), 0),
         typed("9223372036854775808"),
         {},
         {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(signOfSum({row.a, row.b, row.c, row.d}), row.sign);
        EXPECT_EQ(signOfSum({-row.a, -row.b, -row.c, -row.d}), -row.sign);
    }
}

TEST(Decimal, ExactSumAndDifference)
{
    const struct {
        const char *name;
        Decimal a, b, sum, difference;
    } rows[] = {
        {"a room and its ±", typed("73.76"), typed("1.8"), typed("75.56"), typed("71.96")},
        {"a sum that fills one limb exactly", typed("0.999999999"), typed("0.000000001"),
         typed("1"), typed("0.999999998")},
        {"a borrow across limbs", typed("1000000000"), typed("0.000000001"),
         typed("1000000000.000000001"), typed("999999999.999999999")},
        {"a ± the size of its entry", typed("70"), typed("70"), typed("140"), Decimal()},
        {"far apart", Decimal(1, 300), Decimal(1, -300),
         Decimal::fromDigits(false, "1" + std::string(599, '0') + "1", -300),
         Decimal::fromDigits(false, std::string(600, '9'), -300)},
        {"signs mixed", typed("-3.5"), typed("1.25"), typed("-2.25"), typed("-4.75")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.a + row.b, row.sum) << (row.a + row.b).toText();
        EXPECT_EQ(row.a - row.b, row.difference) << (row.a - row.b).toText();
        EXPECT_EQ((row.a + row.b).toText(), row.sum.toText());
    }
}
