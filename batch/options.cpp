#include "batch/options.h"

#include <cctype>
#include <optional>

#include "fileio/field_number.h"
#include "fileio/number_reader.h"

namespace batch {
namespace {

bool isNegativeNumber(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' &&
           (std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.' || arg[1] == ',');
}

// An argument that starts an option: "--name", not "-", not "-5".
bool isOption(std::string_view arg) {
    return arg.size() > 2 && arg.starts_with("--");
}

// An option's number is taken as the dialogs take it, decimal comma included,
// but without blanks around it, and a nonzero value too small for a double is
// refused like one too large.
constexpr fileio::FieldRules kOptionNumbers{
    .blanksAround = false, .decimalComma = true, .tinyAsZero = false};

const OptionRule* findRule(std::span<const OptionRule> rules, std::string_view name) {
    for (const OptionRule& rule : rules) {
        if (rule.name == name) return &rule;
    }
    return nullptr;
}

}  // namespace

const std::vector<std::string>& ParsedOptions::values(std::string_view name) const {
    static const std::vector<std::string> none;
    const auto it = values_.find(std::string(name));
    return it == values_.end() ? none : it->second;
}

std::string ParsedOptions::text(std::string_view name, std::string_view fallback) const {
    const std::vector<std::string>& v = values(name);
    return v.empty() ? std::string(fallback) : v.front();
}

std::string parseOptions(std::span<const std::string> args, std::span<const OptionRule> rules,
                         ParsedOptions& parsed) {
    parsed = ParsedOptions();
    bool onlyPositional = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyPositional || !isOption(arg)) {
            if (!onlyPositional && arg == "--") {
                onlyPositional = true;
                continue;
            }
            if (!onlyPositional && arg.size() > 1 && arg[0] == '-' && !isNegativeNumber(arg)) {
                return "Unbekannte Option \"" + arg + "\"";
            }
            parsed.positional_.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyPositional = true;
            continue;
        }
        std::string_view name = std::string_view(arg).substr(2);
        std::optional<std::string> inlineValue;
        if (const size_t equals = name.find('='); equals != std::string_view::npos) {
            inlineValue = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        const OptionRule* rule = findRule(rules, name);
        const std::string label = "--" + std::string(name);
        if (rule == nullptr) return "Unbekannte Option \"" + label + "\"";
        if (parsed.has(name)) return "Option " + label + " ist mehrfach angegeben";
        std::vector<std::string> values;
        if (inlineValue) {
            if (rule->valueCount != 1) return "Option " + label + " nimmt keinen Wert mit \"=\"";
            values.push_back(*inlineValue);
        } else {
            for (int v = 0; v < rule->valueCount; ++v) {
                if (i + 1 >= args.size() || (isOption(args[i + 1]) && args[i + 1] != "--")) {
                    return "Option " + label + " braucht " +
                           (rule->valueCount == 1 ? std::string("einen Wert")
                                                  : std::to_string(rule->valueCount) + " Werte");
                }
                values.push_back(args[++i]);
            }
        }
        parsed.values_[std::string(name)] = std::move(values);
    }
    return {};
}

bool parseDecimal(std::string_view text, double& value) {
    return fileio::parseNumberField(text, value, kOptionNumbers);
}

bool parseWhole(std::string_view text, int& value) {
    return fileio::parseWholeInteger(text, value);
}

std::string optionProblem(std::string_view name, std::string_view message) {
    const bool positional = !name.empty() && std::isupper(static_cast<unsigned char>(name[0]));
    std::string text = positional ? "Argument " : "Option --";
    text.append(name).append(": ").append(message);
    return text;
}

}  // namespace batch
