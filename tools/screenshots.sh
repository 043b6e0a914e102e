#!/bin/bash
# Photographs the real program for the README: each window with its frame, as a
# pupil sees it in the middle of an exercise. It starts its own Xvfb and openbox,
# so it neither needs a desktop nor touches one.
#
#   bash tools/screenshots.sh                  set up, build into build/, write docs/screenshots/
#   bash tools/screenshots.sh PROGRAM [FOLDER]  photograph PROGRAM (the numerandia executable,
#                                              or a build folder holding it) into FOLDER
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-}
out=${2:-$top/docs/screenshots}

if [ -z "$program" ]; then
    sh "$top/tools/setup.sh" --tests || exit 1
    cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=OFF -DNUMERANDIA_BENCHMARKS=OFF || exit 1
    cmake --build "$top/build" --target numerandia || exit 1
    program=$top/build/src/numerandia
fi
[ -d "$program" ] && program=$program/src/numerandia
[ -x "$program" ] || { echo "no program at $program" >&2; exit 1; }
mkdir -p "$out" || exit 1

# shellcheck source=../tests/e2e/lib.sh
. "$top/tests/e2e/lib.sh" "$program"

# The program runs in Italian, as in a classroom (the prime checker reads digit
# groups by the locale); the locale is made here when the system lacks it.
e2e_italian
app_env=("${E2E_ITALIAN[@]}")

# The drills seed their draws from the wall clock. libfaketime freezes that clock, for
# the program alone, at one instant of a September morning; from it the fraction
# drill asks for 3/10 and, once that is right, 6/10, so the pupil below answers by
# rows without looking at the screen. The instant is read in UTC, whatever the
# machine's zone. The monotonic clock is left alone, so that Qt's timers and event
# loop run as usual. Should the drill ever draw differently, start it under this
# clock, see which fraction it asks for, and change the rows below. $LIB is left
# for the dynamic loader to fill in with the library folder of the program's architecture.
# shellcheck disable=SC2016 # $LIB is the loader's, not the shell's
app_env+=(TZ=UTC FAKETIME="2024-09-16 08:30:03" FAKETIME_DONT_FAKE_MONOTONIC=1
    LD_PRELOAD='/usr/$LIB/faketime/libfaketime.so.1')

# Saves window $1 with its frame as $2.png, cropped from the whole screen since the
# frame is the window manager's. The pointer goes to the corner, which no window
# covers, so that no button is hovered and no tooltip shows.
shot() {
    local X Y WIDTH HEIGHT FRAME_X FRAME_Y FRAME_WIDTH FRAME_HEIGHT
    xdotool mousemove 0 0
    sleep "${3:-0.5}"
    e2e_geometry "$1" || e2e_fail "no window for $2.png"
    [ "$FRAME_HEIGHT" -gt "$HEIGHT" ] || e2e_fail "no frame round the window for $2.png"
    import -window root -crop "${FRAME_WIDTH}x$FRAME_HEIGHT+$FRAME_X+$FRAME_Y" +repage \
        -strip -define png:compression-level=9 "$out/$2.png" || e2e_fail "cannot save $2.png"
    SHOT_LEFT=$((X - FRAME_X)) SHOT_TOP=$((Y - FRAME_Y))
    echo "saved $out/$2.png (${FRAME_WIDTH}x$FRAME_HEIGHT)"
}

e2e_start_xvfb
e2e_start_wm
env "${app_env[@]}" QT_QPA_PLATFORM=xcb "$E2E_APP" >"$E2E_TMP/app.log" 2>&1 &
E2E_APP_PID=$!

start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
shot "$start" inizio

e2e_click "$start" 3787 3187
info=$(e2e_wait_window Informazioni) || e2e_fail "no information window"
shot "$info" informazioni
e2e_key "$info" Escape
e2e_wait_gone Informazioni || e2e_fail "the information window stays"

# Abacus: two tens, four units and one tenth, whatever the target.
e2e_click "$start" 2167 427
abaco=$(e2e_wait_window "Componi con l'abaco") || e2e_fail "no abacus"
for rod in 2 2 3 3 3 3 4; do e2e_click "$abaco" $((847 + 1080 * (rod - 1))) 5107; done
shot "$abaco" abaco
e2e_click "$abaco" 8467 5827
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window after the abacus"

# Fraction drill: three rows for 3/10 and "Conferma"; then, once the message has
# gone, two rows towards 6/10: the pupil part-way through the new fraction, with the
# earlier right answer counted.
row() { e2e_click "$colora" 547 $((1560 + 360 * ($1 - 1) + 187)); }
e2e_click "$start" 2167 1027
colora=$(e2e_wait_window "Colora la frazione") || e2e_fail "no fraction drill"
row 1; row 2; row 3
# Only a right answer brings a new fraction, so the numerator's pixels must change;
# and the magenta message must be gone from the picture.
e2e_geometry "$colora"
numerator=$(import -window root -crop "49x25+$((X + 8))+$((Y + 8))" -depth 8 rgb:- | md5sum)
e2e_click "$colora" 5347 4147
sleep 3.5
row 1; row 2
shot "$colora" colora 0.2
[ "$(convert "$out/colora.png" -crop "49x25+$((SHOT_LEFT + 8))+$((SHOT_TOP + 8))" -depth 8 rgb:- \
    | md5sum)" != "$numerator" ] || e2e_fail "the answer was not right: the fraction is not new"
! convert "$out/colora.png" -crop "241x33+$((SHOT_LEFT + 56))+$((SHOT_TOP + 16))" txt:- \
    | grep -qi '#FF00FF' || e2e_fail "the message was still there in the picture"
e2e_click "$colora" 5347 4867
istruzioni=$(e2e_wait_window Istruzioni) || e2e_fail "no instructions window"
shot "$istruzioni" istruzioni
e2e_key "$istruzioni" Return
e2e_wait_gone Istruzioni || e2e_fail "the instructions window stays"
e2e_click "$colora" 6067 4867
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window after the fraction drill"

# Composition: one thousand, two hundreds, three tens and four units.
e2e_click "$start" 2167 1627
componi=$(e2e_wait_window "Componi il numero") || e2e_fail "no composition drill"
for block in "6547 1327" "8107 1327" "8107 1327" "6547 2047" "6547 2047" "6547 2047" \
    "8107 2047" "8107 2047" "8107 2047" "8107 2047"; do
    # shellcheck disable=SC2086 # x and y, split on purpose
    e2e_click "$componi" $block
done
shot "$componi" componi
e2e_click "$componi" 8467 5827
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window after the composition"

e2e_click "$start" 2167 2227
primi=$(e2e_wait_window "Numeri primi") || e2e_fail "no prime checker"
# Tab then takes the focus out of the box, whose blinking caret would make one
# picture differ from the next.
e2e_type "$primi" 12
e2e_key "$primi" Return
e2e_key "$primi" Tab
shot "$primi" primi
e2e_click "$primi" 4267 1387
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window after the prime checker"

e2e_click "$start" 3787 3907
e2e_wait_exit || e2e_fail "Esci does not end the program cleanly"
