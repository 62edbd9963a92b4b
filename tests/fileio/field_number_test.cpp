#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>

#include "fileio/field_number.h"

namespace {

struct NumberCase {
    const char* text;
    bool accepted;
    double value;
};

TEST(ParseNumber, AcceptsDecimalTextWithBlanksAroundIt) {
    const NumberCase cases[] = {
        {"12.5", true, 12.5},
        {"  -12.5 ", true, -12.5},
        {"\t7\t", true, 7.0},
        {"1e3", true, 1000.0},
        {"-2.5E-2", true, -0.025},
        {"+4", true, 4.0},
        {".5", true, 0.5},
        {"5.", true, 5.0},
        {"0", true, 0.0},
        {"1e-999", true, 0.0},
        {"1.7976931348623157e308", true, 1.7976931348623157e308},
        {"nan", false, 0},
        {"NaN", false, 0},
        {"inf", false, 0},
        {"-inf", false, 0},
        {"infinity", false, 0},
        {"1e999", false, 0},
        {"-1e999", false, 0},
        {"52,4", true, 52.4},
        {" -0,5 ", true, -0.5},
        {",5", true, 0.5},
        {"1,5e3", true, 1500.0},
        {"1,2,3", false, 0},
        {"1.2,3", false, 0},
        {"1,2.3", false, 0},
        {",", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"12.5abc", false, 0},
        {"0x10", false, 0},
        {"1e", false, 0},
        {"e5", false, 0},
        {".", false, 0},
        {"+-1", false, 0},
        {"1 2", false, 0},
        {"- 1", false, 0},
        {"1..2", false, 0},
        {"1e+", false, 0},
        {"٣", false, 0},
    };
    for (const NumberCase& c : cases) {
        double value = -777.0;
        EXPECT_EQ(fileio::parseNumberField(c.text, value), c.accepted) << '"' << c.text << '"';
        EXPECT_EQ(value, c.accepted ? c.value : -777.0) << '"' << c.text << '"';
    }
}

struct IntegerCase {
    const char* text;
    bool accepted;
    int32_t value;
};

TEST(ParseInteger, AcceptsThe32BitRangeOnly) {
    const IntegerCase cases[] = {
        {"42", true, 42},
        {" -7 ", true, -7},
        {"+3", true, 3},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, std::numeric_limits<int32_t>::min()},
        {"007", true, 7},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"1.5", false, 0},
        {"1e3", false, 0},
        {"", false, 0},
        {"abc", false, 0},
        {"+-3", false, 0},
        {"3 4", false, 0},
    };
    for (const IntegerCase& c : cases) {
        int32_t value = -777;
        EXPECT_EQ(fileio::parseIntegerField(c.text, value), c.accepted) << '"' << c.text << '"';
        EXPECT_EQ(value, c.accepted ? c.value : -777) << '"' << c.text << '"';
    }
}

TEST(FormatNumber, ShowsFifteenSignificantDigitsInGeneralNotation) {
    const std::pair<double, const char*> cases[] = {
        {9.5e-05, "9.5e-05"},
        {-0.0, "-0"},
        {0.0, "0"},
        {0.1, "0.1"},
        {52.4, "52.4"},
        {100.0, "100"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.0001, "0.0001"},
        {1e-5, "1e-05"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346e+15"},
        {1e15, "1e+15"},
        {-6378137.0, "-6378137"},
        {2.5e300, "2.5e+300"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(fileio::formatNumberField(value), text);
}

struct RulesCase {
    const char* text;
    // Accepted with the dialogs' rules, without blanks and comma (definition
    // files), without blanks (command line); the value when accepted.
    bool dialog;
    bool pointOnly;
    bool commaToo;
    double value;
};

TEST(FieldRules, SwitchOffBlanksCommaAndTinyValuesOneByOne) {
    constexpr fileio::FieldRules kPointOnly{false, false, false};
    constexpr fileio::FieldRules kCommaToo{false, true, false};
    const double smallest = std::numeric_limits<double>::denorm_min();
    const RulesCase cases[] = {
        {"5", true, true, true, 5.0},
        {" 5", true, false, false, 5.0},
        {"5\t", true, false, false, 5.0},
        {"5\r", true, false, false, 5.0},
        {"52,4", true, false, true, 52.4},
        {"-0,5", true, false, true, -0.5},
        {" 5,5 ", true, false, false, 5.5},
        {"1e-400", true, false, false, 0.0},
        // Below half the smallest subnormal: rounds to zero.
        {"2e-324", true, false, false, 0.0},
        // Subnormal values are kept under every rule.
        {"5e-324", true, true, true, smallest},
        {"3e-324", true, true, true, smallest},
        // Zero digits with any exponent are zero, not a tiny value.
        {"0e-400", true, true, true, 0.0},
        {"0.000e999", true, true, true, 0.0},
        {"1e309", false, false, false, 0},
    };
    for (const RulesCase& c : cases) {
        SCOPED_TRACE(c.text);
        const std::pair<fileio::FieldRules, bool> rules[] = {
            {fileio::FieldRules{}, c.dialog}, {kPointOnly, c.pointOnly}, {kCommaToo, c.commaToo}};
        for (const auto& [rule, accepted] : rules) {
            double value = -777.0;
            EXPECT_EQ(fileio::parseNumberField(c.text, value, rule), accepted);
            EXPECT_EQ(value, accepted ? c.value : -777.0);
        }
    }
}

TEST(FieldRules, IntegersWithoutBlanksAround) {
    const std::pair<const char*, bool> cases[] = {{"7", true}, {" 7", false}, {"7\t", false}};
    for (const auto& [text, accepted] : cases) {
        int32_t value = -777;
        EXPECT_EQ(fileio::parseIntegerField(text, value, false), accepted) << '"' << text << '"';
        EXPECT_EQ(value, accepted ? 7 : -777) << '"' << text << '"';
        EXPECT_TRUE(fileio::parseIntegerField(text, value)) << '"' << text << '"';
    }
}

}  // namespace
