#!/usr/bin/env bash
# Runs every talixcli example of the documents: README.md and docs/*.md, any
# that is added later too. An example is a line of a code block (indented or
# fenced) that starts with "talixcli" or "build/talixcli"; the files a block
# writes with "cat >FILE <<'END'" before it are written first. Each document
# starts on a fresh demo host and its examples run in order, as a reader
# would type them. Only the talixcli part of a pipeline runs ("| source" is
# the reader's shell). An example expected to fail says so in its comment:
# "# exit N".
#
# The examples of talixcli --help and of the manual page (PAGE, when given)
# run too, each line as written, pipelines included; both must show the same
# ones.
#
#   run-examples.sh TALIXCLI SOURCE_DIR [PAGE]
set -uo pipefail

talixcli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
source_dir=$2
page=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
ln -s "$talixcli" "$work/bin/talixcli"

failures=0
examples=0

# Runs one example line in the document's folder of files; prints a failure.
# A third argument "whole" runs the line as it stands, pipeline and all.
run_example() {
    local where=$1 line=$2
    local expected=0
    if [[ "$line" =~ \#.*exit\ ([0-9]+) ]]; then expected=${BASH_REMATCH[1]}; fi
    local command=${line%%|*}
    [ "${3:-}" = whole ] && command=$line
    command=${command/#build\/talixcli/talixcli}
    local status=0
    (cd "$work/files" && env -i PATH="$work/bin:/usr/bin:/bin" LC_ALL=C HOME="$work" \
        TALIX_HOST_ROOT="$work/host" bash -c "$command" >"$work/out" 2>"$work/err" </dev/null) || status=$?
    examples=$((examples + 1))
    if [ "$status" -ne "$expected" ]; then
        failures=$((failures + 1))
        printf 'FAILED %s: %s\n  exit %d, expected %d\n' "$where" "$line" "$status" "$expected"
        sed 's/^/  | /' "$work/err" | head -20
    fi
}

for document in "$source_dir"/README.md "$source_dir"/docs/*.md; do
    [ -f "$document" ] || continue
    name=${document#"$source_dir"/}
    rm -rf "$work/host" "$work/files"
    mkdir "$work/host" "$work/files"
    number=0
    fenced=no
    heredoc=""
    target=""
    while IFS= read -r raw || [ -n "$raw" ]; do
        number=$((number + 1))
        if [[ "$raw" =~ ^[[:space:]]*\`\`\` ]]; then
            [ "$fenced" = yes ] && fenced=no || fenced=yes
            continue
        fi
        if [ "$fenced" = yes ]; then
            line=$raw
        elif [[ "$raw" =~ ^(    |$'\t') ]]; then
            line=${raw#    }
            line=${line#$'\t'}
        else
            continue
        fi
        line=${line#\$ }
        if [ -n "$heredoc" ]; then
            if [ "$line" = "$heredoc" ]; then
                heredoc=""
            else
                printf '%s\n' "$line" >>"$work/files/$target"
            fi
            continue
        fi
        if [[ "$line" =~ ^cat\ +\>\ *([^[:space:]]+)\ +\<\<-?\ *[\'\"]?([A-Za-z_]+) ]]; then
            target=${BASH_REMATCH[1]}
            heredoc=${BASH_REMATCH[2]}
            : >"$work/files/$target"
            continue
        fi
        if [[ "$line" =~ ^(build/)?talixcli([[:space:]]|$) ]]; then
            run_example "$name:$number" "$line"
        fi
    done <"$document"
done

# Runs the example commands of a listing (one a line, a line ending in "|"
# continued by the next) in order on a fresh demo host.
run_listing() {
    local name=$1 listing=$2 line command="" number=0
    rm -rf "$work/host" "$work/files"
    mkdir "$work/host" "$work/files"
    while IFS= read -r line; do
        number=$((number + 1))
        command+=$line
        [[ "$command" =~ \|[[:space:]]*$ ]] && continue
        run_example "$name:$number" "$command" whole
        command=""
    done <<<"$listing"
}

# The command lines under "Examples:" at the end of the top-level help.
help_examples=$(env -i PATH=/usr/bin:/bin LC_ALL=C HOME="$work" TALIX_HOST_ROOT="$work/host" "$talixcli" --help |
    sed -n '/^Examples:$/,$p' | sed -n 's/^    //p' | sed 's/^ *//')
if [ -z "$help_examples" ]; then
    failures=$((failures + 1))
    echo "FAILED talixcli --help: no examples found under \"Examples:\""
fi
run_listing "talixcli --help" "$help_examples"
if [ -n "$page" ]; then
    # The lines of the no-fill blocks of the EXAMPLES section, escapes undone.
    page_examples=$(awk '/^\.SH / { inside = ($2 == "EXAMPLES") } inside && /^\.fi/ { block = 0 }
                         inside && block { print } inside && /^\.nf/ { block = 1 }' "$page" |
        sed -e 's/\\-/-/g' -e 's/\\&//g' -e 's/\\e/\\/g' | sed 's/^ *//')
    if [ "$page_examples" != "$help_examples" ]; then
        failures=$((failures + 1))
        echo "FAILED $page: its EXAMPLES differ from those of talixcli --help"
        diff <(echo "$help_examples") <(echo "$page_examples") | sed 's/^/  | /'
    fi
    run_listing "$(basename "$page")" "$page_examples"
fi

printf '%d examples, %d failed\n' "$examples" "$failures"
[ "$failures" -eq 0 ]
