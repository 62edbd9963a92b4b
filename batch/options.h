#pragma once
// The one option parser of the command line: every subcommand describes its
// options in a table and gets back their values or the first problem, in
// German, naming the option.
//
// "--name value" and "--name=value" both give a value; an option of two
// values takes the next two arguments. Arguments that do not start with
// "--" are positional, "-" and negative numbers ("-12.5") included; after
// "--" every argument is positional. An unknown option, a missing value and
// an option given twice are refused.

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

// One option a command takes.
struct OptionRule {
    std::string_view name;  // without the leading "--"
    int valueCount;         // 0 for a switch, 1 or 2
};

class ParsedOptions {
public:
    bool has(std::string_view name) const { return values_.count(std::string(name)) != 0; }
    // The values of an option (empty for a switch or an option not given).
    const std::vector<std::string>& values(std::string_view name) const;
    // The single value of an option, or `fallback` when it was not given.
    std::string text(std::string_view name, std::string_view fallback = {}) const;
    const std::vector<std::string>& positional() const { return positional_; }

private:
    friend std::string parseOptions(std::span<const std::string>, std::span<const OptionRule>,
                                    ParsedOptions&);
    std::map<std::string, std::vector<std::string>> values_;
    std::vector<std::string> positional_;
};

// Empty when every argument fits the table, else the problem.
std::string parseOptions(std::span<const std::string> args, std::span<const OptionRule> rules,
                         ParsedOptions& parsed);

// A decimal number as the dialogs take it (a decimal point, or one comma
// standing for it; an optional sign; finite), without blanks around it; a
// nonzero value too small for a double is refused. False for anything else.
bool parseDecimal(std::string_view text, double& value);
// A whole number that fits into 32 bits.
bool parseWhole(std::string_view text, int& value);

// "Option --south: <message>" for an option name ("south"), "Argument LAT1:
// <message>" for the name of a positional argument (upper case).
std::string optionProblem(std::string_view name, std::string_view message);

}  // namespace batch
