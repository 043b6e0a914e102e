#!/bin/bash
# The abacus drill opens from the start window; real clicks on the rod buttons put
# beads on the board where the layout places them and a right click takes them
# off; Esc goes back to the start window.
. "$(dirname "$0")/lib.sh"

PINK="#FFC0FF"

e2e_start_xvfb
e2e_start_app

start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_click "$start" 2167 427
abaco=$(e2e_wait_window "Componi con l'abaco") || e2e_fail "no abacus window after Componi l'abaco"
echo "ok: Componi l'abaco opens the abacus"
e2e_check "the start window closes" e2e_wait_gone Numerandia
e2e_geometry "$abaco"
e2e_check "the abacus window is 594 x 417" test "$WIDTH" -eq 594 -a "$HEIGHT" -eq 417

# Middle of bead k of rod r (1 hundreds … 6 thousandths), a little left of the rod line.
bead_x() { echo $(( 660 + 1080 * ($1 - 1) + 120 )); }
bead_y() { echo $(( 3960 - 360 * ($1 - 1) + 187 )); }
# Middle of the button under rod r.
button_x() { echo $(( 600 + 1080 * ($1 - 1) + 247 )); }
BUTTON_Y=5107

e2e_check "the board starts empty" e2e_pixel_is "$abaco" "$(bead_x 3)" "$(bead_y 1)" "$PINK"

e2e_click "$abaco" "$(button_x 1)" "$BUTTON_Y"
e2e_check "a click on h shows a green bead at the bottom of the hundreds" \
    e2e_pixel_is "$abaco" "$(bead_x 1)" "$(bead_y 1)" "#00C000"
e2e_check "only one hundreds bead" e2e_pixel_is "$abaco" "$(bead_x 1)" "$(bead_y 2)" "$PINK"

for i in 1 2 3; do e2e_click "$abaco" "$(button_x 3)" "$BUTTON_Y"; done
e2e_check "three clicks on u stack three black beads" \
    e2e_pixel_is "$abaco" "$(bead_x 3)" "$(bead_y 3)" "#000000"

e2e_click "$abaco" "$(button_x 3)" "$BUTTON_Y" 3
e2e_check "a right click takes the top unit bead off" \
    e2e_pixel_is "$abaco" "$(bead_x 3)" "$(bead_y 3)" "$PINK"
e2e_check "and leaves the one below" e2e_pixel_is "$abaco" "$(bead_x 3)" "$(bead_y 2)" "#000000"

e2e_click "$abaco" "$(button_x 6)" "$BUTTON_Y"
e2e_check "a click on m shows a yellow bead on the thousandths" \
    e2e_pixel_is "$abaco" "$(bead_x 6)" "$(bead_y 1)" "#FFFF00"

e2e_click "$abaco" "$(button_x 2)" "$BUTTON_Y" 2
e2e_check "a middle click on da adds nothing" e2e_pixel_is "$abaco" "$(bead_x 2)" "$(bead_y 1)" "$PINK"

e2e_key "$abaco" Escape
e2e_check "Esc closes the abacus window" e2e_wait_gone "Componi con l'abaco"
e2e_wait_window Numerandia >/dev/null || e2e_fail "no start window after Esc"
echo "ok: Esc goes back to the start window"
