#!/usr/bin/env bash
# crestmap-cli under valgrind's memcheck: a folder write, an image-list write and a printed
# document must run without a memory error or leak.
# usage: valgrind_cli.sh CLI EXAMPLES
set -euo pipefail
cli=$1 examples=$2
command -v valgrind >/dev/null || { echo "skipped: valgrind is not installed"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$examples/logos" "$examples/kits" "$work/"

check() {
    valgrind --quiet --error-exitcode=99 --leak-check=full --show-leak-kinds=definite,indirect \
        --errors-for-leak-kinds=definite,indirect "$cli" "$@" >/dev/null
}
check "$work/logos"
check --style kit --kit-type texture "$work/kits/1234_home.png" "$work/kits/1234_away.png"
check --style background --stdout "$work/logos"
check "$work/missing" 2>/dev/null || [[ $? -eq 2 ]]
echo "memcheck clean"
