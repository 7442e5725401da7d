#include "numbers.h"

#include "locales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace quorrel;
using namespace quorrel::test;

namespace
{

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

TEST(ParseLeadingNumber, ReadsTheNumberAtTheFront)
{
    const struct {
        const char *name;
        std::string text;
        double expected;
    } rows[] = {
        {"plain decimal", "98.6", 98.6},
        {"stops at the first other character", "12abc", 12},
        {"no leading number reads as 0", "abc", 0},
        {"empty reads as 0", "", 0},
        {"blanks skipped wherever they stand", " 1 2\t3\n", 123},
        {"blank between sign and digits", "- 5", -5},
        {"exponent", "1e3", 1000},
        {"upper-case exponent with sign", "25E-1", 2.5},
        {"dangling exponent is ignored", "1e", 1},
        {"dangling exponent sign is ignored", "7e+x", 7},
        {"leading decimal point", ".5", 0.5},
        {"trailing decimal point", "5.", 5},
        {"plus sign", "+.5e1", 5},
        {"comma ends the number whatever the locale", "1,5", 1},
        {"second point ends the number", "1.2.3", 1.2},
        {"carriage return is not a blank", "\r5", 0},
        {"two signs are no number", "--5", 0},
        {"hexadecimal is no number", "0x10", 0},
        {"inf is no number", "inf", 0},
        {"nan is no number", "-nan", 0},
        {"beyond the double range reads as infinity", "1e999", kInf},
        {"negative beyond the range", "-1e999", -kInf},
        {"long digit string beyond the range", std::string(400, '9'), kInf},
        {"below the smallest double reads as 0", "1e-999", 0},
        {"leading zeros", std::string(5000, '0') + "42", 42},
        {"line feed inside a number", "1\n2", 12},
        {"far below the smallest double reads as 0", "0." + std::string(400, '0') + "1", 0},
        {"huge exponent digits", "1e" + std::string(30, '9'), kInf},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(parseLeadingNumber(row.text), row.expected);
    }
}

TEST(LocaleToDouble, ReadsWholeNumbersInTheGivenLocale)
{
    const struct {
        const char *name;
        std::string text;
        NumberLocale locale;
        double expected;
    } rows[] = {
        {"plain decimal", "98.6", kEnglish, 98.6},
        {"blanks around", " \t98.6  ", kEnglish, 98.6},
        {"groups of three", "1,234.5", kEnglish, 1234.5},
        {"several groups", "-1,234,567", kEnglish, -1234567},
        {"group separator equal to the decimal point", "1.5", NumberLocale{".", "."}, 1.5},
        {"plus sign", "+5", kEnglish, 5},
        {"leading decimal point", ".5", kEnglish, 0.5},
        {"trailing decimal point", "5.", kEnglish, 5},
        {"exponent", "1e3", kEnglish, 1000},
        {"signed exponent", "15E-1", kEnglish, 1.5},
        {"German decimal comma", "37,5", kGerman, 37.5},
        {"German groups", "1.234,5", kGerman, 1234.5},
        {"French narrow blank groups", "1\u202f234,5", kFrench, 1234.5},
        {"Swiss apostrophe groups", "1'234.5", kSwiss, 1234.5},
        {"Arabic-Indic digits, separators and groups", "\u0661\u066c\u0662\u0663\u0664\u066b\u0665",
         kEgyptianArabic, 1234.5},
        {"ASCII digits in a locale with its own", "36\u066b6", kEgyptianArabic, 36.6},
        {"below the smallest double reads as 0", "1e-400", kEnglish, 0},
        {"negative zero", "-0", kEnglish, -0.0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Result<double> value = localeToDouble(row.text, row.locale);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, row.expected);
    }
}

TEST(LocaleToDouble, RejectsWhatIsNotANumber)
{
    const struct {
        const char *name;
        std::string text;
        NumberLocale locale;
    } rows[] = {
        {"empty", "", kEnglish},
        {"blanks only", "   ", kEnglish},
        {"unit after the number", "60F", kEnglish},
        {"inf", "inf", kEnglish},
        {"negative infinity", "-Infinity", kEnglish},
        {"nan", "nan", kEnglish},
        {"beyond the double range", "1e999", kEnglish},
        {"long digit string beyond the range", std::string(400, '9'), kEnglish},
        {"German reading of 98.6 is no number, never 986", "98.6", kGerman},
        {"group of two digits", "1,23", kEnglish},
        {"uneven later group", "12,34,567", kEnglish},
        {"first group too long", "1234,567", kEnglish},
        {"leading group separator", ",123", kEnglish},
        {"double group separator", "1,,234", kEnglish},
        {"group separator after the decimal point", "1,234.5,6", kEnglish},
        {"group separator before the decimal point", "1,.5", kEnglish},
        {"decimal point alone", ".", kEnglish},
        {"sign alone", "-", kEnglish},
        {"two signs", "--5", kEnglish},
        {"exponent without digits", "1e", kEnglish},
        {"exponent sign without digits", "1e+", kEnglish},
        {"blank inside", "1 2", kEnglish},
        {"hexadecimal", "0x10", kEnglish},
        {"trailing sign", "5-", kEnglish},
        {"English point in a German locale after a comma", "1,5.0", kGerman},
        {"non-ASCII digits", "\u0661\u0662", kEnglish},
        {"another script's digits", "\u0967\u0968", kEgyptianArabic},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(localeToDouble(row.text, row.locale).has_value());
    }
}

TEST(LocaleToInt16, RoundsHalfToEvenWithinRange)
{
    const struct {
        const char *text;
        Result<std::int16_t> expected;
    } rows[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"32767", 32767},
        {"32767.4", 32767},
        {"32767.5", std::nullopt},
        {"-32768.5", -32768},
        {"-32769", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(localeToInt16(row.text, kEnglish), row.expected);
    }
}

TEST(RoundToInt32, RoundsHalfToEvenAndFailsOutsideTheRange)
{
    const struct {
        double value;
        Result<std::int32_t> expected;
    } rows[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {0.5, 0},
        {-0.5, 0},
        {0.49999999999999994, 0},
        {2147483647.4, 2147483647},
        {2147483647.5, std::nullopt},
        {-2147483648.5, -2147483648},
        {-2147483648.6, std::nullopt},
        {1e10, std::nullopt},
        {kInf, std::nullopt},
        {kNaN, std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(roundToInt32(row.value), row.expected);
    }
}

TEST(SixteenBits, NarrowingAndRoundingFailOutsideTheRange)
{
    EXPECT_EQ(narrowToInt16(32767), std::int16_t{32767});
    EXPECT_EQ(narrowToInt16(-32768), std::int16_t{-32768});
    EXPECT_FALSE(narrowToInt16(32768));
    EXPECT_FALSE(narrowToInt16(-32769));
    EXPECT_EQ(roundToInt16(-32768.5), std::int16_t{-32768});
    EXPECT_FALSE(roundToInt16(32767.5));
}

TEST(RoundToTwoDecimals, RoundsTheExactValueHalfToEven)
{
    const struct {
        const char *name;
        double value;
        Result<double> expected;
    } rows[] = {
        {"tie goes down to the even digit", 0.125, 0.12},
        {"tie goes up to the even digit", 0.375, 0.38},
        {"negative tie", -0.125, -0.12},
        {"2.675 is stored just below the tie", 2.675, 2.67},
        {"0.005 is stored just above the tie", 0.005, 0.01},
        {"already two decimals", 66.6, 66.6},
        {"repeating fraction", -160.0 / 9.0, -17.78},
        {"a product just off a whole number", 37.00000000000001, 37},
        {"large whole number is kept", 1e300, 1e300},
        {"large value with a fraction", 70368744177664.015625, 70368744177664.02},
        {"scaling by 100 would overflow", 1.8e307, std::nullopt},
        {"infinity", kInf, std::nullopt},
        {"nan", kNaN, std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(roundToTwoDecimals(row.value), row.expected);
    }
}

TEST(NumberToText, WritesTheGeneralForm)
{
    const struct {
        double value;
        const char *decimalPoint;
        const char *expected;
    } rows[] = {
        {100, ".", "100"},
        {98.6, ".", "98.6"},
        {-17.78, ".", "-17.78"},
        {-17.78, ",", "-17,78"},
        {0.1 + 0.2, ".", "0.3"},
        {-0.0, ".", "0"},
        {999999999999999, ".", "999999999999999"},
        {1e15, ".", "1E+15"},
        {123456789012345678.0, ".", "1.23456789012346E+17"},
        {0.0001, ".", "0.0001"},
        {0.00001, ".", "1E-05"},
        {1e300, ".", "1E+300"},
        {-2.5e-300, ",", "-2,5E-300"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(numberToText(row.value, row.decimalPoint), row.expected);
    }
}
