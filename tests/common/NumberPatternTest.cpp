// The number-pattern rule: the pattern table of the results display, the
// component's own patterns, rounding ties, zero and negative zero, grouping of
// large values and locale separators.
#include "common/NumberPattern.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using kestrix::common::FormatPattern;

namespace {

struct PatternRow {
    const char* name;
    const char* pattern;
    double value;
    const char* expected;
};

void PrintTo(const PatternRow& row, std::ostream* os) {
    *os << row.name;
}

class PatternTable : public testing::TestWithParam<PatternRow> {};

TEST_P(PatternTable, FormatsAsTheDisplayShows) {
    const PatternRow& row = GetParam();
    EXPECT_EQ(FormatPattern(row.value, row.pattern), row.expected)
        << row.pattern << " with " << row.value;
}

// The results-display table: 1234.56, 50.84 and 0 under every pattern.
const PatternRow kDisplayTable[] = {
    {"p_0_0_large", "##0.0", 1234.56, "1234.6"},
    {"p_0_0_mid", "##0.0", 50.84, "50.8"},
    {"p_0_0_zero", "##0.0", 0, "0.0"},
    {"hash_0_large", "###.0", 1234.56, "1234.6"},
    {"hash_0_mid", "###.0", 50.84, "50.8"},
    {"hash_0_zero_has_no_integer_digit", "###.0", 0, ".0"},
    {"grouped_hash_large", "###,###", 1234.56, "1,235"},
    {"grouped_hash_mid", "###,###", 50.84, "51"},
    {"grouped_hash_zero_is_empty", "###,###", 0, ""},
    {"grouped_0_large", "###,##0", 1234.56, "1,235"},
    {"grouped_0_mid", "###,##0", 50.84, "51"},
    {"grouped_0_zero", "###,##0", 0, "0"},
    {"elev_large", "##,##0", 1234.56, "1,235"},
    {"elev_mid", "##,##0", 50.84, "51"},
    {"elev_zero", "##,##0", 0, "0"},
    {"four_hash_large", "####", 1234.56, "1235"},
    {"four_hash_mid", "####", 50.84, "51"},
    {"four_hash_zero_is_empty", "####", 0, ""},
    {"zero_hash_zero_large", "0.#0", 1234.56, "1234.56"},
    {"zero_hash_zero_mid", "0.#0", 50.84, "50.84"},
    {"zero_hash_zero_zero_two_decimals", "0.#0", 0, "0.00"},
    {"two_decimals_large", "0.00", 1234.56, "1234.56"},
    {"two_decimals_mid", "0.00", 50.84, "50.84"},
    {"two_decimals_zero", "0.00", 0, "0.00"},
    {"ip_heat_large", "#,###,###", 1234.56, "1,235"},
    {"ip_heat_mid", "#,###,###", 50.84, "51"},
    {"ip_heat_zero_is_empty", "#,###,###", 0, ""},
    {"si_heat_large", "###,###,###", 1234.56, "1,235"},
    {"si_heat_mid", "###,###,###", 50.84, "51"},
    {"si_heat_zero_is_empty", "###,###,###", 0, ""},
    // Patterns of the report, the clipboard and the calculator.
    {"report_temp", "###0.0", 1234.56, "1234.6"},
    {"report_temp_zero", "###0.0", 0, "0.0"},
    {"report_int", "###", 1234.56, "1235"},
    {"report_int_zero_is_empty", "###", 0.4, ""},
    {"report_grouped_one_decimal", "#,##0.0", 1234.56, "1,234.6"},
    {"report_grouped_one_decimal_zero", "#,##0.0", 0, "0.0"},
    // The component window's patterns.
    {"lb_per_lb_five_decimals", "0.####0", 0.014066, "0.01407"},
    {"lb_per_lb_zero", "0.####0", 0, "0.00000"},
    {"kg_per_kg_four_decimals", "0.###0", 0.014066, "0.0141"},
    {"enthalpy_two_decimals", "###.#0", 38.3194, "38.32"},
    {"enthalpy_below_one", "###.#0", 0.5, ".50"},
    {"enthalpy_zero", "###.#0", 0, ".00"},
    {"metric_spec_vol", "0.##0", 0.89266, "0.893"},
    {"volume_grouped_decimal", "#,###,###.0", 1000, "1,000.0"},
    {"volume_actual", "#,###,###.0", 1072.4962, "1,072.5"},
    {"volume_below_one", "#,###,###.0", 0.25, ".3"},
    {"rh_below_ten_one_integer_digit", "##0.0", 5, "5.0"},
    // Carries across the point and into a new digit.
    {"carry_into_new_digit", "##0.0", 999.96, "1000.0"},
    {"carry_into_new_group", "###,###", 999999.5, "1,000,000"},
    {"carry_into_first_digit", "###.0", 0.96, "1.0"},
};
INSTANTIATE_TEST_SUITE_P(Display, PatternTable, testing::ValuesIn(kDisplayTable),
                         [](const auto& info) { return std::string(info.param.name); });

// Ties are judged on the decimal form a user reads, not on the binary value.
const PatternRow kTies[] = {
    {"binary_below_but_reads_2_675", "0.00", 2.675, "2.68"},
    {"binary_below_but_reads_1_005", "0.00", 1.005, "1.01"},
    {"exact_eighth", "0.#0", 0.125, "0.13"},
    {"half_rounds_up_to_one", "####", 0.5, "1"},
    {"half_integer", "###,###", 2.5, "3"},
    {"negative_half_away_from_zero", "####", -2.5, "-3"},
    {"negative_tie_reads_as_typed", "0.00", -1.005, "-1.01"},
    {"just_below_half", "####", 0.49999999999999994, ""},
    {"tiny_rounds_to_zero", "0.00", 1e-300, "0.00"},
    {"tiny_at_half_of_last_place", "0.00", 0.005, "0.01"},
    {"below_half_of_last_place", "0.00", 0.0049999, "0.00"},
};
INSTANTIATE_TEST_SUITE_P(Ties, PatternTable, testing::ValuesIn(kTies),
                         [](const auto& info) { return std::string(info.param.name); });

// A negative value shows a minus sign unless it rounds to zero.
const PatternRow kSigns[] = {
    {"negative_value", "##0.0", -3.25, "-3.3"},
    {"negative_grouped", "###,###", -1234.56, "-1,235"},
    {"negative_below_one_no_integer_digit", "###.0", -0.5, "-.5"},
    {"negative_zero_always_zero", "##0.0", -0.0, "0.0"},
    {"negative_rounds_to_zero_has_no_sign", "##0.0", -0.04, "0.0"},
    {"negative_rounds_to_zero_no_integer", "###.0", -0.04, ".0"},
    {"negative_rounds_to_empty", "###,###", -0.4, ""},
    {"negative_two_decimals_to_zero", "0.#0", -0.001, "0.00"},
};
INSTANTIATE_TEST_SUITE_P(Signs, PatternTable, testing::ValuesIn(kSigns),
                         [](const auto& info) { return std::string(info.param.name); });

// Large values keep every digit and their grouping.
const PatternRow kLarge[] = {
    {"billion_ip_heat", "#,###,###", 1e9, "1,000,000,000"},
    {"billion_si_heat", "###,###,###", 1e9, "1,000,000,000"},
    {"quadrillion", "#,###,###", 1e15, "1,000,000,000,000,000"},
    {"quadrillion_ungrouped", "####", 1e15, "1000000000000000"},
    {"large_with_decimal", "#,###,###.0", 123456789.25, "123,456,789.3"},
    {"exact_large_integer", "###,###", 9007199254740993.0, "9,007,199,254,740,992"},
};
INSTANTIATE_TEST_SUITE_P(Large, PatternTable, testing::ValuesIn(kLarge),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatPattern, HugeValuesPrintAllIntegerDigits) {
    const std::string text = FormatPattern(1e300, "####");
    EXPECT_EQ(text.size(), 301u);
    EXPECT_EQ(text.substr(0, 1), "1");
    EXPECT_EQ(text.find_first_not_of('0', 1), std::string::npos);
    const std::string max = FormatPattern(std::numeric_limits<double>::max(), "#,###,###");
    EXPECT_EQ(max.substr(0, 7), "179,769");
}

TEST(FormatPattern, NonFiniteValuesGiveAMarkerText) {
    EXPECT_EQ(FormatPattern(std::numeric_limits<double>::quiet_NaN(), "##0.0"), "NaN");
    EXPECT_EQ(FormatPattern(std::numeric_limits<double>::infinity(), "###,###"), "Inf");
    EXPECT_EQ(FormatPattern(-std::numeric_limits<double>::infinity(), "0.00"), "-Inf");
}

TEST(FormatPattern, UsesTheSeparatorsPassedIn) {
    // A German desktop: comma decimal point, dot grouping.
    EXPECT_EQ(FormatPattern(1234.56, "#,###,###.0", ",", "."), "1.234,6");
    EXPECT_EQ(FormatPattern(0.014066, "0.####0", ",", "."), "0,01407");
    EXPECT_EQ(FormatPattern(0, "###.0", ",", "."), ",0");
    // A French desktop groups with a narrow no-break space (UTF-8, three bytes).
    EXPECT_EQ(FormatPattern(1234567.8, "###,###,###", ",", "\u202f"), "1\u202f234\u202f568");
    // A pattern without grouping ignores the separator.
    EXPECT_EQ(FormatPattern(1234.56, "##0.0", ",", "."), "1234,6");
}

TEST(FormatPattern, LiteralTextAroundThePlaceholdersIsKept) {
    EXPECT_EQ(FormatPattern(39.82, "##0.0%"), "39.8%");
    EXPECT_EQ(FormatPattern(-39.82, "##0.0%"), "-39.8%");
}

} // namespace
