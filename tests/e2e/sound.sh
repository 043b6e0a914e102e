#!/bin/bash
# The beep of a wrong answer ("Conferma" on the abacus's empty board): the desktop's
# bell on the speakers, here the null sink of a private sound server, without the X
# bell, from a client the mixer names Numerandia; no sound for a bead; while the server
# is stalled, an X bell for each of two quick wrong answers; and once the server has
# gone, the X bell, once.
. "$(dirname "$0")/lib.sh"

# The sound server and its clients keep their files (a cookie, a runtime folder) here,
# and no D-Bus daemon is started through the display, so that nothing is left behind.
# The sound goes through that server alone, never to a sound card the machine may have;
# its sink never rewinds, so that its monitor records what was played and nothing redone.
export HOME=$E2E_TMP XDG_RUNTIME_DIR=$E2E_TMP PULSE_SERVER=unix:$E2E_TMP/sound CANBERRA_DRIVER=pulse
env -u DISPLAY pulseaudio -n --daemonize=no --exit-idle-time=-1 -L "module-null-sink sink_name=speaker norewinds=1" \
    -L "module-native-protocol-unix socket=$E2E_TMP/sound auth-anonymous=1" >"$E2E_TMP/pulse.log" 2>&1 &
E2E_PIDS+=($!)
e2e_until pactl info >/dev/null || e2e_fail "the sound server did not start"
e2e_start_xvfb
"${XBELL_WATCH:?}" >"$E2E_TMP/bells.log" 2>&1 &
E2E_PIDS+=($!)
e2e_until grep -q watching "$E2E_TMP/bells.log" || e2e_fail "the X bell cannot be watched"
e2e_start_app
e2e_click "$(e2e_wait_window Numerandia)" 2167 427
abaco=$(e2e_wait_window "Componi con l'abaco") || e2e_fail "no abacus window"

# Clicks the abacus at twips $1, $2 with the speakers recorded from just before until
# 1.5 s after; sets PEAK to the loudest sample, from 0 to 1, and BELLS to the X bells so far.
hear() {
    parec -d speaker.monitor --latency-msec=20 --format=s16le --rate=8000 --channels=1 >"$E2E_TMP/speaker.raw" &
    E2E_PIDS+=($!)
    sleep 0.5 && e2e_click "$abaco" "$1" "$2" && sleep 1.5 && kill $!
    PEAK=$(sox -t raw -r 8000 -e signed -b 16 -c 1 "$E2E_TMP/speaker.raw" -n stat 2>&1 | sed -n 's/^Maximum amplitude: *//p')
    BELLS=$(grep -c '^bell' "$E2E_TMP/bells.log")
}
hear 7747 5827
e2e_check "a wrong answer sounds (peak $PEAK) without the X bell ($BELLS rung)" awk "BEGIN { exit !($PEAK > 0.05 && $BELLS == 0) }"
hear 847 5107
e2e_check "a bead is silent (peak $PEAK)" awk "BEGIN { exit !($PEAK < 0.01) }"
e2e_check "the mixer names the program Numerandia" eval 'pactl list clients | grep -q "application.name = \"Numerandia\""'
kill -STOP "${E2E_PIDS[0]}"
e2e_click "$abaco" 7747 5827 && e2e_click "$abaco" 7747 5827 && sleep 1
BELLS=$(grep -c '^bell' "$E2E_TMP/bells.log")
kill -CONT "${E2E_PIDS[0]}"
e2e_check "with the server stalled, two quick wrong answers ring the X bell twice ($BELLS rung)" test "$BELLS" -eq 2
kill "${E2E_PIDS[0]}" && wait "${E2E_PIDS[0]}"
hear 7747 5827
e2e_check "with the sound server gone, a wrong answer rings the X bell once more ($BELLS rung)" test "$BELLS" -eq 3
