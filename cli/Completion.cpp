// Shell completion: candidates for the next word of a command line, and the
// bash, zsh and fish scripts that ask talixcli for them.
#include "Completion.h"

#include <set>

#include "render/Render.h"

namespace Parvik {
namespace AutoCli {

namespace {

// The options talixcli takes before the command path.
struct FrameworkOption {
    const char* name;
    bool takesValue;
    bool repeatable;
    bool endsLine;  // nothing is completed after it
};

const FrameworkOption kFrameworkOptions[] = {
    {"--formatter", true, false, false},     {"--format-param", true, true, false}, {"--help", false, false, true},
    {"--list-commands", false, false, true}, {"--completion", true, false, true},   {"--version", false, false, true},
    {"--batch", true, false, true},          {"--dry-run", false, false, false},
};

const char kHelpOption[] = "--help";

const FrameworkOption* FindFrameworkOption(const std::string& name) {
    const std::string canonical = name == "-h" ? kHelpOption : name;
    for (const auto& option : kFrameworkOptions) {
        if (canonical == option.name) return &option;
    }
    return nullptr;
}

std::vector<std::string> FrameworkOptionValues(const std::string& option) {
    if (option == "--formatter") return Render::FormatterNames();
    if (option == "--completion") return CompletionShells();
    return {};
}

std::vector<std::string> ParameterValues(const std::string& path, const CallSpec::ParameterSpec& parameter,
                                         const ValueCompletion& values) {
    if (parameter.GetType() == CallSpec::PARAM_BOOLEAN) return {"true", "false"};
    const auto& constraint = parameter.GetConstraint();
    std::vector<std::string> candidates;
    if (constraint && constraint->GetType() == CallSpec::CONSTRAINT_STRING_ENUM) {
        for (const auto& entry : constraint->GetStringEnums()) candidates.push_back(entry.value);
        return candidates;
    }
    if (constraint && constraint->GetType() == CallSpec::CONSTRAINT_INT_ENUM) {
        for (int64_t value : constraint->GetIntEnums()) candidates.push_back(std::to_string(value));
        return candidates;
    }
    return values ? values(path, parameter.GetName()) : candidates;
}

// The parameter a command option word names (--name, --name=value, -n).
std::shared_ptr<CallSpec::ParameterSpec> ParameterOfWord(const CallSpec::InputSpec& spec, const std::string& word) {
    if (word.compare(0, 2, "--") == 0) return spec.FindByName(word.substr(2, word.find('=') - 2));
    if (word.size() > 1 && word[0] == '-') return spec.FindByShortName(word.substr(1));
    return nullptr;
}

std::vector<std::string> CommandCandidates(Command& command, const std::string& path,
                                           const std::vector<std::string>& words, size_t start,
                                           const ValueCompletion& values) {
    auto spec = command.GetInputSpec();
    if (!spec) spec = CallSpec::InputSpec::New();
    std::set<std::string> given;
    for (size_t i = start; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == kHelpOption || word == "-h") return {};
        auto parameter = ParameterOfWord(*spec, word);
        if (!parameter) continue;  // a value, or a word the command will refuse
        given.insert(parameter->GetName());
        if (parameter->GetType() == CallSpec::PARAM_FLAG || word.find('=') != std::string::npos) continue;
        if (i + 1 == words.size()) return ParameterValues(path, *parameter, values);
        ++i;  // its value
    }
    std::vector<std::string> candidates;
    for (const auto& parameter : spec->GetParameters()) {
        if (given.count(parameter->GetName()) && parameter->GetType() != CallSpec::PARAM_LIST) continue;
        candidates.push_back("--" + parameter->GetName());
    }
    candidates.push_back(kHelpOption);
    return candidates;
}

const char kBashScript[] = R"SCRIPT(# bash completion for talixcli: source this file, or install it as
# /usr/share/bash-completion/completions/talixcli.
_talixcli() {
    local line="${COMP_LINE:0:COMP_POINT}"
    # Readline replaces only the text after its own word start ($2): after a
    # quote that is still open, or after a break character such as "=".
    local start=${#line}
    (($# >= 2)) && start=$((${#line} - ${#2}))
    # The words as the shell will read them: quotes and backslashes removed,
    # nothing expanded. cur is the word being typed, lead its part before
    # readline's word start, quote the quote still open at its end.
    local -a words=()
    local cur="" lead="" quote="" c
    local -i i inword=0
    for ((i = 0; i < ${#line}; i++)); do
        ((i == start)) && lead="$cur"
        c="${line:i:1}"
        if [[ "$quote" == "'" ]]; then
            if [[ "$c" == "'" ]]; then quote=""; else cur+="$c"; fi
        elif [[ "$quote" == '"' ]]; then
            if [[ "$c" == '"' ]]; then
                quote=""
            elif [[ "$c" == '\' && "${line:i+1:1}" == [\"\\\$\`] ]]; then
                cur+="${line:i+1:1}"
                i+=1
            else
                cur+="$c"
            fi
        elif [[ "$c" == [[:space:]] ]]; then
            ((inword)) && words+=("$cur")
            ((i > start)) && lead=""
            cur=""
            inword=0
        else
            inword=1
            if [[ "$c" == "'" || "$c" == '"' ]]; then
                quote="$c"
            elif [[ "$c" == '\' ]]; then
                i+=1
                cur+="${line:i:1}"
            else
                cur+="$c"
            fi
        fi
    done
    ((start >= ${#line})) && lead="$cur"
    local value="$cur"
    if [[ "$cur" == --*=* ]]; then
        words+=("${cur%%=*}")
        value="${cur#*=}"
    fi
    # NUL-terminated and read as they are: a name may hold a newline, and a
    # name such as "*" must not be expanded against the working directory.
    local -a candidates
    mapfile -d '' -t candidates < <("${words[0]}" --complete-nul "${words[@]:1}" 2>/dev/null)
    COMPREPLY=()
    local candidate rest
    for candidate in "${candidates[@]}"; do
        [[ "$candidate" == "$value"* ]] || continue
        candidate="${cur:0:${#cur}-${#value}}$candidate"
        rest="${candidate:${#lead}}"
        # Quoted for where it goes, so that no name can run anything.
        if [[ "$quote" == "'" ]]; then
            rest="${rest//"'"/"'\''"}"
        elif [[ "$quote" == '"' ]]; then
            rest="${rest//\\/\\\\}"
            rest="${rest//\"/\\\"}"
            rest="${rest//\$/\\\$}"
            rest="${rest//\`/\\\`}"
        elif [[ -n "$rest" ]]; then
            printf -v rest '%q' "$rest"
        fi
        COMPREPLY+=("$rest")
    done
}
complete -F _talixcli talixcli
)SCRIPT";

const char kZshScript[] = R"SCRIPT(#compdef talixcli
# zsh completion for talixcli: source this file, or install it as _talixcli in
# a directory of $fpath (/usr/share/zsh/vendor-completions, site-functions).
_talixcli() {
    local -a before candidates
    local current="${words[CURRENT]}"
    before=("${(@Q)words[2,CURRENT-1]}")
    if [[ "$current" == --*=* ]]; then
        before+=("${current%%=*}")
        # Only up to the first "=": a value may hold one too.
        compset -P 1 '*='
    fi
    # NUL-terminated: a name may hold a newline.
    candidates=("${(@0)$(${(Q)words[1]} --complete-nul "${before[@]}" 2>/dev/null)}")
    candidates=("${(@)candidates:#}")
    if [[ -n "${compstate[quote]}" ]]; then
        # Inside an open quote zsh quotes each name for that quote itself.
        compadd -- "${candidates[@]}"
    else
        compadd -Q -- "${(@q)candidates}"
    fi
}
if [[ "${zsh_eval_context[-1]}" == loadautofunc ]]; then
    _talixcli "$@"
else
    compdef _talixcli talixcli
fi
)SCRIPT";

const char kFishScript[] = R"SCRIPT(# fish completion for talixcli: source this file, or install it as
# talixcli.fish in a directory of $fish_complete_path.
function __talixcli_complete
    set -l tokens (commandline -opc)
    set -l current (commandline -ct)
    set -l program $tokens[1]
    set -e tokens[1]
    set -l prefix ""
    if string match -qr -- '^--[^=]+=' $current
        set prefix (string replace -r -- '=.*' '=' $current)
        set -a tokens (string replace -r -- '=.*' '' $current)
    end
    # NUL-terminated, in and out: a name may hold a newline.
    for candidate in ($program --complete-nul $tokens 2>/dev/null | string split0)
        printf '%s\0' $prefix$candidate
    end
end
complete -c talixcli -f -a '(__talixcli_complete | string split0)'
)SCRIPT";

}  // namespace

std::vector<std::string> CompletionCandidates(NamespaceNode& root, const std::vector<std::string>& words,
                                              const ValueCompletion& values) {
    // Framework options stand before the path.
    std::set<std::string> given;
    size_t i = 0;
    for (; i < words.size() && !words[i].empty() && words[i][0] == '-'; ++i) {
        const std::string& word = words[i];
        const FrameworkOption* option = FindFrameworkOption(word.substr(0, word.find('=')));
        if (!option) return {};
        const bool valueFollows = option->takesValue && word.find('=') == std::string::npos;
        if (valueFollows && i + 1 == words.size()) return FrameworkOptionValues(option->name);
        if (option->endsLine) return {};
        given.insert(option->name);
        if (valueFollows) ++i;
    }

    std::vector<std::string> rest(words.begin() + static_cast<long>(i), words.end());
    size_t consumed = 0;
    auto node = root.ResolveNode(rest, consumed);
    std::vector<std::string> candidates;
    if (!node) return candidates;
    if (node->GetType() == NODE_COMMAND) {
        std::string path;
        for (size_t word = 0; word < consumed; ++word) path += (word ? " " : "") + rest[word];
        return CommandCandidates(static_cast<Command&>(*node), path, rest, consumed, values);
    }
    if (consumed < rest.size()) return candidates;
    for (const auto& child : node->GetChildren()) candidates.push_back(child.first);
    if (!rest.empty()) {
        candidates.push_back(kHelpOption);
        return candidates;
    }
    for (const auto& option : kFrameworkOptions) {
        if (option.repeatable || !given.count(option.name)) candidates.push_back(option.name);
    }
    return candidates;
}

namespace {
ValueCompletion& OverrideSlot() {
    static ValueCompletion values;
    return values;
}
}  // namespace

void SetValueCompletionOverride(ValueCompletion values) { OverrideSlot() = std::move(values); }

const ValueCompletion& ValueCompletionOverride() { return OverrideSlot(); }

const std::vector<std::string>& CompletionShells() {
    static const std::vector<std::string> shells = {"bash", "zsh", "fish"};
    return shells;
}

bool PrintCompletionScript(std::ostream& out, const std::string& shell) {
    if (shell == "bash") {
        out << kBashScript;
    } else if (shell == "zsh") {
        out << kZshScript;
    } else if (shell == "fish") {
        out << kFishScript;
    } else {
        return false;
    }
    return true;
}

}  // namespace AutoCli
}  // namespace Parvik
