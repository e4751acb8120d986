// Command-line parsing and the checks the framework makes before a command runs.
#include "Parser.h"

#include <dlfcn.h>

#include <algorithm>

#include "Utf8.h"
#include "parvik/Libraries.h"
#include "parvik/PluginHooks.h"

namespace Parvik {
namespace AutoCli {

using CallSpec::Input;
using CallSpec::InputSpec;
using CallSpec::ParameterConstraint;
using CallSpec::ParameterSpec;

namespace {

std::string OptionName(const ParameterSpec& parameter) { return "--" + parameter.GetName(); }

// Longest value any parameter takes: far above any name, address or path the
// host knows. It bounds what a value can make the host store, and what a
// message or a terminal is given; the pattern matcher needs no such bound (it
// runs in time linear in the value, without recursion).
const size_t kMaxValueBytes = 4096;
// How much of a value a message shows.
const size_t kQuotedValueBytes = 64;

// The byte's two hex digits after prefix ("0x", "\\x").
std::string Hex(unsigned char byte, const char* prefix = "0x") {
    std::string text;
    Text::AppendHexByte(text, prefix, byte);
    return text;
}

// Where text stops being UTF-8, or npos.
size_t InvalidUtf8At(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        size_t length = Text::Utf8SequenceLength(text, i);
        if (length == 0) return i;
        i += length;
    }
    return std::string::npos;
}

// What every value must be, whatever its type: text of bounded length, UTF-8,
// without control characters (they would break the host's files and the
// terminal the messages go to). The value itself is not repeated then.
std::string CheckText(const ParameterSpec& parameter, const std::string& value) {
    // Built only for a refusal: nearly every value passes.
    auto prefix = [&] { return "Invalid value for " + OptionName(parameter) + ": "; };
    if (value.size() > kMaxValueBytes) {
        return prefix() + "it is " + std::to_string(value.size()) + " bytes long, at most " +
               std::to_string(kMaxValueBytes) + " are accepted.";
    }
    size_t invalid = InvalidUtf8At(value);
    if (invalid != std::string::npos) {
        return prefix() + "it is not UTF-8 text (byte " + Hex(static_cast<unsigned char>(value[invalid])) +
               " at position " + std::to_string(invalid) + ").";
    }
    for (size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c < 0x20 || c == 0x7f) {
            return prefix() + "it contains the control character " + Hex(c) + " at position " + std::to_string(i) + ".";
        }
    }
    return "";
}

// Parameter patterns are matched by a library of the framework's own
// (PatternMatcher.cpp), loaded on the first pattern check from where the
// framework itself was loaded: beside the framework library, or from the
// library folder of talixcli (which carries the framework), built or installed.
using MatchPatternFn = decltype(&TalixMatchPattern);

MatchPatternFn LoadPatternMatcher(std::string& problem) {
    void* library = OpenLibraryBeside(reinterpret_cast<const void*>(&LoadPatternMatcher), TALIX_PATTERN_MATCHER,
                                      {"", "lib/", "../" TALIX_INSTALLED_LIBRARY_DIR "/"});
    std::string reason;
    MatchPatternFn match = nullptr;
    if (library) {
        match = reinterpret_cast<MatchPatternFn>(FindLibraryEntry(library, "TalixMatchPattern", &reason));
    } else {
        reason = TakeLoaderError();
    }
    if (!match) {
        problem = std::string("the pattern matcher ") + TALIX_PATTERN_MATCHER + " cannot be loaded" +
                  (reason.empty() ? std::string() : ": " + reason);
    }
    return match;
}

enum class PatternCheck { kMatch, kMismatch, kUnavailable };

// Whether the whole value matches the pattern (a pattern that does not
// compile matches nothing); kUnavailable, with the reason in problem, when the
// matcher cannot be loaded.
PatternCheck MatchPattern(const std::string& value, const std::string& pattern, std::string& problem) {
    static std::string loadProblem;
    static const MatchPatternFn match = LoadPatternMatcher(loadProblem);
    if (!match) {
        problem = loadProblem;
        return PatternCheck::kUnavailable;
    }
    return match(pattern.data(), pattern.size(), value.data(), value.size()) == 1 ? PatternCheck::kMatch
                                                                                  : PatternCheck::kMismatch;
}

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

// Edits between a and b, a swap of two neighbouring characters counting as
// one: the commonest slip at a keyboard.
size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                current[j] = std::min(current[j], before[j - 2] + 1);
            }
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

// Checks one value against its parameter's type and constraint.
std::string CheckValue(const ParameterSpec& parameter, const std::string& value) {
    auto option = [&] { return OptionName(parameter); };  // only for a refusal
    if (parameter.GetType() != CallSpec::PARAM_FLAG) {
        std::string problem = CheckText(parameter, value);
        if (!problem.empty()) return problem;
    }
    const auto& constraint = parameter.GetConstraint();
    switch (parameter.GetType()) {
    case CallSpec::PARAM_INTEGER: {
        int64_t number = 0;
        if (!Input::ParseInt(value, number)) {
            return "Invalid value " + ShowInput(value) + " for " + option() + ": expected a 64-bit integer.";
        }
        if (!constraint) return "";
        if (constraint->GetType() == CallSpec::CONSTRAINT_INT_RANGE &&
            (number < constraint->GetRangeMin() || number > constraint->GetRangeMax())) {
            return "Invalid value " + ShowInput(value) + " for " + option() + ": must be between " +
                   std::to_string(constraint->GetRangeMin()) + " and " + std::to_string(constraint->GetRangeMax()) +
                   ".";
        }
        if (constraint->GetType() == CallSpec::CONSTRAINT_INT_ENUM) {
            const auto& allowed = constraint->GetIntEnums();
            if (std::find(allowed.begin(), allowed.end(), number) == allowed.end()) {
                return "Invalid value " + ShowInput(value) + " for " + option() + ": must be one of " +
                       JoinInts(allowed) + ".";
            }
        }
        return "";
    }
    case CallSpec::PARAM_BOOLEAN: {
        bool flag = false;
        if (!Input::ParseBool(value, flag)) {
            return "Invalid value " + ShowInput(value) + " for " + option() +
                   ": expected a boolean (true/false, yes/no, 1/0).";
        }
        return "";
    }
    case CallSpec::PARAM_STRING:
    case CallSpec::PARAM_LIST: {
        if (!constraint) return "";
        if (constraint->GetType() == CallSpec::CONSTRAINT_STRING_ENUM) {
            const auto& allowed = constraint->GetStringEnums();
            bool found =
                std::any_of(allowed.begin(), allowed.end(),
                            [&](const ParameterConstraint::StringEnumValue& entry) { return entry.value == value; });
            if (!found) {
                return "Invalid value " + ShowInput(value) + " for " + option() + ": must be one of " +
                       JoinStringEnums(allowed) + ".";
            }
        }
        if (constraint->GetType() == CallSpec::CONSTRAINT_REGEX) {
            std::string problem;
            const PatternCheck outcome = MatchPattern(value, constraint->GetRegex(), problem);
            if (outcome == PatternCheck::kMismatch) {
                return "Invalid value " + ShowInput(value) + " for " + option() + ": must match the pattern " +
                       constraint->GetRegex() + ".";
            }
            if (outcome == PatternCheck::kUnavailable) {
                return "Cannot check the value " + ShowInput(value) + " for " + option() + ": " + problem + ".";
            }
        }
        return "";
    }
    case CallSpec::PARAM_FLAG: return "";
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
    // Leading dashes are the same in every option name: they tell nothing.
    const std::string bare = word.substr(std::min(word.find_first_not_of('-'), word.size()));
    std::vector<std::pair<size_t, std::string>> scored;
    for (const auto& candidate : candidates) {
        const std::string name = candidate.substr(std::min(candidate.find_first_not_of('-'), candidate.size()));
        // A word cut short, or run on, is one slip whatever its length.
        const bool prefix = bare.size() >= 2 && name.size() >= 2 &&
                            (name.compare(0, bare.size(), bare) == 0 || bare.compare(0, name.size(), name) == 0);
        // About one edit in three characters: beyond that the words differ.
        const size_t limit = std::max<size_t>(1, std::max(bare.size(), name.size()) / 3);
        // The lengths alone put a long stray word out of reach, without the
        // quadratic distance computation.
        const size_t lengthGap = bare.size() > name.size() ? bare.size() - name.size() : name.size() - bare.size();
        const size_t distance = bare == name        ? 0
                                : prefix            ? 1
                                : lengthGap > limit ? lengthGap
                                                    : EditDistance(bare, name);
        if (distance <= limit) scored.emplace_back(distance, candidate);
    }
    std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    // Only the nearest: a word one edit away hides those two away.
    for (size_t i = 0; i < scored.size() && i < 3 && scored[i].first == scored[0].first; ++i) {
        names.push_back(scored[i].second);
    }
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
                outcome.error =
                    "Unknown option " + ShowInput(spelled, false) + "." + SuggestionText(spelled, OptionNames(spec));
                return outcome;
            }
        } else if (word.size() >= 2 && word[0] == '-' && word[1] != '-') {
            parameter = spec.FindByShortName(word.substr(1));
            if (!parameter) {
                outcome.error = "Unknown option " + ShowInput(word, false) + ".";
                return outcome;
            }
        } else {
            outcome.error = "Unexpected argument " + ShowInput(word) + ": options are given as --name value.";
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
        bool present =
            std::any_of(given.begin(), given.end(), [&](const auto& entry) { return entry.first == parameter; });
        if (!present) {
            std::string shortName = parameter->GetShortName().empty() ? "" : " (-" + parameter->GetShortName() + ")";
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

std::string ShowInput(const std::string& text, bool quoted) {
    size_t end = std::min(text.size(), kQuotedValueBytes);
    while (end < text.size() && end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80) --end;
    const bool cut = end < text.size();
    std::string shown = quoted ? "\"" : "";
    for (size_t i = 0; i < end;) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t length = Text::Utf8SequenceLength(text, i);
        if (length == 0 || c < 0x20 || c == 0x7f) {
            shown += Hex(c, "\\x");
            ++i;
            continue;
        }
        // C1 controls (U+0080 to U+009F): a terminal acts on them as on ESC sequences.
        if (length == 2 && c == 0xc2 && static_cast<unsigned char>(text[i + 1]) < 0xa0) {
            shown += Hex(static_cast<unsigned char>(text[i + 1]), "\\u00");
            i += length;
            continue;
        }
        shown.append(text, i, length);
        i += length;
    }
    if (cut) shown += "...";
    if (quoted) shown += '"';
    if (cut) shown += " (" + std::to_string(text.size()) + " bytes)";
    return shown;
}

}  // namespace AutoCli
}  // namespace Parvik
