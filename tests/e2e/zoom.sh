#!/bin/bash
# At --zoom 2 the start window is twice its size, centred, with the background and
# each face colour at its doubled place; a factor too large for the screen is
# brought down to the largest that fits, with a note on standard error.
. "$(dirname "$0")/lib.sh"

e2e_start_xvfb 1600x1200
e2e_start_app --zoom 2
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window at --zoom 2"
e2e_geometry "$start"
# Centred in Qt's pixels, (800 - 289) / 2 and (600 - 289) / 2, each twice as large on screen.
e2e_check "start window is 578 x 578, centred" test "$X $Y $WIDTH $HEIGHT" = "510 310 578 578"
# Twips of the layout, doubled: background, the four activity faces, the two picture faces.
for spot in "120 6000 #80FF80" "800 960 #FFC0C0" "800 2160 #C0C0FF" "800 3360 #FFFF00" \
            "800 4560 #FFC080" "7080 5880 #FFC0FF" "7080 7320 #FFC0FF"; do
    read -r x y colour <<<"$spot"
    e2e_check "pixel at $x,$y twips is $colour" e2e_pixel_is "$start" "$x" "$y" "$colour"
done
kill "$E2E_APP_PID" && wait "$E2E_APP_PID"

LC_ALL=C e2e_start_app --zoom 3
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window at --zoom 3"
e2e_geometry "$start"
e2e_check "--zoom 3 does not fit 1600 x 1200: the start window is at 2.5" test "$WIDTH" -eq 723
e2e_check "a note on standard error says so" grep -q -- "--zoom 3: using --zoom 2.5\.$" "$E2E_TMP/app.log"
