#!/usr/bin/env bash
# Fails when talixcli(1) leaves out an option talixcli accepts or an
# environment variable its code reads. Both lists come from the sources, not
# from a copy kept here: every getenv in the shell, the host library and the
# command families (its name a string literal or a constant defined as one),
# and every option spelling ("--name", "-x") in the shell's sources.
#
#   check-manual-coverage.sh PAGE SOURCE_DIR
#   check-manual-coverage.sh --self-test PAGE SOURCE_DIR
#       shows that the check fails on a copy of the sources and page with an
#       undescribed variable or option added, and passes on an unchanged copy
set -uo pipefail

code_dirs=(cli simhost frame firewall ip nic vswitch datapath)

# The text of one section of the page (.SH NAME up to the next .SH), with the
# roff escapes the page writer uses turned back into plain characters.
section() {
    awk -v want="$2" '
        /^\.SH / { name = substr($0, 5); gsub(/"/, "", name); inside = (name == want); next }
        inside { print }' "$1" | sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' -e 's/\\e/\\/g' -e 's/\\&//g'
}

# FILE:LINE:CALL for each getenv in the code.
getenv_calls() {
    (cd "$1" && grep -rnoE --include='*.cpp' --include='*.h' '\b(secure_)?getenv\([^)]*\)' "${code_dirs[@]}")
}

# The value of a string constant NAME defined anywhere in the code, or "".
constant_value() {
    (cd "$1" && grep -rhoE --include='*.cpp' --include='*.h' "\\b$2(\\[\\])?[[:space:]]*=[[:space:]]*\"[^\"]*\"" \
        "${code_dirs[@]}") | head -1 | sed -E 's/^[^"]*"([^"]*)"$/\1/'
}

# Prints what the page leaves out; its status says whether anything was.
check() {
    local page=$1 src=$2 missing=0
    local environment options
    environment=$(section "$page" ENVIRONMENT)
    options=$(section "$page" OPTIONS)
    if [ -z "$environment" ] || [ -z "$options" ]; then
        echo "$page has no ENVIRONMENT or no OPTIONS section"
        return 1
    fi

    local call where argument name
    while IFS= read -r call; do
        where=${call%%:getenv*}
        where=${where%%:secure_getenv*}
        argument=$(sed -E 's/^.*getenv\([[:space:]]*(.*[^[:space:]])[[:space:]]*\)$/\1/' <<<"$call")
        if [[ "$argument" =~ ^\"([^\"]*)\"$ ]]; then
            name=${BASH_REMATCH[1]}
        elif [[ "$argument" =~ ^([A-Za-z_][A-Za-z0-9_]*::)*(k[A-Za-z0-9_]*)$ ]]; then
            name=$(constant_value "$src" "${BASH_REMATCH[2]}")
        else
            name=""
        fi
        if [ -z "$name" ]; then
            echo "$where: getenv($argument): give the variable's name as a string literal or a k...Variable constant"
            missing=1
        elif ! grep -qxF ".B $name" <<<"$environment"; then
            echo "$where reads $name, which the manual's ENVIRONMENT section does not describe" \
                "(add it to kEnvironmentVariableTable in cli/FrameworkOptions.h)"
            missing=1
        fi
    done < <(getenv_calls "$src")

    local option
    while IFS= read -r option; do
        if ! grep -qE -- "(^|[^A-Za-z0-9-])$option([^A-Za-z0-9-]|$)" <<<"$options"; then
            echo "talixcli accepts $option, which the manual's OPTIONS section does not describe" \
                "(add it to kFrameworkOptionTable in cli/FrameworkOptions.h)"
            missing=1
        fi
    done < <(cd "$src" && grep -rhoE --include='*.cpp' --include='*.h' '"--?[A-Za-z][A-Za-z0-9-]*=?"' cli |
        tr -d '"=' | sort -u)
    return "$missing"
}

if [ "${1:-}" != --self-test ]; then
    check "$1" "$2"
    status=$?
    [ "$status" -eq 0 ] || echo "Describe each in cli/FrameworkOptions.h; the manual page is written from it."
    exit "$status"
fi

page=$2
src=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Each case changes a fresh copy of the sources and the page with one sed
# script applied to one file; the check must then fail (or pass, for "none").
while IFS='|' read -r expect file edit; do
    rm -rf "$work/src" "$work/talixcli.1"
    mkdir "$work/src"
    for dir in "${code_dirs[@]}"; do cp -r "$src/$dir" "$work/src/$dir"; done
    cp "$page" "$work/talixcli.1"
    [ "$file" = none ] || sed -i -e "$edit" "$work/$file"
    check "$work/talixcli.1" "$work/src" >"$work/out"
    status=$?
    if { [ "$expect" = fails ] && [ "$status" -eq 0 ]; } || { [ "$expect" = passes ] && [ "$status" -ne 0 ]; }; then
        echo "FAILED: expected the check to be $expect after '$edit' on $file"
        sed 's/^/  | /' "$work/out"
        failures=$((failures + 1))
    fi
done <<'CASES'
passes|none|
fails|src/simhost/core/DirectoryBackend.cpp|$a const char* probe = std::getenv("TALIX_PROBE");
fails|src/cli/HeapPreparation.cpp|s/"TALIXCLI_PLAIN_HEAP"/"TALIXCLI_PROBE_HEAP"/
fails|src/firewall/FirewallGet.cpp|$a const char* probe = getenv(variableName);
fails|src/cli/Dispatcher.cpp|$a bool Quiet(const std::string& word) { return word == "--quiet"; }
fails|src/cli/Parser.cpp|$a bool Quiet(const std::string& word) { return word == "-q"; }
fails|talixcli.1|/^\.B COLUMNS$/,+1d
fails|talixcli.1|s/^\\fB\\-\\-dry\\-run\\fR$/\\fB\\-\\-dry\\-runs\\fR/
CASES

if [ "$failures" -eq 0 ]; then echo "self-test passed"; fi
[ "$failures" -eq 0 ]
