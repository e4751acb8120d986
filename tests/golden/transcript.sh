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
#   @host NAME          the host described by tests/hosts/NAME/: each of its
#                       state/*.json files as an @state section (in name
#                       order), each of its etc/ files as that host file
#   @show PATH          prints the host file PATH (relative to the host root),
#                       to show what a run stored or that a refusal left alone
#   @env NAME=VALUE     the next lines run with NAME set to VALUE (COLUMNS, a
#                       plug-in directory, ...), up to the next "@reset"
#   @test-plugin NAME   the next lines load the test plug-in NAME alone, from
#                       tests/plugin-NAME/ of talixcli's build folder (built
#                       with the tests only: without it, exits with status 77),
#                       up to the next "@reset"
# Each file starts on a fresh demo host; the environment is fixed so that no
# terminal width, locale or user setting reaches the output.
set -euo pipefail

talixcli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
hosts=$(cd "$(dirname "$0")/../hosts" && pwd)
cmds=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/files"

reset_host() {
    rm -rf "$work/host"
    mkdir "$work/host"
    extra_env=()
}

run() {
    local status=0
    (cd "$work/files" && env -i PATH=/usr/bin:/bin LC_ALL=C COLUMNS=80 HOME="$work" TALIX_HOST_ROOT="$work/host" \
        TALIXCLI_PLUGIN_DIR="${TALIXCLI_PLUGIN_DIR:-}" ${extra_env[@]+"${extra_env[@]}"} \
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

show_state() {
    printf '# state %s:\n' "$1"
    sed 's/^/#   /' "$work/host/state/$1.json"
    printf '\n'
}

show_file() {
    printf '# host file %s:\n' "$1"
    sed 's/^/#   /' "$work/host/$1"
    printf '\n'
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
            show_state "$section"
            ;;
        '@host '*)
            folder="$hosts/${line#@host }"
            [ -d "$folder" ] || { echo "transcript.sh: no host folder $folder" >&2; exit 1; }
            mkdir -p "$work/host/state"
            for file in "$folder"/state/*.json; do
                section=$(basename "$file" .json)
                cp "$file" "$work/host/state/$section.json"
                show_state "$section"
            done
            if [ -d "$folder/etc" ]; then
                mkdir -p "$work/host/etc"
                for file in "$folder"/etc/*; do
                    cp "$file" "$work/host/etc/"
                    show_file "etc/$(basename "$file")"
                done
            fi
            ;;
        '@env '*)
            extra_env+=("${line#@env }")
            printf '# environment: %s\n\n' "${line#@env }"
            ;;
        '@test-plugin '*)
            plugin=${line#@test-plugin }
            folder="$(dirname "$talixcli")/tests/plugin-$plugin"
            if [ ! -d "$folder" ]; then
                echo "transcript.sh: no test plug-in $plugin in $folder (built with TALIX_BUILD_TESTS=ON)" >&2
                exit 77
            fi
            extra_env+=("TALIXCLI_PLUGIN_DIR=$folder")
            printf '# plug-ins: the test plug-in %s alone\n\n' "$plugin"
            ;;
        '@show '*) show_file "${line#@show }" ;;
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
