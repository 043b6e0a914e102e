#!/bin/bash
# What the screen reader Orca says to a pupil who plays with the keyboard alone: one
# round of the abacus (a "Conferma" too soon, then the target, read with Orca's flat
# review, set bead by bead) and two numbers in the prime checker. Everything runs on
# a private desktop of its own (Xvfb, openbox, a private D-Bus with its AT-SPI bus),
# in Italian, with real keys (XTEST); every line that Orca's debug log records as
# spoken is printed. Fails when a step does not bring the words it should.
#
#   bash tools/orca.sh            set up, build build-test/ if needed, listen
#   bash tools/orca.sh PROGRAM    listen to PROGRAM (the numerandia executable)
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$top/build-test/src/numerandia}
if [ -z "${ORCA_OWN_BUS:-}" ]; then
    sh "$top/tools/setup.sh" --tests || exit 1
    if [ -z "${1:-}" ] && [ ! -x "$program" ]; then
        cmake -S "$top" -B "$top/build-test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo || exit 1
        cmake --build "$top/build-test" --target numerandia || exit 1
    fi
    [ -x "$program" ] || { echo "no program at $program" >&2; exit 1; }
    ORCA_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$(realpath "$program")"
fi

. "$top/tests/e2e/lib.sh" "$program"
log=$E2E_TMP/orca.debug

export XDG_RUNTIME_DIR=$E2E_TMP GSETTINGS_BACKEND=memory
# In Italian, as in a classroom: the program and Orca alike.
e2e_italian
e2e_start_xvfb
e2e_start_wm
e2e_start_atspi_bus
# The desktop's accessibility switch, which Orca turns on and a desktop keeps: a
# program started after it offers itself to the screen reader.
dbus-send --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null || e2e_fail "no accessibility switch"
env "${E2E_ITALIAN[@]}" QT_QPA_PLATFORM=xcb "$E2E_APP" >"$E2E_TMP/app.log" 2>&1 &
E2E_APP_PID=$!
e2e_wait_window Numerandia >/dev/null || e2e_fail "no start window"

# Orca as the system has it, with three changes made from outside: its debug log is
# written line by line, so that the pupil below can wait for each answer; it does not
# refuse to start when the same user runs an Orca on another desktop; and it finds no
# speech synthesiser (SPEECHD_CMD refuses to start one), so that nothing is left
# running, while the log still records every word it would have spoken.
env "${E2E_ITALIAN[@]}" SPEECHD_CMD=/bin/false SPEECHD_ADDRESS="unix_socket:$E2E_TMP/no-speechd" \
    /usr/bin/python3 - --user-prefs "$E2E_TMP/prefs" --debug-file "$log" >"$E2E_TMP/orca.log" 2>&1 <<'EOF' &
import builtins, runpy, sys
main = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")["main"]
main.__globals__["otherOrcas"] = lambda: []
main.__globals__["open"] = lambda name, mode="r": builtins.open(name, mode, buffering=1)
sys.argv[0] = "orca"
sys.exit(main())
EOF
orca=$!
E2E_PIDS+=($orca)

# Whether Orca has said something holding $2 since line $1 of its log.
said_since() { tail -n +"$1" "$log" 2>/dev/null | grep 'SPEECH OUTPUT' | grep -qF -- "$2"; }
# Presses keys ($2 onwards; "type:TEXT" types TEXT), then waits until Orca says $1.
press() {
    local words=$1 from key
    shift
    from=$(($(wc -l <"$log") + 1))
    for key in "$@"; do
        if [ "${key#type:}" != "$key" ]; then xdotool type "${key#type:}"; else xdotool key "$key"; fi
        sleep 0.2
    done
    e2e_until said_since "$from" "$words" || e2e_fail "Orca did not say \"$words\" after $*"
}

e2e_until said_since 1 "Componi l'abaco" || e2e_fail "Orca did not start"
press "Fine" space
# Orca+Home in flat review reads the window's top line: the target number, alone there.
from=$(($(wc -l <"$log") + 1))
xdotool key Insert+KP_Home
e2e_until eval "tail -n +$from \"\$log\" | grep -q \"SPEECH OUTPUT: '[0-9]\"" || e2e_fail "no target read"
target=$(tail -n +"$from" "$log" | sed -n "s/.*SPEECH OUTPUT: '\([0-9][0-9,]*\)'.*/\1/p" | head -n 1)
press "" KP_Subtract
press "Attento... Riprova!" Tab space

whole=00${target%%,*} decimals=${target#"${target%%,*}"}
decimals=${decimals#,}000
digits=${whole: -3}${decimals:0:3}
for rod in centinaia decine unità decimi centesimi millesimi; do
    press "$rod" Tab
    for ((n = 1; n <= ${digits:0:1}; n++)); do
        press "$rod, $n pallin" space
    done
    digits=${digits:1}
done
press "Conferma" Tab Tab
press "Giusto, complimenti!" space

press "Numeri primi" Escape Tab Tab Tab
press "numero" space
press "12 non è primo, ha 4 divisori" type:12 Return
press "2 è primo" type:2 Return

kill -INT "$orca" && wait "$orca"
sed -n "s/^.*SPEECH OUTPUT: '\(.*\)$/\1/p" "$log" | sed "s/' *[[{].*$//; s/ *'\{0,1\}$//"
