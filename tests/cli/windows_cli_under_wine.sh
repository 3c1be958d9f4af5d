#!/usr/bin/env bash
# crestmap-cli.exe under Wine against the Linux crestmap-cli on the same folder: the same
# document byte for byte, the same exit codes, and a failed write that keeps the old file; and
# in a console, the same letters.
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
    [[ "$2" == "$3" ]] && { echo "ok: $1"; return; }
    echo "FAIL: $1"; echo "  got:    $2"; echo "  wanted: $3"; failures=$((failures + 1))
}
status_of() { # program args...: its exit status, its output in out and err
    local status=0
    "$@" >"$work/out" 2>"$work/err" || status=$?
    echo "$status"
}

# Images in the order given: the whole document, byte for byte. Windows has no way to name a
# file with " or < in it, though it lists one that another system made; the folder below has them.
images=()
for name in "${names[@]}"; do [[ $name == *[\"\<]* ]] || images+=("$folder/$name"); done
for style in "--style logo --logo-type nation" "--style kit --kit-type texture"; do
    read -ra options <<<"$style"
    "$linux" "${options[@]}" --stdout "${images[@]}" >"$work/linux.xml"
    "$wine" "$windows" "${options[@]}" --stdout "${images[@]}" >"$work/windows.xml"
    expect "--stdout $style" "$(cmp "$work/linux.xml" "$work/windows.xml" && echo same)" same
done

# No Windows shell expands a wildcard: the program does, as the shell does for the Linux one.
"$linux" --stdout "$folder"/*Crest* | sort >"$work/linux.xml"
expect "a wildcard names the files it matches" \
    "$("$wine" "$windows" --stdout "$folder/*Crest*" | sort | cmp - "$work/linux.xml" && echo same)" same

# A folder: the same records and reasons (the two systems list a folder in their own order).
"$linux" --verbose "$folder" >/dev/null 2>"$work/linux.err"
sort "$folder/config.xml" >"$work/linux.sorted"
rm "$folder/config.xml"
expect "folder write exit status" "$(status_of "$wine" "$windows" --verbose "$folder")" 0
expect "the same records" "$(sort "$folder/config.xml" | cmp - "$work/linux.sorted" && echo same)" same
# Both name each file by its whole path, Wine's under its drive Z:.
expect "the same reasons" "$(tr '\\' / <"$work/err" | sed 's|Z:/|/|g' | sort)" "$(sort "$work/linux.err")"

# A config.xml that is a folder: exit 1, nothing changed, nothing left behind.
mkdir blocked && : >blocked/1.png && mkdir blocked/config.xml && : >blocked/config.xml/kept
expect "blocked write exit status" "$(status_of "$wine" "$windows" blocked)" 1
expect "blocked folder untouched" "$(ls -A blocked | tr '\n' ' ')$(ls -A blocked/config.xml)" \
    "1.png config.xml kept"

# Exit statuses as on Linux: a usage error, and --check of a folder named by a POSIX path.
for args in "--style mural $folder" "--check $work/blocked"; do
    read -ra argv <<<"$args"
    expect "exit status of: $args" "$(status_of "$wine" "$windows" "${argv[@]}")" \
        "$(status_of "$linux" "${argv[@]}")"
done

# In a console (Wine gives one to a program started in a terminal) every letter shows whole, also
# those that the end of the tool's output buffer cuts in two: the document is cut several times.
letters=$(printf 'ü€ñ%.0s' $(seq 30))
mkdir console
for i in $(seq 60); do : >"console/$i$letters.png"; done
script -qec "stty cols 1000; $(printf '%q ' "$wine" "$windows" --stdout console)" /dev/null \
    >console.out
expect "a console shows every letter" \
    "$(sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' console.out | tr -d '\r' | grep -o "$letters" | wc -l)" 120

echo "crestmap-cli.exe under Wine: $failures failed"
exit $((failures > 0))
