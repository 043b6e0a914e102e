#!/bin/bash
# A tour of the whole program on a desktop with a window manager, with real clicks
# and keys: the start window centred by its frame, with the gears as its icon; every
# activity and back, beads, cells and blocks laid and taken away, quick clicks on cells,
# the information window outliving the start window, close boxes, keys that a tool
# leaves down or sends to the wrong window, and "Esci".
. "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_start_wm
e2e_start_app
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_geometry "$start"
e2e_check "the start window is 289 x 289" test "$WIDTH" -eq 289 -a "$HEIGHT" -eq 289
e2e_check "its frame is centred (frame at $FRAME_X,$FRAME_Y, $FRAME_WIDTH x $FRAME_HEIGHT)" \
    test $(((FRAME_X * 2 + FRAME_WIDTH - 1024) ** 2 <= 16 && (FRAME_Y * 2 + FRAME_HEIGHT - 768) ** 2 <= 16)) -eq 1
# shellcheck disable=SC2016 # eval expands it
e2e_check "it carries a 32 x 32 icon" eval 'xprop -id "$start" _NET_WM_ICON | grep -q "32 x 32"'

# Each start button's middle, the activity's title and the middle of its "Fine"; then
# clicks (x y, and 3 for the right button) or typing, and the colour left in sight.
while IFS='|' read -r top title fine clicks where colour; do
    e2e_click "$start" 2167 "$top"
    w=$(e2e_wait_window "$title") || e2e_fail "no window \"$title\""
    e2e_check "\"$title\" replaces the start window" e2e_wait_gone Numerandia
    while read -r x y button; do
        if [ "$x" = type ]; then e2e_type "$w" "$y" && e2e_key "$w" Return; else e2e_click "$w" "$x" "$y" "${button:-1}"; fi
    done <<<"${clicks//,/$'\n'}"
    # shellcheck disable=SC2086 # x and y, split on purpose
    e2e_check "in \"$title\", $where is $colour" e2e_pixel_is "$w" ${where} "$colour"
    # shellcheck disable=SC2086 # x and y, split on purpose
    e2e_click "$w" $fine
    e2e_check "Fine leaves \"$title\"" e2e_wait_gone "$title"
    start=$(e2e_wait_window Numerandia) || e2e_fail "Fine in \"$title\" does not bring the start window back"
done <<'EOF_TOUR'
427|Componi con l'abaco|8467 5827|3007 5107,3007 5107,3007 5107,3007 5107 3|2900 3787|#000000
427|Componi con l'abaco|8467 5827|3007 5107,3007 5107,3007 5107 3|2900 3787|#FFC0FF
1027|Colora la frazione|6067 4867|547 3547,1747 3547 3|1027 3547|#0000FF
1027|Colora la frazione|6067 4867|547 3547,547 3547 3|1027 3547|#C0C0FF
1627|Componi il numero|8467 5827|8107 2047,8107 2047,8107 2047 3,6547 1327|3427 3907|#000000
1627|Componi il numero|8467 5827|8107 2047,8107 2047,8107 2047 3|3427 4147|#FFC080
2227|Numeri primi|4267 1387|type 12|600 3150|#C0FFFF
EOF_TOUR

# One information window however often asked for; it outlives the start window and
# closes alone with OK; the close box of the last window then ends the program.
e2e_click "$start" 3787 3187
e2e_click "$start" 3787 3187
info=$(e2e_wait_window Informazioni) || e2e_fail "no information window"
e2e_check "one information window" test "$(xdotool search --onlyvisible --name '^Informazioni$' | wc -l)" -eq 1
xdotool windowmove "$info" 0 0 # it stays above the start window, which it would cover
e2e_click "$start" 2167 427
abaco=$(e2e_wait_window "Componi con l'abaco") || e2e_fail "no abacus window"
e2e_check "the information window stays" e2e_window Informazioni
e2e_click "$info" 5467 2707
e2e_check "OK closes the information window" e2e_wait_gone Informazioni
e2e_key "$abaco" alt+F4
e2e_check "closing the last window ends the program with status 0" e2e_wait_exit

# A drill closed by its close box leaves the program running while the instructions
# window is open; the start window does not come back.
e2e_start_app
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_click "$start" 2167 1027
colora=$(e2e_wait_window "Colora la frazione") || e2e_fail "no fraction drill"
# Children click fast: two quick clicks a few pixels apart, on either side of the edge
# between two cells, colour both; a double click on one cell colours it once.
e2e_geometry "$colora"
xdotool mousemove $((X + 78)) $((Y + 236)) click 1 mousemove $((X + 82)) $((Y + 236)) click 1 \
    sleep 0.6 mousemove $((X + 68)) $((Y + 260)) click --repeat 2 --delay 80 1
# shellcheck disable=SC2016 # eval expands it
e2e_check "quick clicks colour two neighbouring cells, and a double click one" eval \
    'e2e_pixel_is "$colora" 1027 3547 "#0000FF" && e2e_pixel_is "$colora" 1387 3547 "#0000FF" && e2e_pixel_is "$colora" 1027 3907 "#0000FF"'
e2e_click "$colora" 5347 4867
istruzioni=$(e2e_wait_window Istruzioni) || e2e_fail "no instructions window"
e2e_key "$colora" alt+F4
e2e_check "the fraction drill closes" e2e_wait_gone "Colora la frazione"
sleep 0.5
e2e_check "the instructions window keeps the program running" e2e_running
e2e_check "the start window does not come back" e2e_wait_gone Numerandia
e2e_key "$istruzioni" Return
e2e_check "OK on the instructions window then ends it" e2e_wait_exit

# Esc sent by a tool to the focused information window closes it, but the tool then
# fails to release the key (the window is gone): the key repeats, and must not end the
# program. Esc sent to it while the start window has the focus must not reach that.
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
e2e_key "$(e2e_window "Colora la frazione")" Escape
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window after Esc"
e2e_click "$start" 3787 3187
info=$(e2e_wait_window Informazioni) || e2e_fail "no information window"
xdotool windowactivate --sync "$start" key --window "$info" Escape
sleep 0.5
e2e_check "an Esc sent to an unfocused window closes nothing" e2e_window Informazioni

# "Esci" with the information window open ends everything at once; so does Esc.
e2e_click "$start" 3787 3907
e2e_check "Esci ends the program with status 0" e2e_wait_exit
e2e_check "no window is left" e2e_wait_gone Informazioni
e2e_start_app
e2e_key "$(e2e_wait_window Numerandia)" Escape
e2e_check "Esc in the start window ends the program with status 0" e2e_wait_exit
