#!/usr/bin/env bash
# The manual page renders without warnings, and bash completes options and their values (which
# words it offers, the CLI's tests hold to the core's table).
# usage: completion_and_manual.sh MANUAL COMPLETION
set -euo pipefail
manual=$1 completion=$2
command -v man >/dev/null || { echo "skipped: man is not installed"; exit 77; }

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null)
[[ -z "$warnings" ]] || { echo "manual page warnings: $warnings"; exit 1; }

shopt -s extglob
# shellcheck source=/dev/null
source "$completion"
check() { # expected completion, words typed
    COMP_WORDS=("${@:2}"); COMP_CWORD=$(($# - 2)); COMPREPLY=()
    _crestmap_cli
    [[ "${COMPREPLY[*]}" == "$1" ]] || { echo "completing '${*:2}': got '${COMPREPLY[*]}'"; exit 1; }
}
check "logo logo-left logo-right" crestmap-cli --style lo
check "--recursive --restyle" crestmap-cli --re
echo "manual and completion are fine"
