# Sourced by the tests that drive a real window: an X server of their own in $work, waiting, and
# closing a window as a window manager would.

# Starts Xvfb at SIZE (WIDTHxHEIGHT) on a display no server has used lately (a socket left by one
# that went can outlive it), and points DISPLAY at it once it answers; it goes with the test.
start_x() {
    local display=$((100 + RANDOM % 800))
    while [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 "$1x24" -nolisten tcp 2>"$work/xvfb.log" &
    x_pid=$!
    export DISPLAY=":$display"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_PLUGIN_PATH
    wait_for 'xprop -root >/dev/null 2>&1' || { cat "$work/xvfb.log"; exit 1; }
}

# Waits until TEST holds, up to SECONDS (ten by default).
wait_for() {
    for _ in $(seq $((${2:-10} * 10))); do eval "$1" && return 0; sleep 0.1; done
    echo "gave up waiting for: $1"; cat "$work/app.log" 2>/dev/null
    import -window root "${TMPDIR:-/tmp}/crestmap-gave-up.png" 2>/dev/null || true
    return 1
}

# Closes $window with CLOSER and expects $app_pid to end with status 0. Without a window manager
# the first close can arrive before the application listens for it, and is lost; a window
# manager would ask again, and so does this.
close_window() {
    local closed
    for _ in $(seq 20); do
        closed=$(date +%s%N)
        "$1" "$window" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break 2; sleep 0.02; done
    done
    kill -0 "$app_pid" 2>/dev/null && { echo "still running after its window was closed"; exit 1; }
    local status=0
    wait "$app_pid" || status=$?
    app_pid=
    echo "ended with status $status $((($(date +%s%N) - closed) / 1000000)) ms after the close"
    [[ $status -eq 0 ]] || { cat "$work/app.log"; exit "$status"; }
}

work=$(mktemp -d)
# Undo journals of the run stay with it, never in the user's cache.
export XDG_CACHE_HOME="$work/cache"
# The X server is waited for: one still going away removes the socket its successor has taken.
trap 'set +e; kill ${app_pid:-} ${x_pid:-} 2>/dev/null; wait; rm -rf "$work"' EXIT
