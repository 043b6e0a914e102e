# shellcheck shell=bash
# Helpers for the end-to-end tests: each test starts its own Xvfb on a free display,
# runs the real program on it, drives it with real events through xdotool and reads
# pixels off the screen. Everything started here is stopped on exit, pass or fail.
# Positions are in twips of a window's client area, 15 to a pixel.
set -u

E2E_APP=${1:?usage: $0 path/to/numerandia}
E2E_TMP=$(mktemp -d)
E2E_PIDS=()
E2E_APP_PID=
# A process a test has stopped (kill -STOP) is continued first, or it would never end.
trap 'kill -CONT "${E2E_PIDS[@]}" 2>/dev/null; kill "${E2E_PIDS[@]}" $E2E_APP_PID 2>/dev/null; wait 2>/dev/null; rm -rf "$E2E_TMP"' EXIT

# Says what failed, with the program's own output and the X server's log, before the
# temporary folder with them goes.
e2e_fail() {
    echo "FAIL: $*" >&2
    for log in "$E2E_TMP"/*.log; do [ -s "$log" ] && { echo "--- ${log##*/}" >&2; cat "$log" >&2; }; done
    exit 1
}

# A description, then a command that must succeed.
e2e_check() { "${@:2}" || e2e_fail "$1"; echo "ok: $1"; }

# Runs a command every tenth of a second until it succeeds, for up to 20 s.
e2e_until() {
    for _ in $(seq 1 200); do "$@" 2>/dev/null && return 0; sleep 0.1; done
    return 1
}

# Starts Xvfb on the first free display (1024 x 768 unless $1 says otherwise) and
# exports DISPLAY once the server takes clients. -noreset keeps it from resetting
# whenever its last client leaves, which would refuse a program that connects then.
e2e_start_xvfb() {
    mkfifo "$E2E_TMP/display"
    Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
    E2E_PIDS+=($!)
    read -r -t 20 number <"$E2E_TMP/display" || e2e_fail "Xvfb did not start"
    export DISPLAY=":$number"
    e2e_until xdpyinfo >/dev/null || e2e_fail "Xvfb takes no clients"
}

# Starts openbox. It can keep the events it read while starting up until another one
# comes, and a window mapped meanwhile would wait unframed: go on once it has moved
# to another desktop and back at our request. It places new windows at the top left
# rather than in the middle, so that a window in the middle was put there by us, and
# shows no name of a desktop over them.
e2e_start_wm() {
    sed 's|<center>yes</center>|<center>no</center>|; s|<popupTime>[0-9]*</popupTime>|<popupTime>0</popupTime>|' \
        /etc/xdg/openbox/rc.xml >"$E2E_TMP/rc.xml"
    grep -q '<center>no</center>' "$E2E_TMP/rc.xml" || e2e_fail "openbox's placement could not be set"
    openbox --config-file "$E2E_TMP/rc.xml" >"$E2E_TMP/wm.log" 2>&1 &
    E2E_PIDS+=($!)
    for desktop in 1 0; do
        e2e_until eval "xdotool set_desktop $desktop; sleep 0.1; [ \"\$(xdotool get_desktop)\" = $desktop ]" \
            || e2e_fail "openbox did not start"
    done
}

# Sets E2E_ITALIAN to the environment of a program run in Italian, as in a classroom,
# making the locale here where the system lacks it.
e2e_italian() {
    E2E_ITALIAN=(LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8)
    if ! locale -a 2>/dev/null | grep -qix 'it_IT\.utf-\?8'; then
        localedef -i it_IT -f UTF-8 "$E2E_TMP/it_IT.UTF-8" >/dev/null 2>&1 \
            || e2e_fail "cannot make the Italian locale (Debian package locales)"
        E2E_ITALIAN+=(LOCPATH="$E2E_TMP")
    fi
}

e2e_start_app() {
    QT_QPA_PLATFORM=xcb "$E2E_APP" "$@" >"$E2E_TMP/app.log" 2>&1 &
    E2E_APP_PID=$!
}
e2e_running() { kill -0 "$E2E_APP_PID" 2>/dev/null; }

# Waits for the program to end; succeeds when its status was 0.
e2e_wait_exit() { e2e_until eval '! e2e_running' && wait "$E2E_APP_PID"; }

# Prints the id of the visible window titled exactly $1; waits for one, or for none.
e2e_window() { xdotool search --onlyvisible --name "^$1\$" | head -n 1 | grep .; }
e2e_wait_window() { e2e_until e2e_window "$1"; }
e2e_wait_gone() { e2e_until eval "! e2e_window \"$1\" >/dev/null"; }

# Sets X, Y, WIDTH, HEIGHT of window $1 (client area, screen pixels) and FRAME_X,
# FRAME_Y, FRAME_WIDTH, FRAME_HEIGHT of its outer frame (the client area itself
# where no window manager frames it).
e2e_geometry() {
    local info left=0 right=0 top=0 bottom=0 extents
    info=$(xwininfo -id "$1") || return 1
    read -r X Y WIDTH HEIGHT < <(sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' <<<"$info" | xargs)
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    [ -n "$extents" ] && IFS=, read -r left right top bottom <<<"$extents"
    FRAME_X=$((X - left)) FRAME_Y=$((Y - top)) FRAME_WIDTH=$((WIDTH + left + right)) FRAME_HEIGHT=$((HEIGHT + top + bottom))
}

# Clicks mouse button $4 (1 left, 2 middle, 3 right; default 1) at twips $2, $3 of window
# $1, brought to the front first as a pupil would; or gives it keys, or text.
e2e_click() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowraise "$1"
    xdotool mousemove --window "$1" $((($2 + 7) / 15)) $((($3 + 7) / 15)) click "${4:-1}"
    sleep 0.2
}
e2e_key() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
    xdotool "${3:-key}" "$2"
    sleep 0.2
}
e2e_type() { e2e_key "$1" "$2" type; }

# Prints the colour, as #RRGGBB, of the pixel at twips $2, $3 of window $1; or waits
# until it is $4.
e2e_pixel() {
    # shellcheck disable=SC2034 # e2e_geometry sets them all: local, so the caller's stay
    local X Y WIDTH HEIGHT FRAME_X FRAME_Y FRAME_WIDTH FRAME_HEIGHT
    e2e_geometry "$1"
    import -window root -crop "1x1+$((X + ($2 + 7) / 15))+$((Y + ($3 + 7) / 15))" -depth 8 txt:- \
        | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr a-f A-F
}
e2e_pixel_is() {
    e2e_until eval "[ \"\$(e2e_pixel $1 $2 $3)\" = '$4' ]" || { echo "pixel at $2,$3 is $(e2e_pixel "$@"), not $4" >&2; return 1; }
}
