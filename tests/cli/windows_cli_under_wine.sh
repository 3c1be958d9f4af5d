#!/usr/bin/env bash
# crestmap-cli.exe under Wine against the Linux crestmap-cli on the same folder: the same
# document byte for byte, the same exit codes, and a failed write that keeps the old file.
# usage: windows_cli_under_wine.sh LINUX_CLI WINDOWS_CLI
set -euo pipefail
linux=$(realpath "$1") windows=$(realpath "$2")
wine=/usr/lib/wine/wine64
[[ -x $wine ]] || { echo "skipped: wine64 is not installed"; exit 77; }
export WINEDEBUG=-all

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" # Wine's drive Z: is /, so relative paths mean the same to both programs
folder='Mön Logos #2'
mkdir "$folder"
names=('Crest & Co.png' 'say "hi".png' '12_home.png' 'ünï.jpeg' 'a<b.png' 'Ünïon Crest.jpg')
for name in "${names[@]}"; do : >"$folder/$name"; done
: >"$folder/13.PNG"

failures=0
expect() { # what, got, wanted
    if [[ "$2" != "$3" ]]; then
        echo "FAIL: $1"; echo "  got:    $2"; echo "  wanted: $3"; failures=$((failures + 1))
    else
        echo "ok: $1"
    fi
}
run() { # program args... ; prints the exit status after the output
    local status=0
    "$@" >"$work/out" 2>"$work/err" || status=$?
    echo "$status"
}

# Images in the order given: the whole document, byte for byte. Windows has no way to name a
# file with " or < in it, though it lists one that another system made; the folder below has them.
images=()
for name in "${names[@]}"; do [[ $name == *[\"\<]* ]] || images+=("$folder/$name"); done
for style in "--style logo --logo-type nation" "--style kit --kit-type texture" "--style background"; do
    read -ra options <<<"$style"
    "$linux" "${options[@]}" --stdout "${images[@]}" >"$work/linux.xml"
    "$wine" "$windows" "${options[@]}" --stdout "${images[@]}" >"$work/windows.xml"
    expect "--stdout $style" "$(cmp "$work/linux.xml" "$work/windows.xml" && echo same)" same
done

# A folder: the same records (the two systems list a folder in their own order).
"$linux" --verbose "$folder" >/dev/null 2>"$work/linux.err"
sort "$folder/config.xml" >"$work/linux.sorted"
rm "$folder/config.xml"
status=$(run "$wine" "$windows" --verbose "$folder")
expect "folder write exit status" "$status" 0
expect "folder write report" "$(sed 's/ to .*;/ to …;/' "$work/out")" \
    "Wrote 6 records to …; 1 entry passed over (.PNG)"
expect "the same records" "$(sort "$folder/config.xml" | cmp - "$work/linux.sorted" && echo same)" same
expect "the same reasons" "$(tr '\\' / <"$work/err" | sort)" "$(sort "$work/linux.err")"

# A config.xml that is a folder: exit 1, nothing changed, nothing left behind.
mkdir blocked && : >blocked/1.png && mkdir blocked/config.xml && : >blocked/config.xml/kept
status=$(run "$wine" "$windows" blocked)
expect "blocked write exit status" "$status" 1
expect "blocked write message" "$(head -c 18 "$work/err")" "Unexpected error: "
expect "blocked folder untouched" "$(ls -A blocked | tr '\n' ' ')$(ls -A blocked/config.xml)" \
    "1.png config.xml kept"

# Usage errors and --check, with the same exit codes as on Linux.
check_status() { # args...
    local linux_status windows_status
    linux_status=$(run "$linux" "$@")
    windows_status=$(run "$wine" "$windows" "$@")
    expect "exit status of: $*" "$windows_status" "$linux_status"
}
check_status --style mural "$folder"
check_status "$folder/missing.png"
check_status --recursive "$folder/12_home.png"
mkdir single && : >"single/Ünïon Crest.jpg" && "$linux" single >/dev/null
check_status --check "$work/single" # an absolute POSIX path, which Wine's drive Z: also names
rm single/config.xml
check_status --check single

echo "crestmap-cli.exe under Wine: $failures failed"
exit $((failures > 0))
