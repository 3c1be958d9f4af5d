#!/usr/bin/env bash
# crestmap.exe from the Windows package, under Wine in a real X server, with the windows
# platform: its window appears with its title and icon, Write folder… by keyboard gives a
# folder the config.xml the Linux build writes, and closing the window ends it with status 0.
# usage: window_under_wine.sh PACKAGE_FOLDER LINUX_CLI CLOSE_WINDOW SCREENSHOT
set -euo pipefail
package=$(realpath "$1") linux=$(realpath "$2") closer=$(realpath "$3") shot=$4
wine=/usr/lib/wine/wine64
for tool in Xvfb xdotool import xprop convert "$wine"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
export WINEDEBUG=-all

work=$(mktemp -d)
cleanup() {
    [[ -n "${app_pid:-}" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "${x_pid:-}" ]] && kill "$x_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
x_pid=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM QT_PLUGIN_PATH

wait_for() { # test, seconds
    for _ in $(seq $((${2:-10} * 10))); do eval "$1" && return 0; sleep 0.1; done
    echo "gave up waiting for: $1"; return 1
}

folder="$work/Mön Logos"
mkdir "$folder"
convert -size 48x48 xc:red "$folder/1234.png"
"$linux" --stdout "$folder" >"$work/linux.xml"

started=$(date +%s%N)
(cd "$package" && exec "$wine" ./crestmap.exe) >"$work/app.log" 2>&1 &
app_pid=$!
wait_for 'window=$(xdotool search --name "^Crestmap$" | head -n 1); [[ -n "$window" ]]' 30
echo "window $window appeared after $(( ($(date +%s%N) - started) / 1000000 )) ms"
[[ "$(xprop -id "$window" _NET_WM_ICON)" == *"Icon ("* ]] || { echo "the window has no icon"; exit 1; }
echo "the window has its title and icon"

xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key ctrl+shift+o
wait_for 'dialog=$(xdotool search --name "^Select Folder$" | head -n 1); [[ -n "$dialog" ]]'
xdotool windowfocus --sync "$dialog"
xdotool type --delay 10 "Z:${folder//\//\\}"
xdotool key Return
wait_for '[[ -f "$folder/config.xml" ]]'
cmp "$folder/config.xml" "$work/linux.xml"
echo "Write folder… by keyboard wrote the bytes the Linux build writes"
wait_for 'alert=$(xdotool search --name "^Crestmap$" | grep -vx "$window" | head -n 1); [[ -n "$alert" ]]'
xdotool windowfocus --sync "$alert" key Return
wait_for '! xdotool search --name "^Crestmap$" | grep -qx "$alert"'
sleep 1 # let the preview be drawn
import -window root "$shot"
echo "screenshot: $shot"

for _ in $(seq 20); do
    "$closer" "$window" 2>/dev/null || true
    for _ in $(seq 10); do kill -0 "$app_pid" 2>/dev/null || break 2; sleep 0.1; done
done
kill -0 "$app_pid" 2>/dev/null && { echo "crestmap.exe still runs after its window was closed"; exit 1; }
status=0
wait "$app_pid" || status=$?
app_pid=
echo "crestmap.exe ended with status $status"
exit "$status"
