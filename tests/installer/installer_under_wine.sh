#!/usr/bin/env bash
# The Windows installer under Wine, in a prefix of its own and a real X server: a silent install
# (the files, the Start menu shortcut, the uninstall entry, the folder verbs in the registry and
# crestmap-cli on the user's PATH); the folder verb's command line run on a pack whose path holds a
# space, &, % and a non-ASCII letter, and the background verb's at a drive root, as Explorer runs
# them, until the window shows; an install and a quiet uninstall while Crestmap runs, and an install
# into a read-only folder, which must stop, say why and change nothing; the same version again over
# the installed one; and the quiet uninstall as a package manager runs it, after a file was deleted
# by hand, which must have removed everything the setup added when it returns and left the pack as
# it was. Then, in German, an install into a folder of a folder that the setup makes, and one into a
# folder that was there: the uninstaller removes the one it made only; and an install by hand, whose
# last page shows Crestmap's icon. Prints the installer's size, the silent install's and the quiet
# uninstall's times and the registry keys the installer writes.
# usage: installer_under_wine.sh SETUP PACKAGE SHELL_VERB CLOSE_WINDOW CLI
#   PACKAGE: the files the setup holds, as cpack left them (_CPack_Packages/win64/NSIS/<name>)
set -euo pipefail
setup=$(realpath "$1") package=$(realpath "$2") verb=$(realpath "$3") closer=$(realpath "$4")
cli=$(realpath "$5")
wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver
for tool in Xvfb xdotool xprop xwininfo convert "$wine"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
version=$(sed -n 's/.*crestmap-\(.*\)-setup\.exe$/\1/p' <<<"$setup")

# shellcheck source=../app/x_session.sh
source "$(dirname "$0")/../app/x_session.sh"
start_x 1280x800
export WINEPREFIX="$work/wine" WINEDEBUG=-all
# Wine would copy the Start menu shortcut into this machine's own menus, outside the prefix; and
# a crash of one of Wine's own processes as a session ends would start Wine's debugger, whose
# keys in HKCU would read as the installer's. Crestmap's programs answer by their exit statuses.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;winedbg.exe=d"
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w

failures=0
expect() { # what, got, wanted
    [[ "$2" == "$3" ]] && { echo "ok: $1"; return; }
    echo "FAIL: $1"; echo "  got:    $2"; echo "  wanted: $3"; failures=$((failures + 1))
}
run_setup() { # arguments...: the setup's exit status, once every Wine process but Crestmap's ended
    local status=0
    "$wine" "$setup" "$@" >&2 || status=$?
    [[ -n ${app_pid:-} ]] || "$wineserver" -w
    echo "$status"
}
# reg query's output, or nothing. A failed query is said and asked once more: once, on a fresh
# machine, one ended the run without a word (set -e), where a missing value must read as a FAIL.
query() { # arguments of reg query
    local out status=0
    out=$("$wine" reg query "$@" 2>&1) || status=$?
    if ((status != 0)); then
        echo "reg query $* failed with status $status: $(tr -d '\r' <<<"$out" | head -n 3)" >&2
        status=0
        out=$("$wine" reg query "$@" 2>&1) || status=$?
    fi
    ((status != 0)) || tr -d '\r' <<<"$out"
}
value() { # key [name]: a value of a key of HKEY_CURRENT_USER, without a name its default
    if [[ $# -eq 1 ]]; then set -- "$1" '(Default)' /ve; else set -- "$1" "$2" /v "$2"; fi
    query "HKCU\\$1" "${@:3}" | sed -n "s/^ *$2 *REG_[A-Z]* *//p"
}
hkcu() { # without what Wine's own windows keep for the session once told of a change
    "$wine" reg export HKCU "$work/hkcu.reg" /y >/dev/null
    iconv -f UTF-16 -t UTF-8 "$work/hkcu.reg" | tr -d '\r' |
        awk '/^\[/ { wine = index($0, "\\Software\\Wine\\Temporary System Parameters") } !wine'
}
user_files() { (cd "$WINEPREFIX/drive_c/users" && find . -path '*/Temp' -prune -o -print | sort); }
exported() { # key: the key's own values as reg export writes them, one a line
    "$wine" reg export "HKCU\\$1" "$work/key.reg" /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | awk '/^\[/ { n++; next } n == 1 && NF'
}
# Why the last setup or uninstall stopped, where a silent one leaves it.
refusal() { iconv -f UTF-16 -t UTF-8 "$temp/crestmap-setup.log" 2>/dev/null | tr -d '\r\n'; }
typed() { # key name: the value's type and the value
    query "HKCU\\$1" /v "$2" | sed -n "s/^ *$2 *\(REG_[A-Z_]*\) *\(.*\)/\1 \2/p"
}
run_line() { # line: the setup as cmd starts that line, which passes it on as it is
    local status=0
    "$wine" cmd /c "$1" >&2 || status=$?
    "$wineserver" -w
    echo "$status"
}
# The uninstall entry's quiet command line as a package manager runs it, and its exit status;
# what it has removed is gone when it returns.
quiet_uninstall() {
    local status=0
    "$wine" "$verb" "$uninstall_key" - QuietUninstallString >/dev/null 2>&1 || status=$?
    echo "$status"
}

uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Crestmap'
folder_verb='Software\Classes\Directory\shell\Crestmap'
background_verb='Software\Classes\Directory\Background\shell\Crestmap'

programs=$("$wine" cmd /c echo '%LOCALAPPDATA%\Programs\Crestmap' | tr -d '\r')
installed=$("$wine" winepath -u "$programs" | tr -d '\r')
shortcut=$("$wine" winepath -u "$("$wine" cmd /c echo '%APPDATA%' | tr -d '\r')" | tr -d '\r')
shortcut="$shortcut/Microsoft/Windows/Start Menu/Programs/Crestmap.lnk"
temp=$("$wine" winepath -u "$("$wine" cmd /c echo '%TEMP%' | tr -d '\r')" | tr -d '\r')
# A PATH of the user's own, of the type Windows does not give it, and ending in a separator.
"$wine" reg add 'HKCU\Environment' /v Path /t REG_SZ /d 'C:\Own Tools;%USERPROFILE%\bin;' /f \
    >/dev/null
before_registry=$(hkcu)
before_files=$(user_files)

size=$(stat -c %s "$setup")
echo "installer: $((size / 1024)) KiB"
expect "the installer at most 15 MB" "$((size <= 15 * 1024 * 1024))" 1

started=$(date +%s%N)
expect "silent install" "$(run_setup /S)" 0
took=$((($(date +%s%N) - started) / 1000000))
echo "silent install: $took ms"
expect "the silent install within 15 s" "$((took <= 15000))" 1
same() { diff -r -x Uninstall.exe -x Uninstall.dat "$package" "$1" && echo same; }
expect "the files, byte for byte" "$(same "$installed")" same
expect "Qt's catalogues" "$(cd "$installed/translations" && echo *)" \
    "qtbase_de.qm qtbase_es.qm qtbase_fr.qm qtbase_it.qm qtbase_pt_BR.qm qtbase_tr.qm"
expect "crestmap-cli.exe's version resource" \
    "$(strings -el "$installed/crestmap-cli.exe" | grep -A1 -x FileVersion | tail -n 1)" "$version"
expect "the Start menu shortcut" "$(strings -el "$shortcut" | grep -cF "$programs\crestmap.exe")" 1
entry=
for name in DisplayName DisplayVersion Publisher DisplayIcon UninstallString; do
    entry+="$name=$(value "$uninstall_key" "$name");"
done
expect "the uninstall entry" "$entry" "DisplayName=Crestmap;DisplayVersion=$version;\
Publisher=The Crestmap developers;DisplayIcon=$programs\\crestmap.exe;\
UninstallString=\"$programs\\Uninstall.exe\";"
expect "no placeholder link" "$(value "$uninstall_key" URLInfoAbout)" ""
estimated=$(($(value "$uninstall_key" EstimatedSize)))
files_size=$(du -sk --apparent-size "$installed" | cut -f1)
expect "its size, in KiB, within 5 %" "$(((estimated * 100 / files_size + 5) / 10))" 10
expect "the folder verb" "$(value "$folder_verb\\command")" "\"$programs\\crestmap.exe\" \"%1\""
expect "the background verb" "$(value "$background_verb\\command")" \
    "\"$programs\\crestmap.exe\" \"%V\""
expect "the verbs' text" "$(exported "$folder_verb" | grep '^@')" '@="Open with Crestmap"'
expect "the user's PATH, with crestmap-cli's folder after its own entries" \
    "$(typed Environment Path)" "REG_SZ C:\\Own Tools;%USERPROFILE%\\bin;$programs;"
expect "crestmap-cli from a new Command Prompt" \
    "$("$wine" cmd /c crestmap-cli --version 2>&1 | tr -d '\r')" "crestmap-cli $version"
echo "registry keys the installer writes (HKEY_CURRENT_USER):"
for key in "$uninstall_key" "$folder_verb" "$background_verb"; do
    query "HKCU\\$key" /s | grep -v '^$' | sed 's/^/  /'
done

# A pack as a user has it: images and the config.xml Crestmap wrote.
pack="$work/Pack & 100% Ünïon"
mkdir -p "$pack/clubs"
convert -size 64x64 "xc:rgb(170,40,120)" "$pack/clubs/1234.png"
convert -size 64x64 xc:white "$pack/clubs/2046.png"
"$cli" "$pack/clubs" >/dev/null
pack_before=$(cd "$pack" && find . -type f -exec sha256sum {} + | sort)
pack_windows=$("$wine" winepath -w "$pack" | tr -d '\r')

# Explorer puts the folder's path into the verb's command line and starts that line as it is:
# crestmap.exe must get the path as one argument.
# The window names the folder it opened on in its title once that folder's check is listed.
titled() { # name
    local id title
    for id in $(xdotool search --name 'Crestmap$' 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q IsViewable || continue
        title=$(xprop -id "$id" _NET_WM_NAME |
            sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p' | sed 's/\\\(.\)/\1/g')
        [[ "$title" == "$1 — Crestmap" ]] && echo "$id"
    done
}
# Runs a verb's command on a folder as Explorer does, until the window titled NAME shows.
open_verb() { # key folder name
    "$wine" "$verb" "$1\\command" "$2" >"$work/app.log" 2>&1 &
    app_pid=$!
    local name=$3
    window=
    wait_for 'window=$(titled "$name" | head -n 1)
        [[ -n "$window" ]] || ! kill -0 $app_pid 2>/dev/null' 60
}
open_verb "$folder_verb" "$pack_windows" "$(basename "$pack")"
expect "the folder verb opens the window" "$([[ -n "$window" ]] && echo yes)" yes
expect "the folder verb's argument" "$(head -n 1 "$work/app.log" | tr -d '\r')" "$pack_windows"

running="Crestmap is running from $programs, and its files cannot be replaced or removed while \
it runs. Close every Crestmap window and crestmap-cli, then try again."
expect "an install over the running Crestmap stops" "$(run_setup /S)" 2
expect "and leaves the files as they were" "$(same "$installed")" same
expect "and says why where a silent one can be read" "$(refusal)" "$running"
[[ -z "$window" ]] || close_window "$closer"
"$wineserver" -w

# Explorer gives a drive root as P:\, which the verb quotes as "P:\".
ln -s "$pack" "$WINEPREFIX/dosdevices/p:"
open_verb "$background_verb" 'P:\' 'P:\'
expect "the background verb opens the window at a drive root" "$([[ -n "$window" ]] && echo yes)" \
    yes

expect "a quiet uninstall while Crestmap runs refuses" "$(quiet_uninstall)" 2
expect "and removes nothing" "$(same "$installed")" same
expect "and says why" "$(refusal)" "$running"
[[ -z "$window" ]] || close_window "$closer"
"$wineserver" -w

# A folder that cannot be written: read-only, and, since root writes into those, immutable where
# the file system allows it.
locked="$work/read-only"
mkdir "$locked"
chmod a-w "$locked"
chattr +i "$locked" 2>/dev/null || true
if touch "$locked/probe" 2>/dev/null; then
    rm "$locked/probe"
    echo "skipped: no folder here can be made read-only for $(id -un)"
else
    locked_windows="$("$wine" winepath -w "$locked" | tr -d '\r')\\Crestmap"
    expect "an install into a read-only folder stops" "$(run_setup /S "/D=$locked_windows")" 2
    expect "and says why" "$(refusal)" "Crestmap cannot be installed into $locked_windows: the \
folder cannot be written to. Choose a folder of your own, such as the one proposed."
fi
chattr -i "$locked" 2>/dev/null || true
chmod u+w "$locked"
expect "and leaves it empty" "$(ls -A "$locked")" ""

path_installed=$(typed Environment Path)
expect "the same version again" "$(run_setup /S)" 0
expect "the files again" "$(same "$installed")" same
expect "crestmap-cli's folder once on the PATH" "$(typed Environment Path)" "$path_installed"

# A write taken back leaves the undo folder only its locks, which go with Crestmap.
mkdir "$work/scratch" && : >"$work/scratch/1.png"
"$wine" "$installed/crestmap-cli.exe" "$("$wine" winepath -w "$work/scratch" | tr -d '\r')" >/dev/null
"$wine" "$installed/crestmap-cli.exe" --undo >/dev/null
expect "the undo folder holds its locks only" \
    "$(ls -A "$installed/../../crestmap/undo" 2>&1 | sort | tr '\n' ' ')" "lock undoing "

# As a package manager does: the registered command, and the result when it returns.
rm "$installed/LICENSE.txt"
started=$(date +%s%N)
expect "the quiet uninstall" "$(quiet_uninstall)" 0
echo "quiet uninstall: $((($(date +%s%N) - started) / 1000000)) ms"
# The uninstaller ran from a folder of its own in %TEMP%, which goes once it has ended.
expect "and nothing of its own left in %TEMP%" \
    "$(wait_for '[[ ! -e "$temp/Crestmap-uninstall" ]]' 2>/dev/null >&2 || echo left)" ""
expect "nothing left in the registry" \
    "$(diff <(echo "$before_registry") <(echo "$(hkcu)") && echo none)" none
expect "no file left" "$(diff <(echo "$before_files") <(echo "$(user_files)") && echo none)" none
expect "the pack untouched" "$(cd "$pack" && find . -type f -exec sha256sum {} + | sort)" \
    "$pack_before"
"$wineserver" -w

# In German, as NSIS finds it in the user's language, into a folder of a folder it makes, with no
# PATH of the user's own, and from a command line as cmd passes it (the folder holds a space).
"$wine" reg delete 'HKCU\Environment' /v Path /f >/dev/null
mkdir "$work/locales"
localedef -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8" 2>/dev/null || true
before_registry=$(hkcu)
cp "$setup" "$work/setup.exe"
setup_line="$("$wine" winepath -w "$work/setup.exe" | tr -d '\r') /S /D=C:\Tools\Crest Map"
expect "an install in German into a folder in a new folder" \
    "$(LOCPATH="$work/locales" LANG=de_DE.UTF-8 run_line "$setup_line")" 0
expect "the files there" "$(same "$WINEPREFIX/drive_c/Tools/Crest Map")" same
expect "the verbs' text in German" "$(exported "$background_verb" | grep '^@')" \
    '@="Mit Crestmap öffnen"'
expect "a PATH made for crestmap-cli, of Windows' type for it" "$(typed Environment Path)" \
    'REG_EXPAND_SZ C:\Tools\Crest Map'
expect "its quiet uninstall" "$(quiet_uninstall)" 0
expect "removes the folders the setup made" "$([[ -e "$WINEPREFIX/drive_c/Tools" ]] && echo left)" ""
expect "and the PATH" "$(diff <(echo "$before_registry") <(echo "$(hkcu)") && echo none)" none
"$wineserver" -w

mkdir -p "$WINEPREFIX/drive_c/Tools"
# Longer than NSIS's strings hold: read, it would come back cut short, and cut short if written.
long_path="C:\\Long$(printf ';C:\\Tools\\Folder %04d' $(seq 80))"
"$wine" reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$long_path" /f >/dev/null
expect "an install into a folder in a folder that was there" "$(run_line "$setup_line")" 0
expect "leaves a PATH too long to change safely as it was" "$(typed Environment Path)" \
    "REG_EXPAND_SZ $long_path"
expect "and its quiet uninstall" "$(quiet_uninstall)" 0
expect "keeps the folder that was there" "$(ls -A "$WINEPREFIX/drive_c/Tools" && echo kept)" kept

# The setup's pages show Crestmap's icon, where NSIS's own picture was: its green on the side of
# the last page, which an install by hand, pressing Enter on each page, reaches.
"$wine" "$setup" >/dev/null 2>&1 &
page=
wait_for 'page=$(xdotool search --name "^Crestmap Setup" 2>/dev/null | head -n 1)
    [[ -n "$page" ]]' 30
shot() { import -window "$page" "$work/page.png" 2>/dev/null && md5sum <"$work/page.png"; }
green() { # the pixels of the icon's green in the left third of the page
    import -window "$page" "$work/page.png" 2>/dev/null || { echo 0; return; }
    convert "$work/page.png" -gravity west -crop 33%x100%+0+0 +repage -alpha off -fuzz 8% \
        -transparent '#1b5e20' -alpha extract -format '%[fx:int((1 - mean) * w * h)]' info:
}
# Enter on each page once it is drawn (the licence, the folder), until the last page shows.
for _ in 1 2 3 4 5 6; do
    wait_for 'drawn=$(shot); sleep 0.5; [[ "$(shot)" == "$drawn" ]]' 20 || true
    (($(green) > 2000)) && break
    xdotool key --window "$page" Return 2>/dev/null
done
expect "Crestmap's icon on the setup's last page" "$(($(green) > 2000 ? 1 : 0))" 1
"$wineserver" -k

"$wineserver" -w # it writes the prefix's registry as it ends
echo "the installer under Wine: $failures failed"
exit $((failures > 0))
