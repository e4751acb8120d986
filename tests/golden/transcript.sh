#!/usr/bin/env bash
# Writes one golden transcript to stdout: every command line of a .cmds file run
# through talixcli on a fresh demo host, with its exit status, stdout and stderr.
#
#   transcript.sh TALIXCLI FILE.cmds
#
# A .cmds line holds talixcli's arguments, quoted as in the shell. Blank lines
# and lines starting with "#" are skipped. Directives:
#   @help-tree WORD...  the --help of that namespace, every namespace and every
#                       command below it, in tree order
#   @reset              the next lines run on a fresh demo host again
#   @fault OP TEXT      from here on the host operation OP ("Class::Operation")
#                       fails with TEXT (the host root must be filled already)
#   @file NAME          the lines up to "@end" become the file NAME in the
#                       directory the commands run in (a batch, for example)
#   @state SECTION      the lines up to "@end" become the host's section file
#                       state/SECTION.json; written before any command of a
#                       fresh host, the host holds that section (and the other
#                       @state sections) instead of the demo host's, every
#                       other section empty
#   @show PATH          prints the host file PATH (relative to the host root),
#                       to show what a run stored or that a refusal left alone
# Each file starts on a fresh demo host; the environment is fixed so that no
# terminal width, locale or user setting reaches the output.
set -euo pipefail

talixcli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
cmds=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/files"

reset_host() {
    rm -rf "$work/host"
    mkdir "$work/host"
}

run() {
    local status=0
    (cd "$work/files" && env -i PATH=/usr/bin:/bin LC_ALL=C COLUMNS=80 HOME="$work" TALIX_HOST_ROOT="$work/host" \
        TALIXCLI_PLUGIN_DIR="${TALIXCLI_PLUGIN_DIR:-}" \
        "$talixcli" "$@" >"$work/out" 2>"$work/err" </dev/null) || status=$?
    printf '$ talixcli'
    printf ' %q' "$@"
    printf '\n'
    cat "$work/out"
    if [ -s "$work/err" ]; then
        printf -- '--- stderr\n'
        cat "$work/err"
    fi
    printf -- '--- exit %d\n\n' "$status"
}

# Every namespace and command path at or below the words given, in tree order.
tree_paths() {
    local prefix="$*"
    local seen=""
    env -i PATH=/usr/bin:/bin LC_ALL=C TALIX_HOST_ROOT="$work/host" \
        TALIXCLI_PLUGIN_DIR="${TALIXCLI_PLUGIN_DIR:-}" "$talixcli" --list-commands |
        while IFS= read -r path; do
            case "$path " in "$prefix "*) ;; *) continue ;; esac
            # Namespaces first appear as prefixes of the commands below them.
            local words=($path) partial=""
            for ((i = 0; i < ${#words[@]} - 1; ++i)); do
                partial="${partial:+$partial }${words[i]}"
                case "$partial " in "$prefix "*) ;; *) continue ;; esac
                case "$seen" in *"|$partial|"*) ;; *) seen="$seen|$partial|"; echo "$partial" ;; esac
            done
            echo "$path"
        done
}

reset_host
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
        '' | '#'*) continue ;;
        '@reset') reset_host ;;
        '@fault '*)
            read -r _ operation text <<<"$line"
            printf '{"%s": "%s"}\n' "$operation" "$text" >"$work/host/state/faults.json"
            printf '# fault: %s fails with "%s"\n\n' "$operation" "$text"
            ;;
        '@file '*)
            file=${line#@file }
            : >"$work/files/$file"
            while IFS= read -r content && [ "$content" != '@end' ]; do
                printf '%s\n' "$content" >>"$work/files/$file"
            done
            printf '# file %s:\n' "$file"
            sed 's/^/#   /' "$work/files/$file"
            printf '\n'
            ;;
        '@state '*)
            section=${line#@state }
            mkdir -p "$work/host/state"
            : >"$work/host/state/$section.json"
            while IFS= read -r content && [ "$content" != '@end' ]; do
                printf '%s\n' "$content" >>"$work/host/state/$section.json"
            done
            printf '# state %s:\n' "$section"
            sed 's/^/#   /' "$work/host/state/$section.json"
            printf '\n'
            ;;
        '@show '*)
            printf '# host file %s:\n' "${line#@show }"
            sed 's/^/#   /' "$work/host/${line#@show }"
            printf '\n'
            ;;
        '@help-tree '*)
            while IFS= read -r path; do
                read -r -a words <<<"$path"
                run "${words[@]}" --help
            done < <(tree_paths ${line#@help-tree })
            ;;
        *)
            eval "args=($line)"
            run "${args[@]}"
            ;;
    esac
done <"$cmds"
