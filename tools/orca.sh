#!/bin/bash
# What the screen reader Orca says to a pupil who plays with the keyboard alone: a
# round of each drill (the target heard as the window opens, a "Conferma" too soon,
# keys that change nothing, the answer built press by press, the next target heard
# with "Giusto"), the fraction drill's instructions, and two numbers in the prime
# checker. Everything runs on a private desktop of its own (Xvfb, openbox, a private
# D-Bus with its AT-SPI bus), in Italian, with real keys (XTEST); every line that
# Orca's debug log records as spoken is printed. Fails when a step does not bring the
# words it should, or when Orca fails on anything the program tells it.
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

# shellcheck source=../tests/e2e/lib.sh
. "$top/tests/e2e/lib.sh" "$program"
log=$E2E_TMP/orca.debug

# Starts the AT-SPI bus on this script's own session bus (dbus-run-session) and waits
# until it answers.
e2e_start_atspi_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$E2E_TMP/bus.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_until eval 'dbus-send --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.a11y.Bus | grep -q true' || e2e_fail "no AT-SPI bus"
}

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
E2E_PIDS+=("$orca")

# Whether Orca has said something holding $2 since line $1 of its log.
said_since() { tail -n +"$1" "$log" 2>/dev/null | grep 'SPEECH OUTPUT' | grep -qF -- "$2"; }
# What Orca has said since line $1 of its log, an utterance a line.
spoken_since() { tail -n +"$1" "$log" | sed -n "s/^.*SPEECH OUTPUT: '\(.*\)$/\1/p" | sed "s/' *[[{].*$//; s/ *'\{0,1\}$//"; }
# Presses keys ($2 onwards; "type:TEXT" types TEXT), waits until Orca says $1 and
# sets HEARD to all it said meanwhile.
press() {
    local words=$1 from key
    shift
    from=$(($(wc -l <"$log") + 1))
    for key in "$@"; do
        if [ "${key#type:}" != "$key" ]; then xdotool type "${key#type:}"; else xdotool key "$key"; fi
        sleep 0.2
    done
    e2e_until said_since "$from" "$words" \
        || e2e_fail "Orca did not say \"$words\" after $*, but:"$'\n'"$(spoken_since "$from")"
    HEARD=$(spoken_since "$from")
}
# What Orca said in HEARD just after the window title $1: the drill's target.
target_after() { grep -A1 -xF -- "$1." <<<"$HEARD" | sed -n '2s/\.$//p'; }

e2e_until said_since 1 "Componi l'abaco" || e2e_fail "Orca did not start"

# The abacus: the target is heard as the window opens, again with "Attento", and the
# next one with "Giusto"; a Delete on an empty rod is answered too.
press "Fine" space
target=$(target_after "Componi con l'abaco")
[ -n "$target" ] || e2e_fail "no target heard as the abacus opened"
press "Attento... Riprova! Ancora $target." Tab space
press "centinaia, 0 palline" Tab Delete
whole=00${target%%,*} decimals=${target#"${target%%,*}"}
decimals=${decimals#,}000
digits=${whole: -3}${decimals:0:3}
for rod in centinaia decine unità decimi centesimi millesimi; do
    [ "$rod" = centinaia ] || press "$rod" Tab
    for ((n = 1; n <= ${digits:0:1}; n++)); do
        press "$rod, $n pallin" space
    done
    digits=${digits:1}
done
press "Giusto, complimenti! Ora " Tab Tab space

# The fractions: the fraction is heard as the window opens; whole rows by their
# buttons, the rest cell by cell, reached from the next row's button with the arrow
# keys; Space on a full row is answered, and every change says the cells coloured in all.
press "Cancella" Escape Tab space
fraction=$(target_after "Colora la frazione")
read -r numerator part <<<"$fraction"
case $part in decim*) cells=$((numerator * 10)) ;; centesim*) cells=$numerator ;; *) cells=$((numerator / 10)) ;; esac
[ -n "$part" ] || e2e_fail "no fraction heard as the fraction drill opened"
press "riga 1" Tab Tab Tab Tab
for ((row = 1; row <= cells / 10; row++)); do
    press "riga $row, 10 caselle colorate. In tutto $((row * 10)) caselle colorate." space
    [ "$row" -gt 1 ] || press "riga 1, 10 caselle colorate. In tutto 10 caselle colorate." space
    press "$([ "$row" -lt 10 ] && echo "riga $((row + 1))" || echo "colonna 1")" Tab
done
for ((col = 1; col <= cells % 10; col++)); do
    press "riga $row, colonna $col" Right
    press "riga $row, colonna $col, colorata. In tutto $((cells - cells % 10 + col)) casell" space
done
# Back past the rows (from a cell, to its row's button first) to "Fine", then to
# the question mark: the instructions, then the answer.
for ((back = row + (cells % 10 > 0); back > 0; back--)); do
    press "pulsante" shift+Tab
done
press "Istruzioni" shift+Tab
press "le frecce portano da una casella all'altra" space
press "Colora la frazione" Escape
press "Giusto, complimenti! Ora " shift+Tab space

# The blocks: the number is heard as the window opens; a Delete on an empty kind is
# answered; the blocks are laid kind by kind.
press "Migliaia" Escape Tab Tab space
number=$(target_after "Componi il numero")
[ -n "$number" ] || e2e_fail "no number heard as the composition drill opened"
press "Migliaia, 0 cubi" Delete
digits=000${number//./}
digits=${digits: -4}
for kind in Migliaia:cubo:cubi Centinaia:quadrato:quadrati Decine:barretta:barrette Unità:cubetto:cubetti; do
    IFS=: read -r name one many <<<"$kind"
    [ "$name" = Migliaia ] || press "$name" Tab
    for ((n = 1; n <= ${digits:0:1}; n++)); do
        press "$name, $n $([ "$n" -eq 1 ] && echo "$one" || echo "$many")" space
    done
    digits=${digits:1}
done
press "Giusto, complimenti! Ora " Tab Tab space

press "Numeri primi" Escape Tab Tab Tab
press "numero" space
press "12 non è primo, ha 4 divisori. È divisibile per 2, 3, 4 e 6." type:12 Return
press "2 è primo" type:2 Return

kill -INT "$orca" && wait "$orca"
! grep -q "bad content sent to speak" "$log" || e2e_fail "Orca failed on something the program told it"
sed -n "s/^.*SPEECH OUTPUT: '\(.*\)$/\1/p" "$log" | sed "s/' *[[{].*$//; s/ *'\{0,1\}$//"
