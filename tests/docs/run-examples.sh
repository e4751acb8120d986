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
#   run-examples.sh TALIXCLI SOURCE_DIR
set -uo pipefail

talixcli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
ln -s "$talixcli" "$work/bin/talixcli"

failures=0
examples=0

# Runs one example line in the document's folder of files; prints a failure.
run_example() {
    local where=$1 line=$2
    local expected=0
    if [[ "$line" =~ \#.*exit\ ([0-9]+) ]]; then expected=${BASH_REMATCH[1]}; fi
    local command=${line%%|*}
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

printf '%d examples, %d failed\n' "$examples" "$failures"
[ "$failures" -eq 0 ]
