#!/bin/bash
# "Numeri primi" opens the checker in place of the start window; 12 typed and Enter
# bring up the verdict and the list in their pale cyan; Esc goes back to the start window.
. "$(dirname "$0")/lib.sh"

GREEN="#80FF80"
CYAN="#C0FFFF"
# Points of the verdict (its right end, clear of the text) and of the list (bottom
# left, below its first line), in twips of the checker.
verdict_is() { e2e_pixel_is "$primi" 4450 1940 "$1"; }
list_is() { e2e_pixel_is "$primi" 600 3150 "$1"; }

e2e_start_xvfb
e2e_start_app
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_click "$start" 2167 2227
primi=$(e2e_wait_window "Numeri primi") || e2e_fail "no checker after Numeri primi"
e2e_check "no verdict at start" verdict_is "$GREEN"
e2e_check "no list at start" list_is "$GREEN"

e2e_type "$primi" 12
e2e_key "$primi" Return
e2e_check "12 and Enter show the verdict" verdict_is "$CYAN"
e2e_check "12 and Enter show the list" list_is "$CYAN"

e2e_key "$primi" Escape
e2e_check "Esc closes the checker" e2e_wait_gone "Numeri primi"
e2e_check "Esc brings back the start window" e2e_wait_window Numerandia
