// The option parser of the command line and its number readers.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "batch/options.h"

namespace {

using batch::OptionRule;

constexpr std::array<OptionRule, 4> kRules = {{
    {"south", 1},
    {"declination", 2},
    {"yes", 0},
    {"out", 1},
}};

struct ParseCase {
    std::vector<std::string> args;
    const char* problem;                  // empty: accepted
    std::vector<std::string> south;       // values of --south
    std::vector<std::string> positional;  // in order
};

const ParseCase kParseCases[] = {
    {{"--south", "-10", "--yes"}, "", {"-10"}, {}},
    {{"--south=-10.5"}, "", {"-10.5"}, {}},
    {{"-12.5", "--out", "-", "7"}, "", {}, {"-12.5", "7"}},
    {{"--declination", "1", "-2", "a"}, "", {}, {"a"}},
    {{"--", "--south", "-x"}, "", {}, {"--south", "-x"}},
    {{"--north", "1"}, "Unbekannte Option \"--north\"", {}, {}},
    {{"-x"}, "Unbekannte Option \"-x\"", {}, {}},
    {{"--south"}, "Option --south braucht einen Wert", {}, {}},
    {{"--south", "--yes"}, "Option --south braucht einen Wert", {}, {}},
    {{"--declination", "1"}, "Option --declination braucht 2 Werte", {}, {}},
    {{"--south", "1", "--south", "2"}, "Option --south ist mehrfach angegeben", {}, {}},
    {{"--yes=1"}, "Option --yes nimmt keinen Wert mit \"=\"", {}, {}},
};

TEST(Options, ParseTable) {
    for (const ParseCase& c : kParseCases) {
        SCOPED_TRACE(c.args.empty() ? "" : c.args.front());
        batch::ParsedOptions parsed;
        EXPECT_EQ(batch::parseOptions(c.args, kRules, parsed), c.problem);
        if (*c.problem) continue;
        EXPECT_EQ(parsed.values("south"), c.south);
        EXPECT_EQ(parsed.positional(), c.positional);
    }
}

struct NumberCase {
    const char* text;
    bool valid;
    double value;
};

const NumberCase kNumbers[] = {
    {"12.5", true, 12.5}, {"-0.25", true, -0.25}, {"+3", true, 3.0}, {"1e3", true, 1000.0},
    {"7,5", true, 7.5},   {"", false, 0},         {"abc", false, 0}, {"1.2.3", false, 0},
    {"1,2.3", false, 0},  {"nan", false, 0},      {"inf", false, 0}, {"1e999", false, 0},
    {"0x10", false, 0},   {"12 ", false, 0},      {"+-1", false, 0}, {"5a", false, 0},
};

TEST(Options, DecimalNumbersAsTheDialogsTakeThem) {
    for (const NumberCase& c : kNumbers) {
        SCOPED_TRACE(c.text);
        double value = -99.0;
        EXPECT_EQ(batch::parseDecimal(c.text, value), c.valid);
        EXPECT_EQ(value, c.valid ? c.value : -99.0);
    }
}

TEST(Options, WholeNumbersFitThirtyTwoBits) {
    int value = 0;
    EXPECT_TRUE(batch::parseWhole("+9001", value));
    EXPECT_EQ(value, 9001);
    EXPECT_FALSE(batch::parseWhole("2147483648", value));
    EXPECT_FALSE(batch::parseWhole("1.0", value));
    EXPECT_FALSE(batch::parseWhole("", value));
}

TEST(Options, ProblemsNameOptionOrArgument) {
    EXPECT_EQ(batch::optionProblem("south", "x"), "Option --south: x");
    EXPECT_EQ(batch::optionProblem("LAT1", "x"), "Argument LAT1: x");
}

}  // namespace
