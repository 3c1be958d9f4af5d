#!/usr/bin/env bash
# Starts Crestmap in a real X server, checks its window is mapped and has an icon, takes a
# screenshot, closes the window as a window manager would and expects the application to end
# with status 0.
# usage: window_end_to_end.sh APP CLOSE_WINDOW SCREENSHOT
set -euo pipefail
app=$1 closer=$2 screenshot=$3

for tool in Xvfb xdotool import xprop; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
cleanup() {
    [[ -n "${app_pid:-}" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "${x_pid:-}" ]] && kill "$x_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
x_pid=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

XDG_RUNTIME_DIR="$work" "$app" >"$work/app.log" 2>&1 &
app_pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Crestmap$' | head -n 1) || true
if [[ -z "$window" ]]; then
    echo "no visible Crestmap window"; cat "$work/app.log"; exit 1
fi
echo "window $window is mapped"
sleep 0.5 # let the first frame be drawn
import -window root "$screenshot"
echo "screenshot: $screenshot"

icon=$(xprop -id "$window" _NET_WM_ICON)
if [[ "$icon" != *"Icon ("* ]]; then
    echo "the window has no icon: $icon"; exit 1
fi
echo "the window has an icon"

# Without a window manager the first close can arrive before the application listens for it,
# and is then lost; a window manager would ask again, and so does this.
status=0
for _ in $(seq 20); do
    "$closer" "$window" 2>/dev/null || true
    for _ in $(seq 10); do kill -0 "$app_pid" 2>/dev/null || break 2; sleep 0.1; done
done
if kill -0 "$app_pid" 2>/dev/null; then
    echo "Crestmap is still running after its window was closed"; exit 1
fi
wait "$app_pid" || status=$?
app_pid=
echo "Crestmap ended with status $status"
cat "$work/app.log"
exit "$status"
