#!/bin/bash
# A tour of the whole program: every activity and back, the information window
# outliving the start window, "Esci", and the close box with and without a
# companion window left open.
. "$(dirname "$0")/lib.sh"

e2e_start_xvfb

# Twips of each start-window button's middle, the activity's title, and its "Fine".
activities=(
    "427|Componi con l'abaco|8467|5827"
    "1027|Colora la frazione|6067|4867"
    "1627|Componi il numero|8467|5827"
    "2227|Numeri primi|4267|1387"
)

e2e_start_app
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
for activity in "${activities[@]}"; do
    IFS='|' read -r top title finex finey <<<"$activity"
    e2e_click "$start" 2167 "$top"
    window=$(e2e_wait_window "$title") || e2e_fail "no window \"$title\""
    e2e_check "\"$title\" replaces the start window" e2e_wait_gone Numerandia
    e2e_click "$window" "$finex" "$finey"
    e2e_check "Fine leaves \"$title\"" e2e_wait_gone "$title"
    start=$(e2e_wait_window Numerandia) || e2e_fail "Fine in \"$title\" does not bring the start window back"
done

# The information window outlives the start window and closes alone with OK.
e2e_click "$start" 3787 3187
info=$(e2e_wait_window Informazioni) || e2e_fail "no information window"
e2e_click "$start" 2167 427
abaco=$(e2e_wait_window "Componi con l'abaco") || e2e_fail "no abacus window"
e2e_check "the start window closes" e2e_wait_gone Numerandia
e2e_check "the information window stays" e2e_wait_window Informazioni >/dev/null
e2e_click "$info" 5467 2707
e2e_check "OK closes the information window" e2e_wait_gone Informazioni
e2e_check "the abacus stays" e2e_wait_window "Componi con l'abaco" >/dev/null

# The close box of the last window ends the program.
e2e_close_box "$abaco"
e2e_check "closing the last window ends the program with status 0" e2e_wait_exit

# A drill closed by its close box leaves the program running while the
# information window is open; closing that one too ends it.
e2e_start_app
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_click "$start" 3787 3187
info=$(e2e_wait_window Informazioni) || e2e_fail "no information window"
e2e_click "$start" 2167 2227
primi=$(e2e_wait_window "Numeri primi") || e2e_fail "no prime checker"
e2e_close_box "$primi"
e2e_check "the prime checker closes" e2e_wait_gone "Numeri primi"
sleep 0.5
e2e_check "the information window keeps the program running" e2e_running
e2e_check "the start window does not come back" e2e_wait_gone Numerandia
e2e_close_box "$info"
e2e_check "closing the information window then ends it" e2e_wait_exit

# Likewise with the instructions window of the fraction drill.
e2e_start_app
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_click "$start" 2167 1027
colora=$(e2e_wait_window "Colora la frazione") || e2e_fail "no fraction drill"
e2e_click "$colora" 5347 4867
istruzioni=$(e2e_wait_window Istruzioni) || e2e_fail "no instructions window"
e2e_close_box "$colora"
e2e_check "the fraction drill closes" e2e_wait_gone "Colora la frazione"
sleep 0.5
e2e_check "the instructions window keeps the program running" e2e_running
e2e_key "$istruzioni" Return
e2e_check "OK on the instructions window then ends it" e2e_wait_exit

# Esc sent by a tool to the focused information window closes it, but the tool then
# fails to release the key (the window is gone): the key repeats, and must not end
# the program from the start window. Esc sent to it while the start window has the
# focus must not reach the start window either.
e2e_start_app
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_click "$start" 3787 3187
info=$(e2e_wait_window Informazioni) || e2e_fail "no information window"
xdotool key --window "$info" Escape 2>/dev/null
e2e_check "a tool's Esc closes the information window" e2e_wait_gone Informazioni
sleep 1
e2e_click "$start" 2167 1027
e2e_check "the key left down ends nothing: the drill opens" e2e_wait_window "Colora la frazione"
xdotool keyup Escape
e2e_key "$(e2e_wait_window "Colora la frazione")" Escape
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window after Esc"
e2e_click "$start" 3787 3187
info=$(e2e_wait_window Informazioni) || e2e_fail "no information window"
xdotool windowfocus --sync "$start"
xdotool key --window "$info" Escape
sleep 0.5
e2e_check "an Esc sent to an unfocused window ends nothing" e2e_running
e2e_check "and closes nothing" e2e_wait_window Informazioni

# "Esci" with the information window open ends everything at once.
e2e_click "$start" 3787 3907
e2e_check "Esci ends the program with status 0" e2e_wait_exit
e2e_check "no window is left" e2e_wait_gone Informazioni
