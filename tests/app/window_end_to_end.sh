#!/usr/bin/env bash
# Starts Crestmap in a real X server and drives it by keyboard alone: Write folder… on a small
# pack with sub-folders, through the plan and the alert. The config.xml files must hold what
# crestmap-cli writes; the window must have its icon; a screenshot of the result is left in the
# build folder, at 1x and at twice the scale; closing the window must end Crestmap with status 0.
# usage: window_end_to_end.sh APP CLI CLOSE_WINDOW SCREENSHOT_FOLDER
set -euo pipefail
app=$1 cli=$2 closer=$3 shots=$4

for tool in Xvfb xdotool import xprop convert; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
cleanup() {
    [[ -n "${app_pid:-}" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "${x_pid:-}" ]] && kill "$x_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 2200x1700x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
x_pid=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Waits until `test` holds, up to ten seconds.
wait_for() {
    for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done
    echo "gave up waiting for: $1"; cat "$work/app.log"; return 1
}

# Presses Return in the next dialog of Crestmap's, and waits until it has gone.
answer_dialog() {
    local dialog=
    wait_for 'dialog=$(xdotool search --onlyvisible --name "^Crestmap$" | grep -vx "$window" | head -n 1); [[ -n "$dialog" ]]'
    xdotool windowfocus --sync "$dialog" key Return
    wait_for '! xdotool search --onlyvisible --name "^Crestmap$" | grep -qx "$dialog"'
}

run_window() {
    local scale=$1 shot=$2 pack="$work/pack$1"
    mkdir -p "$pack/clubs" "$pack/kits" "$pack/empty"
    for n in 1 2 3; do convert -size 64x64 "xc:rgb($((n * 70)),40,120)" "$pack/clubs/$n.png"; done
    convert -size 32x32 xc:white "$pack/kits/1_home.png"
    "$cli" --style kit "$pack/kits" >/dev/null
    cp "$pack/kits/config.xml" "$work/kits.xml"

    QT_SCALE_FACTOR=$scale XDG_RUNTIME_DIR="$work" "$app" >"$work/app.log" 2>&1 &
    app_pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Crestmap$' | head -n 1) || true
    [[ -n "$window" ]] || { echo "no visible Crestmap window"; cat "$work/app.log"; exit 1; }
    echo "window $window is mapped at scale $scale"
    xdotool windowfocus --sync "$window"
    sleep 0.3
    # Include sub-folders, then File > Write folder…, the folder's path, the plan, the alert.
    xdotool key alt+s ctrl+shift+o
    wait_for '[[ $(xdotool search --onlyvisible --name "Write a folder" | wc -l) -gt 0 ]]'
    xdotool type --delay 5 "$pack"
    xdotool key Return
    answer_dialog # the plan: keep each folder's own style
    wait_for '[[ -f "$pack/clubs/config.xml" ]]'
    answer_dialog # the alert
    "$cli" --stdout "$pack/clubs" >"$work/clubs.xml"
    cmp "$pack/clubs/config.xml" "$work/clubs.xml"
    cmp "$pack/kits/config.xml" "$work/kits.xml" # another style: kept
    [[ ! -e "$pack/empty/config.xml" ]]
    echo "Write folder… by keyboard wrote what crestmap-cli writes"
    sleep 0.5 # let the previews be drawn
    import -window "$window" "$shot"
    echo "screenshot: $shot"
}

close_window() {
    # Without a window manager the first close can arrive before the application listens for
    # it, and is then lost; a window manager would ask again, and so does this.
    for _ in $(seq 20); do
        "$closer" "$window" 2>/dev/null || true
        for _ in $(seq 10); do kill -0 "$app_pid" 2>/dev/null || break 2; sleep 0.1; done
    done
    if kill -0 "$app_pid" 2>/dev/null; then
        echo "Crestmap is still running after its window was closed"; exit 1
    fi
    local status=0
    wait "$app_pid" || status=$?
    app_pid=
    echo "Crestmap ended with status $status"
    [[ $status -eq 0 ]] || { cat "$work/app.log"; exit "$status"; }
}

run_window 1 "$shots/crestmap-window.png"
icon=$(xprop -id "$window" _NET_WM_ICON)
[[ "$icon" == *"Icon ("* ]] || { echo "the window has no icon: $icon"; exit 1; }
echo "the window has an icon"
close_window
run_window 2 "$shots/crestmap-window-2x.png"
close_window
