// Command-line parsing and the checks the framework makes before a command runs.
#include "Parser.h"

#include <algorithm>
#include <stdexcept>

#include <boost/regex.hpp>

namespace Parvik {
namespace AutoCli {

using CallSpec::Input;
using CallSpec::InputSpec;
using CallSpec::ParameterConstraint;
using CallSpec::ParameterSpec;

namespace {

std::string OptionName(const ParameterSpec& parameter) { return "--" + parameter.GetName(); }

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

std::string JoinInts(const std::vector<int64_t>& values) {
    std::string text;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) text += ", ";
        text += std::to_string(values[i]);
    }
    return text;
}

std::string JoinStringEnums(const std::vector<ParameterConstraint::StringEnumValue>& values) {
    std::string text;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) text += ", ";
        text += values[i].value;
    }
    return text;
}

size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> previous(b.size() + 1), current(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

// Checks one value against its parameter's type and constraint.
std::string CheckValue(const ParameterSpec& parameter, const std::string& value) {
    const std::string option = OptionName(parameter);
    const auto& constraint = parameter.GetConstraint();
    switch (parameter.GetType()) {
    case CallSpec::PARAM_INTEGER: {
        int64_t number = 0;
        if (!Input::ParseInt(value, number)) {
            return "Invalid value " + Quote(value) + " for " + option + ": expected a 64-bit integer.";
        }
        if (!constraint) return "";
        if (constraint->GetType() == CallSpec::CONSTRAINT_INT_RANGE &&
            (number < constraint->GetRangeMin() || number > constraint->GetRangeMax())) {
            return "Invalid value " + Quote(value) + " for " + option + ": must be between " +
                   std::to_string(constraint->GetRangeMin()) + " and " +
                   std::to_string(constraint->GetRangeMax()) + ".";
        }
        if (constraint->GetType() == CallSpec::CONSTRAINT_INT_ENUM) {
            const auto& allowed = constraint->GetIntEnums();
            if (std::find(allowed.begin(), allowed.end(), number) == allowed.end()) {
                return "Invalid value " + Quote(value) + " for " + option + ": must be one of " +
                       JoinInts(allowed) + ".";
            }
        }
        return "";
    }
    case CallSpec::PARAM_BOOLEAN: {
        bool flag = false;
        if (!Input::ParseBool(value, flag)) {
            return "Invalid value " + Quote(value) + " for " + option +
                   ": expected a boolean (true/false, yes/no, 1/0).";
        }
        return "";
    }
    case CallSpec::PARAM_STRING:
    case CallSpec::PARAM_LIST: {
        if (!constraint) return "";
        if (constraint->GetType() == CallSpec::CONSTRAINT_STRING_ENUM) {
            const auto& allowed = constraint->GetStringEnums();
            bool found = std::any_of(allowed.begin(), allowed.end(),
                                     [&](const ParameterConstraint::StringEnumValue& entry) {
                                         return entry.value == value;
                                     });
            if (!found) {
                return "Invalid value " + Quote(value) + " for " + option + ": must be one of " +
                       JoinStringEnums(allowed) + ".";
            }
        }
        if (constraint->GetType() == CallSpec::CONSTRAINT_REGEX) {
            // The matcher keeps its state on the heap: a value of any length is
            // checked without deep recursion, and a pattern or match too
            // complex to finish counts as no match.
            bool matches = false;
            try {
                matches = boost::regex_match(value, boost::regex(constraint->GetRegex()));
            } catch (const std::runtime_error&) {
                matches = false;
            }
            if (!matches) {
                return "Invalid value " + Quote(value) + " for " + option + ": must match the pattern " +
                       constraint->GetRegex() + ".";
            }
        }
        return "";
    }
    case CallSpec::PARAM_FLAG:
        return "";
    }
    return "";
}

std::vector<std::string> OptionNames(const InputSpec& spec) {
    std::vector<std::string> names;
    for (const auto& parameter : spec.GetParameters()) names.push_back("--" + parameter->GetName());
    return names;
}

}  // namespace

std::vector<std::string> ClosestNames(const std::string& word, const std::vector<std::string>& candidates) {
    std::vector<std::pair<size_t, std::string>> scored;
    for (const auto& candidate : candidates) {
        size_t distance = EditDistance(word, candidate);
        bool prefix = !word.empty() && (candidate.compare(0, word.size(), word) == 0 ||
                                        word.compare(0, candidate.size(), candidate) == 0);
        size_t limit = std::max<size_t>(2, candidate.size() / 3);
        if (prefix) distance = std::min(distance, static_cast<size_t>(1));
        if (distance <= limit) scored.emplace_back(distance, candidate);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (size_t i = 0; i < scored.size() && i < 3; ++i) names.push_back(scored[i].second);
    return names;
}

std::string SuggestionText(const std::string& word, const std::vector<std::string>& candidates,
                           const std::string& prefix) {
    auto names = ClosestNames(word, candidates);
    if (names.empty()) return "";
    std::string text = " Did you mean: ";
    for (size_t i = 0; i < names.size(); ++i) {
        if (i) text += ", ";
        text += prefix + names[i];
    }
    return text + "?";
}

ParseOutcome ParseCommandOptions(const InputSpec& spec, const std::vector<std::string>& args, size_t start,
                                 Input& input) {
    ParseOutcome outcome;
    std::vector<std::pair<std::shared_ptr<ParameterSpec>, std::string>> given;

    for (size_t i = start; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--help" || word == "-h") {
            outcome.helpRequested = true;
            return outcome;
        }
        std::shared_ptr<ParameterSpec> parameter;
        std::string spelled = word;
        bool hasInlineValue = false;
        std::string inlineValue;
        if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
            std::string name = word.substr(2);
            size_t equals = name.find('=');
            if (equals != std::string::npos) {
                hasInlineValue = true;
                inlineValue = name.substr(equals + 1);
                name = name.substr(0, equals);
                spelled = "--" + name;
            }
            parameter = spec.FindByName(name);
            if (!parameter) {
                outcome.error = "Unknown option " + spelled + "." +
                                SuggestionText(spelled, OptionNames(spec));
                return outcome;
            }
        } else if (word.size() >= 2 && word[0] == '-' && word[1] != '-') {
            parameter = spec.FindByShortName(word.substr(1));
            if (!parameter) {
                outcome.error = "Unknown option " + word + ".";
                return outcome;
            }
        } else {
            outcome.error = "Unexpected argument " + Quote(word) + ": options are given as --name value.";
            return outcome;
        }

        if (parameter->GetType() == CallSpec::PARAM_FLAG) {
            if (hasInlineValue) {
                outcome.error = "Option " + OptionName(*parameter) + " is a flag and takes no value.";
                return outcome;
            }
            given.emplace_back(parameter, "");
            continue;
        }
        std::string value;
        if (hasInlineValue) {
            value = inlineValue;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            outcome.error = "Option " + OptionName(*parameter) + " needs a value.";
            return outcome;
        }
        given.emplace_back(parameter, value);
    }

    // Refusals in a stable order: repetitions, then values, then missing parameters.
    for (size_t i = 0; i < given.size(); ++i) {
        const auto& parameter = given[i].first;
        if (parameter->GetType() == CallSpec::PARAM_LIST) continue;
        for (size_t j = 0; j < i; ++j) {
            if (given[j].first == parameter) {
                outcome.error = "Option " + OptionName(*parameter) + " was given more than once.";
                return outcome;
            }
        }
    }
    for (const auto& entry : given) {
        std::string problem = CheckValue(*entry.first, entry.second);
        if (!problem.empty()) {
            outcome.error = problem;
            return outcome;
        }
    }
    for (const auto& parameter : spec.GetParameters()) {
        if (!parameter->IsRequired()) continue;
        bool present = std::any_of(given.begin(), given.end(),
                                   [&](const auto& entry) { return entry.first == parameter; });
        if (!present) {
            std::string shortName =
                parameter->GetShortName().empty() ? "" : " (-" + parameter->GetShortName() + ")";
            outcome.error = "Missing required parameter " + OptionName(*parameter) + shortName + ".";
            return outcome;
        }
    }
    for (const auto& entry : given) {
        if (entry.first->GetType() == CallSpec::PARAM_FLAG) {
            input.SetFlag(entry.first->GetName());
        } else {
            input.AddValue(entry.first->GetName(), entry.second);
        }
    }
    return outcome;
}

}  // namespace AutoCli
}  // namespace Parvik
