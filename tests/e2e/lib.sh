# Helpers for the end-to-end tests: each test starts its own Xvfb on a free
# display, runs the real program on it, drives it with xdotool and reads pixels
# off the screen. Everything started here is stopped on exit, pass or fail.
set -u

E2E_APP=${1:?usage: $0 path/to/numerandia}
E2E_TMP=$(mktemp -d)
E2E_XVFB_PID=
E2E_APP_PID=

E2E_WM_PID=

e2e_cleanup() {
    [ -n "$E2E_APP_PID" ] && kill "$E2E_APP_PID" 2>/dev/null
    [ -n "$E2E_WM_PID" ] && kill "$E2E_WM_PID" 2>/dev/null
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

# Says what failed, with the program's own output and the X server's log, before
# the temporary folder with them goes.
e2e_fail() {
    echo "FAIL: $*" >&2
    local log
    for log in "$E2E_TMP"/app.log "$E2E_TMP"/xvfb.log "$E2E_TMP"/wm.log; do
        [ -s "$log" ] && { echo "--- ${log##*/}" >&2; cat "$log" >&2; }
    done
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "${E2E_SHOT:-/tmp/numerandia-e2e-failure.png}" 2>/dev/null \
            && echo "screen saved to ${E2E_SHOT:-/tmp/numerandia-e2e-failure.png}" >&2
    fi
    exit 1
}

e2e_check() { # description, then a command that must succeed
    local what=$1; shift
    "$@" || e2e_fail "$what"
    echo "ok: $what"
}

# Starts Xvfb on the first free display (1024 x 768 unless $1 says otherwise) and
# exports DISPLAY once the server takes clients. -noreset keeps it from resetting
# whenever its last client leaves, which would refuse a program that connects then.
e2e_start_xvfb() {
    local fifo="$E2E_TMP/display" number i
    mkfifo "$fifo"
    Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768}x24" -nolisten tcp \
        3>"$fifo" 2>"$E2E_TMP/xvfb.log" &
    E2E_XVFB_PID=$!
    read -r -t 20 number <"$fifo" || e2e_fail "Xvfb did not start"
    export DISPLAY=":$number"
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    e2e_fail "Xvfb takes no clients"
}

# Starts openbox, for the tests where frames and focus matter. Openbox can keep the
# events it read while starting up until another one comes, and a window mapped
# meanwhile would wait unframed: go on once it has moved to another desktop and back
# at our request.
e2e_start_wm() {
    openbox >"$E2E_TMP/wm.log" 2>&1 &
    E2E_WM_PID=$!
    local desktop i
    for desktop in 1 0; do
        for i in $(seq 1 100); do
            xdotool set_desktop "$desktop" 2>/dev/null
            sleep 0.1
            [ "$(xdotool get_desktop 2>/dev/null)" = "$desktop" ] && continue 2
        done
        e2e_fail "openbox did not start"
    done
}

# Starts the program with the arguments given, its output kept for a failure report.
e2e_start_app() {
    QT_QPA_PLATFORM=xcb "$E2E_APP" "$@" >"$E2E_TMP/app.log" 2>&1 &
    E2E_APP_PID=$!
}

# Prints the id of the window whose title is exactly $1, waiting up to 10 s.
e2e_wait_window() {
    local id i
    for i in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    return 1
}

# Succeeds once no visible window is titled $1 (up to 10 s).
e2e_wait_gone() {
    local i
    for i in $(seq 1 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# Sets X, Y, WIDTH, HEIGHT of window $1 (client area, screen pixels) and FRAME_X,
# FRAME_Y, FRAME_WIDTH, FRAME_HEIGHT of its outer frame (the client area itself
# where no window manager frames it).
e2e_geometry() {
    local info left=0 right=0 top=0 bottom=0 extents
    info=$(xwininfo -id "$1") || return 1
    X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
    HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
    [ -n "$extents" ] && IFS=, read -r left right top bottom <<<"$extents"
    FRAME_X=$((X - left)) FRAME_Y=$((Y - top))
    FRAME_WIDTH=$((WIDTH + left + right)) FRAME_HEIGHT=$((HEIGHT + top + bottom))
}

# Twips of the client area to screen pixels.
e2e_px() { echo $(( ($1 + 7) / 15 )); }

# Clicks mouse button $4 (1 left, 2 middle, 3 right; default 1) at twips $2, $3 of window $1.
e2e_click() {
    local x y
    x=$(e2e_px "$2"); y=$(e2e_px "$3")
    # No window manager raises a clicked window here: bring it up as a pupil would see it.
    xdotool windowraise "$1"
    xdotool mousemove --window "$1" "$x" "$y" click "${4:-1}"
    sleep 0.2
}

# Sends key $2 to window $1, after giving it the keyboard focus.
e2e_key() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
    xdotool key "$2"
    sleep 0.2
}

# Types text $2 into window $1.
e2e_type() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
    xdotool type --delay 30 "$2"
    sleep 0.2
}

# Prints the colour, as #RRGGBB, of the pixel at twips $2, $3 of window $1.
e2e_pixel() {
    local X Y WIDTH HEIGHT FRAME_X FRAME_Y FRAME_WIDTH FRAME_HEIGHT
    e2e_geometry "$1"
    local x=$(( X + $(e2e_px "$2") )) y=$(( Y + $(e2e_px "$3") ))
    import -window root -crop "1x1+$x+$y" -depth 8 txt:- 2>/dev/null \
        | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr a-f A-F
}

# Succeeds when the pixel at twips $2, $3 of window $1 is colour $4 (#RRGGBB), waiting up to 3 s.
e2e_pixel_is() {
    local i seen
    for i in $(seq 1 30); do
        seen=$(e2e_pixel "$1" "$2" "$3")
        [ "$seen" = "$4" ] && return 0
        sleep 0.1
    done
    echo "pixel at $2,$3 is $seen, not $4" >&2
    return 1
}

# Waits up to 10 s for the program to exit and checks that its status was 0.
e2e_wait_exit() {
    local i
    for i in $(seq 1 100); do
        if ! kill -0 "$E2E_APP_PID" 2>/dev/null; then
            wait "$E2E_APP_PID"
            local status=$?
            E2E_APP_PID=
            [ "$status" -eq 0 ] || { echo "exit status $status" >&2; return 1; }
            return 0
        fi
        sleep 0.1
    done
    return 1
}

e2e_running() { kill -0 "$E2E_APP_PID" 2>/dev/null; }

# Closes window $1 as its title-bar close box would.
e2e_close_box() {
    "${E2E_WM_CLOSE:?}" "$1"
    sleep 0.2
}
