#!/usr/bin/env bash
# Checks the completion scripts of an installed tree (cmake --install with
# DESTDIR, or the unpacked Debian package): each where its shell loads the
# completions shipped with the system, and each registering talixcli's
# completion once loaded by the command's name (zsh: a #compdef line first).
#   check-completion-files.sh ROOT
set -euo pipefail
root=$1
fail() { echo "completion files: $*" >&2; exit 1; }
bash_file=$root/usr/share/bash-completion/completions/talixcli
zsh_file=$root/usr/share/zsh/vendor-completions/_talixcli
fish_file=$root/usr/share/fish/vendor_completions.d/talixcli.fish
for file in "$bash_file" "$zsh_file" "$fish_file"; do
  [ -f "$file" ] || fail "missing ${file#"$root"}"
done
[ "$(bash -c 'source "$1" && complete -p talixcli' bash "$bash_file")" = "complete -F _talixcli talixcli" ] \
  || fail "${bash_file#"$root"} does not register _talixcli for talixcli"
[ "$(head -n 1 "$zsh_file")" = "#compdef talixcli" ] || fail "${zsh_file#"$root"} does not start with #compdef talixcli"
grep -q "^complete -c talixcli " "$fish_file" || fail "${fish_file#"$root"} registers no completion for talixcli"
