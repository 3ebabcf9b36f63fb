// Plain number text for files and seeds, and reading numbers from fields in
// the user's locale.
#include "common/NumberText.h"
#include "common/NumberPattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

using kestrix::common::FormatPattern;
using kestrix::common::ParseNumberText;
using kestrix::common::PlainNumberText;

namespace {

TEST(PlainNumberText, WritesTheShortestDecimalForm) {
    struct Row {
        double value;
        const char* expected;
    };
    const Row rows[] = {
        {50, "50"},       {51.8, "51.8"}, {0, "0"},       {-0.0, "0"},
        {-3.25, "-3.25"}, {0.1, "0.1"},   {1200, "1200"}, {0.014066, "0.014066"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PlainNumberText(row.value), row.expected) << row.value;
}

TEST(PlainNumberText, ReadsBackToTheSameDouble) {
    const double values[] = {0.1 + 0.2, 1.0 / 3.0, 1e-300, 1e300, -123456.789, 5e-324};
    for (double v : values) {
        const std::optional<double> back = ParseNumberText(PlainNumberText(v));
        ASSERT_TRUE(back.has_value()) << PlainNumberText(v);
        EXPECT_EQ(*back, v) << PlainNumberText(v);
    }
}

struct ParseRow {
    const char* name;
    const char* text;
    const char* decimalPoint;
    const char* groupSeparator;
    std::optional<double> expected;
};

void PrintTo(const ParseRow& row, std::ostream* os) {
    *os << row.name;
}

class ParseTable : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseTable, ReadsAsTheUsersLocaleWrites) {
    const ParseRow& row = GetParam();
    const std::optional<double> got =
        ParseNumberText(row.text, row.decimalPoint, row.groupSeparator);
    ASSERT_EQ(got.has_value(), row.expected.has_value()) << '"' << row.text << '"';
    if (row.expected) {
        EXPECT_DOUBLE_EQ(*got, *row.expected) << '"' << row.text << '"';
    }
}

const ParseRow kParseRows[] = {
    {"integer", "50", ".", ",", 50},
    {"decimal", "51.8", ".", ",", 51.8},
    {"grouped", "1,200", ".", ",", 1200},
    {"grouped_twice_with_decimal", "1,234,567.25", ".", ",", 1234567.25},
    {"surrounding_spaces", "  42.5\t", ".", ",", 42.5},
    {"plus_sign", "+7", ".", ",", 7},
    {"minus_sign", "-3.25", ".", ",", -3.25},
    {"leading_point", ".5", ".", ",", 0.5},
    {"trailing_point", "5.", ".", ",", 5},
    {"exponent", "1.5e3", ".", ",", 1500},
    {"negative_exponent", "25E-2", ".", ",", 0.25},
    {"comma_locale", "1.200,5", ",", ".", 1200.5},
    {"comma_locale_plain", "0,014066", ",", ".", 0.014066},
    {"no_break_space_groups_typed_with_space", "1 234,5", ",", "\u202f", 1234.5},
    {"no_break_space_groups", "1\u00a0234,5", ",", "\u00a0", 1234.5},
    {"underflow_reads_as_zero", "1e-400", ".", ",", 0},
    // Refused: nothing, garbage, or a number the display would never write.
    {"empty", "", ".", ",", std::nullopt},
    {"spaces_only", "   ", ".", ",", std::nullopt},
    {"sign_only", "-", ".", ",", std::nullopt},
    {"point_only", ".", ".", ",", std::nullopt},
    {"letters", "abc", ".", ",", std::nullopt},
    {"trailing_garbage", "12abc", ".", ",", std::nullopt},
    {"two_points", "1.2.3", ".", ",", std::nullopt},
    {"two_signs", "--5", ".", ",", std::nullopt},
    {"inner_space", "1 2", ".", ",", std::nullopt},
    {"group_of_two", "12,00", ".", ",", std::nullopt},
    {"decimal_comma_in_point_locale", "1,5", ".", ",", std::nullopt},
    {"leading_separator", ",123", ".", ",", std::nullopt},
    {"trailing_separator", "123,", ".", ",", std::nullopt},
    {"group_after_four_digits", "1234,567", ".", ",", std::nullopt},
    {"separator_in_fraction", "1.234,5", ".", ",", std::nullopt},
    {"exponent_without_digits", "1e", ".", ",", std::nullopt},
    {"overflow", "1e400", ".", ",", std::nullopt},
    {"nan_text", "nan", ".", ",", std::nullopt},
    {"inf_text", "inf", ".", ",", std::nullopt},
    {"hex_text", "0x10", ".", ",", std::nullopt},
    {"point_in_comma_locale", "1.5", ",", ".", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Fields, ParseTable, testing::ValuesIn(kParseRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParseNumberText, ReadsBackWhatTheDisplayWrites) {
    const char* patterns[] = {"##0.0", "###,###", "###,##0", "0.#0", "#,###,###.0", "###.0"};
    const double values[] = {1234.56, 50.84, 1e9, 0.5, 987654.321, -4321.5};
    for (const char* pattern : patterns) {
        for (double v : values) {
            for (auto [dp, gs] : {std::pair{".", ","}, std::pair{",", "."}}) {
                const std::string shown = FormatPattern(v, pattern, dp, gs);
                const std::optional<double> back = ParseNumberText(shown, dp, gs);
                ASSERT_TRUE(back.has_value()) << pattern << " '" << shown << "'";
                EXPECT_EQ(FormatPattern(*back, pattern, dp, gs), shown);
            }
        }
    }
}

} // namespace
