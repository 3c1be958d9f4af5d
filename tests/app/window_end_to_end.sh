#!/usr/bin/env bash
# Starts Crestmap in a real X server (with --wine, crestmap.exe from the Windows package, under
# Wine with the windows platform) and drives it by keyboard alone: Write folder… on a small pack
# with sub-folders, through the plan and the alert. The config.xml files must hold the bytes
# crestmap-cli writes on Linux and a folder in another style must be kept; the window must have
# its icon; screenshots of the result are left at PREFIX.png (and, on Linux, at twice the scale,
# PREFIX-2x.png, and of a mixed pack's problems at the first size, 960x760, PREFIX-mixed.png,
# and in each language of the window at 1x and 2x, PREFIX-mixed-LANGUAGE.png and
# PREFIX-mixed-LANGUAGE-2x.png); closing the window must end Crestmap with status 0.
# usage: window_end_to_end.sh [--wine] APP CLI CLOSE_WINDOW SCREENSHOT_PREFIX
set -euo pipefail
wine=
[[ $1 == --wine ]] && { wine=/usr/lib/wine/wine64; shift; }
app=$(realpath "$1") cli=$(realpath "$2") closer=$(realpath "$3") shots=$4
for tool in Xvfb xdotool import xprop xwininfo convert ${wine:+"$wine"}; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
export WINEDEBUG=-all
# The window speaks the system's language: the keys and titles below are its English ones.
export LC_ALL=C.UTF-8
unset LANGUAGE

# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh"
start_x 2200x1700
# A Wine server still up from programs run without a display would give the window no X window
# at all: wait for it to go, so that ours starts with this display.
[[ -z $wine ]] || "$(dirname "$wine")/wineserver" -w
viewable() { # the mapped, viewable windows named like the pattern
    for id in $(xdotool search --name "$1" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && echo "$id"
    done
}
windows() { viewable '^Crestmap$'; }

# Presses Return in the next dialog of Crestmap's that stays (windows that come and go while
# another opens are passed by), and waits until it has gone.
answer_dialog() {
    local dialog=
    wait_for 'dialog=$(windows | grep -vx "$window" | head -n 1); sleep 0.3
              [[ -n "$dialog" ]] && windows | grep -qx "$dialog"'
    xdotool windowfocus --sync "$dialog" key Return
    wait_for '! windows | grep -qx "$dialog"'
}

# Starts COMMAND until its window, named like PATTERN, shows: now and then, on a loaded machine,
# the X server turns a first connection away, and a person would start the program again, as this
# does. Anything else is a failure.
launch() { # pattern command...
    local pattern=$1
    shift
    for _ in 1 2 3; do
        "$@" >"$work/app.log" 2>&1 &
        app_pid=$!
        window=
        wait_for 'window=$(viewable "$pattern" | head -n 1); [[ -n "$window" ]] || ! kill -0 $app_pid' 30
        [[ -n "$window" ]] && return
        grep -q "could not connect to display" "$work/app.log" || { cat "$work/app.log"; exit 1; }
        wait "$app_pid" 2>/dev/null || true
    done
    echo "no window"
    exit 1
}

run_window() {
    # xdotool types letters outside ASCII unreliably; the tests of the core take those on.
    local scale=$1 shot=$2 pack="$work/My pack$1"
    mkdir -p "$pack/clubs" "$pack/kits" "$pack/empty"
    convert -size 64x64 "xc:rgb(170,40,120)" "$pack/clubs/1234.png"
    convert -size 32x32 xc:white "$pack/kits/1_home.png"
    "$cli" --style kit "$pack/kits" >/dev/null
    cp "$pack/kits/config.xml" "$work/kits.xml"

    local started
    started=$(date +%s%N)
    if [[ -n $wine ]]; then
        launch '^Crestmap$' sh -c 'cd "$(dirname "$1")" && exec "$2" "./$(basename "$1")"' sh "$app" "$wine"
    else
        launch '^Crestmap$' env QT_SCALE_FACTOR="$scale" XDG_RUNTIME_DIR="$work" "$app"
    fi
    echo "window $window appeared after $((($(date +%s%N) - started) / 1000000)) ms (scale $scale)"
    xdotool windowfocus --sync "$window"
    # A window just shown on a loaded machine, under Wine above all, may take its first keys late,
    # after the ones that follow them.
    sleep 1
    xdotool key alt+s # Include sub-folders
    sleep 0.5
    write_folder "$pack"
    "$cli" --stdout "$pack/clubs" | cmp - "$pack/clubs/config.xml"
    cmp "$pack/kits/config.xml" "$work/kits.xml"
    [[ ! -e "$pack/empty/config.xml" ]]
    echo "Write folder… by keyboard wrote what crestmap-cli writes, and kept the kits"
    sleep 0.5 # let the preview be drawn
    import -window "$window" "$shot"
}

# File > Write folder…, the folder's path, the plan (each folder's own style), the alert.
write_folder() {
    local folder=$1 chooser= title='^Write a folder$'
    xdotool windowfocus --sync "$window" key ctrl+shift+o
    [[ -n $wine ]] && title='^Select Folder$' # Windows' own dialog
    wait_for 'chooser=$(viewable "$title" | head -n 1); [[ -n "$chooser" ]]'
    xdotool windowfocus --sync "$chooser"
    if [[ -n $wine ]]; then xdotool type --delay 5 "Z:${folder//\//\\}"; else xdotool type --delay 5 "$folder"; fi
    # A first Return can go to the file name's completion list, which a person would press again.
    for _ in 1 2 3; do
        xdotool key Return
        wait_for '! viewable "$title" | grep -qx "$chooser"' 2 2>/dev/null >&2 && break
    done
    answer_dialog # the plan
    answer_dialog # the alert
}

# A pack with a problem of each kind, at the window's first size: names and reasons in full.
shoot_mixed_pack() {
    local mixed="$work/Mixed pack" size
    mkdir -p "$mixed/logos/clubs" "$mixed/kits"
    for name in 501 1234 2046; do
        convert -size 48x48 "xc:rgba(30,90,200,0.6)" "$mixed/logos/clubs/$name.png"
    done
    convert -size 48x48 xc:orange "$mixed/logos/clubs/1234.jpg"
    convert -size 8x8 xc:gray "$mixed/logos/clubs/X.PNG"
    : >"$mixed/logos/clubs/broken.png"
    convert -size 32x32 xc:white "$mixed/kits/1_home.png"
    "$cli" --style kit "$mixed/kits" >/dev/null
    write_folder "$mixed"
    [[ -f "$mixed/logos/clubs/config.xml" ]]
    size=$(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
    [[ $size == 960x760 ]] || { echo "the window opened at $size"; exit 1; }
    sleep 1 # let the images be checked and their previews drawn
    import -window "$window" "$1"
    echo "the mixed pack's results are at $1"
}

# The mixed pack written above, opened in each language of the window at both scales, as a user
# whose system speaks it would: a screenshot of each to read for text that has no room.
shoot_languages() {
    local catalogue language scale suffix
    for catalogue in "$(dirname "$0")"/../../translations/crestmap_*.ts; do
        language=$(basename "$catalogue" .ts)
        language=${language#crestmap_}
        [[ $language == en ]] && continue
        for scale in 1 2; do
            suffix=$language
            [[ $scale == 1 ]] || suffix+=-${scale}x
            launch '^Mixed pack — Crestmap$' env LANGUAGE="$language" QT_SCALE_FACTOR="$scale" \
                XDG_RUNTIME_DIR="$work" "$app" "$work/Mixed pack"
            sleep 1 # the previews
            import -window "$window" "$1-$suffix.png"
            close_window "$closer"
        done
    done
    echo "the mixed pack in each language is at $1-LANGUAGE.png and $1-LANGUAGE-2x.png"
}

# Enter on an image row hands it to the desktop's handler (under Wine a browser that answers by
# DDE, a broadcast to every window): the window must go on answering, here to being closed.
open_image() {
    # From Include sub-folders (its mnemonic, twice), past the filter to the list's last row.
    xdotool windowfocus --sync "$window" key alt+s alt+s Tab Tab End Return
    sleep 3
}

# Started on a folder, as a file manager's "Open with" starts it: the window names the folder in
# its title once the folder's check is listed, and nothing is written.
open_folder() {
    local folder="$work/Opened pack" started
    mkdir -p "$folder"
    convert -size 8x8 xc:white "$folder/100000.png"
    for i in $(seq 100001 100999); do cp "$folder/100000.png" "$folder/$i.png"; done
    "$cli" --style icon "$folder" >/dev/null
    cp "$folder/config.xml" "$work/opened.xml"
    started=$(date +%s%N)
    launch '^Opened pack — Crestmap$' env XDG_RUNTIME_DIR="$work" "$app" "$folder"
    echo "a checked folder of 1000 images shown $((($(date +%s%N) - started) / 1000000)) ms after start"
    cmp "$folder/config.xml" "$work/opened.xml"
}

run_window 1 "$shots.png"
[[ "$(xprop -id "$window" _NET_WM_ICON)" == *"Icon ("* ]] || { echo "no icon"; exit 1; }
[[ -n $wine ]] || shoot_mixed_pack "$shots-mixed.png"
[[ -z $wine ]] || open_image
close_window "$closer"
pkill -f -i 'iexplore\.exe' || true
if [[ -z $wine ]]; then
    run_window 2 "$shots-2x.png"
    close_window "$closer"
    open_folder
    close_window "$closer"
    shoot_languages "$shots-mixed"
fi
