#!/bin/bash
# The abacus drill opens from the start window; real clicks on the rod buttons put
# beads on the board where the layout places them and a right click takes the top
# one off; Esc goes back to the start window.
. "$(dirname "$0")/lib.sh"

PINK="#FFC0FF"

# Clicks mouse button $2 (default left) on the button under rod $1 (1 hundreds … 6 thousandths).
rod_click() { e2e_click "$abaco" $(( 847 + 1080 * ($1 - 1) )) 5107 "${2:-1}"; }
# Succeeds when bead $2 (1 at the bottom) of rod $1 is colour $3, seen a little left of the rod line.
bead_is() { e2e_pixel_is "$abaco" $(( 780 + 1080 * ($1 - 1) )) $(( 4147 - 360 * ($2 - 1) )) "$3"; }

e2e_start_xvfb
e2e_start_app

start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_click "$start" 2167 427
abaco=$(e2e_wait_window "Componi con l'abaco") || e2e_fail "no abacus window after Componi l'abaco"
e2e_check "the start window closes" e2e_wait_gone Numerandia
e2e_check "the board starts empty" bead_is 3 1 "$PINK"

rod_click 1
e2e_check "a click on h shows one green bead at the foot of the hundreds" bead_is 1 1 "#00C000"
e2e_check "and no second one" bead_is 1 2 "$PINK"
for i in 1 2 3; do rod_click 3; done
e2e_check "three clicks on u stack three black beads" bead_is 3 3 "#000000"
rod_click 3 3
e2e_check "a right click takes the top unit bead off" bead_is 3 3 "$PINK"
e2e_check "and leaves the one below" bead_is 3 2 "#000000"
rod_click 6
e2e_check "a click on m shows a yellow bead on the thousandths" bead_is 6 1 "#FFFF00"

e2e_key "$abaco" Escape
e2e_check "Esc closes the abacus window" e2e_wait_gone "Componi con l'abaco"
e2e_wait_window Numerandia >/dev/null || e2e_fail "no start window after Esc"
echo "ok: Esc goes back to the start window"
