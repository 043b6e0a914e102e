#!/bin/bash
# On a desktop with a window manager the start window comes up with its outer frame
# centred and the gears as its icon; the information window opens from its
# "Istruzioni" picture; Esc closes each window in turn and the program ends cleanly.
. "$(dirname "$0")/lib.sh"

e2e_start_xvfb 1280x1024
e2e_start_wm
e2e_start_app

start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_geometry "$start"
e2e_check "start window is 289 x 289" test "$WIDTH" -eq 289 -a "$HEIGHT" -eq 289
e2e_check "its frame is centred (frame at $FRAME_X,$FRAME_Y, $FRAME_WIDTH x $FRAME_HEIGHT)" \
    test $(( (FRAME_X * 2 + FRAME_WIDTH - 1280) ** 2 <= 16 && (FRAME_Y * 2 + FRAME_HEIGHT - 1024) ** 2 <= 16 )) -eq 1
e2e_check "it carries a 32 x 32 icon" eval 'xprop -id "$start" _NET_WM_ICON | grep -q "32 x 32"'
e2e_check "start window is light green" e2e_pixel_is "$start" 60 3000 "#80FF80"

e2e_click "$start" 3787 3187
info=$(e2e_wait_window Informazioni) || e2e_fail "no information window after Istruzioni"
echo "ok: Istruzioni opens Informazioni"

e2e_key "$info" Escape
e2e_check "Esc closes the information window" e2e_wait_gone Informazioni
e2e_check "the start window stays" e2e_running

e2e_key "$start" Escape
e2e_check "Esc in the start window ends the program with status 0" e2e_wait_exit
