#include "convert.h"

#include "locales.h"

#include <gtest/gtest.h>

#include <optional>

using namespace quorrel;
using namespace quorrel::test;

namespace
{
constexpr Scale F = Scale::Fahrenheit, C = Scale::Celsius;
} // namespace

TEST(ConvertTemperature, ConvertsToTheOtherScale)
{
    const struct {
        const char *name;
        const char *typed;
        Scale from;
        std::optional<double> expected = std::nullopt; // none: out of range
        NumberLocale locale = kEnglish;
    } rows[] = {
        {.name = "boiling, from F", .typed = "212", .from = F, .expected = 100},
        {.name = "body temperature, from F", .typed = "98.6", .from = F, .expected = 37},
        {.name = "freezing, from F", .typed = "32", .from = F, .expected = 0},
        {.name = "body temperature, from C", .typed = "37", .from = C, .expected = 98.6},
        {.name = "boiling, from C", .typed = "100", .from = C, .expected = 212},
        {.name = "where the scales meet", .typed = "-40", .from = C, .expected = -40},
        {.name = "empty reads as 0", .typed = "", .from = F, .expected = -17.78},
        {.name = "no number reads as 0", .typed = "abc", .from = C, .expected = 32},
        {.name = "leading number only", .typed = "12abc", .from = F, .expected = -11.11},
        {.name = "98.456 from F", .typed = "98.456", .from = F, .expected = 36.92},
        {.name = "98.456 from C", .typed = "98.456", .from = C, .expected = 209.23},
        {.name = "large", .typed = "1e300", .from = C, .expected = 1.8e300},
        {.name = "beyond the double range", .typed = "1e999", .from = F},
        {.name = "rounding would overflow", .typed = "1e307", .from = F},
        {.name = "product overflows the rounding", .typed = "1.5e306", .from = C},
        // A number written in the user's locale is read whole.
        {.name = "German decimal comma",
         .typed = "36,6",
         .from = C,
         .expected = 97.88,
         .locale = kGerman},
        {.name = "English thousands", .typed = "1,000", .from = F, .expected = 537.78},
        {.name = "German thousands and decimals",
         .typed = "1.000,5",
         .from = F,
         .expected = 538.06,
         .locale = kGerman},
        // Anything else is read the forgiving way, whatever the locale.
        {.name = "a point in German still reads",
         .typed = "98.6",
         .from = F,
         .expected = 37,
         .locale = kGerman},
        {.name = "leading number in German",
         .typed = "12abc",
         .from = F,
         .expected = -11.11,
         .locale = kGerman},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Result<double> converted = convertTemperature(row.typed, row.from, row.locale);
        ASSERT_EQ(converted.has_value(), row.expected.has_value());
        if (row.expected) {
            EXPECT_DOUBLE_EQ(*converted, *row.expected);
        }
    }
}
