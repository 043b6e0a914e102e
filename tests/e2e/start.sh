#!/bin/bash
# The start window comes up centred; the information window opens from its
# "Istruzioni" picture; Esc closes each window in turn and the program ends cleanly.
. "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_start_app

start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_geometry "$start"
e2e_check "start window is 289 x 289" test "$WIDTH" -eq 289 -a "$HEIGHT" -eq 289
e2e_check "start window is centred" test "$X" -eq $(( (1024 - 289) / 2 )) -a "$Y" -eq $(( (768 - 289) / 2 ))
e2e_check "start window is light green" e2e_pixel_is "$start" 60 3000 "#80FF80"

e2e_click "$start" 3787 3187
info=$(e2e_wait_window Informazioni) || e2e_fail "no information window after Istruzioni"
echo "ok: Istruzioni opens Informazioni"

e2e_key "$info" Escape
e2e_check "Esc closes the information window" e2e_wait_gone Informazioni
e2e_check "the start window stays" e2e_running

e2e_key "$start" Escape
e2e_check "Esc in the start window ends the program with status 0" e2e_wait_exit
