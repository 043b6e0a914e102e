#!/bin/bash
# The colouring drill opens from the start window; real clicks colour and free
# cells, rows and columns, seen as pixel colours at their layout positions; an
# answer shows the magenta message and empties the grid; "Istruzioni" opens a
# window that outlives the drill; Esc goes back to the start window.
. "$(dirname "$0")/lib.sh"

FREE="#C0C0FF"
BLUE="#0000FF"

# Twips of the middle of cell (row, column).
cell_x() { echo $(( 840 + 360 * ($1 - 1) + 187 )); }
cell_y() { echo $(( 1560 + 360 * ($1 - 1) + 187 )); }

cell_is() { # window, row, column, colour
    e2e_pixel_is "$1" "$(cell_x "$3")" "$(cell_y "$2")" "$4"
}

# Counts the pixels of colour $6 in the twips rectangle $2, $3, $4 x $5 of window $1.
count_colour() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    e2e_geometry "$1"
    local x=$(( X + $(e2e_px "$2") )) y=$(( Y + $(e2e_px "$3") ))
    import -window root -crop "$(e2e_px "$4")x$(e2e_px "$5")+$x+$y" -depth 8 txt:- 2>/dev/null \
        | grep -ci "$6"
}

window_open() { e2e_wait_window "$1" >/dev/null; }

message_shows() { [ "$(count_colour "$1" 840 240 3615 495 "#FF00FF")" -gt 20 ]; }
message_gone() {
    local i
    for i in $(seq 1 50); do
        [ "$(count_colour "$1" 840 240 3615 495 "#FF00FF")" -eq 0 ] && return 0
        sleep 0.1
    done
    return 1
}

e2e_start_xvfb
e2e_start_app

start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_click "$start" 2167 1027
colora=$(e2e_wait_window "Colora la frazione") || e2e_fail "no drill after Colora la frazione"
echo "ok: Colora la frazione opens the drill"
e2e_check "the start window closes" e2e_wait_gone Numerandia
e2e_geometry "$colora"
e2e_check "drill window is 434 x 363" test "$WIDTH" -eq 434 -a "$HEIGHT" -eq 363
e2e_check "drill window is light yellow" e2e_pixel_is "$colora" 4560 3000 "#FFFF80"

e2e_check "cell 1 starts free" cell_is "$colora" 1 1 "$FREE"
e2e_check "grid line between cells 1 and 2" e2e_pixel_is "$colora" 1200 "$(cell_y 1)" "#000000"
e2e_check "fraction bar" e2e_pixel_is "$colora" 480 540 "$BLUE"

e2e_click "$colora" "$(cell_x 4)" "$(cell_y 7)"
e2e_check "a left click colours cell 64" cell_is "$colora" 7 4 "$BLUE"
e2e_check "its neighbour stays free" cell_is "$colora" 7 5 "$FREE"
e2e_click "$colora" "$(cell_x 4)" "$(cell_y 7)" 3
e2e_check "a right click frees it again" cell_is "$colora" 7 4 "$FREE"

e2e_click "$colora" 547 "$(cell_y 5)"
e2e_check "row button 5 colours the row's first cell" cell_is "$colora" 5 1 "$BLUE"
e2e_check "... and its last" cell_is "$colora" 5 10 "$BLUE"
e2e_check "row 6 stays free" cell_is "$colora" 6 1 "$FREE"
e2e_check "the grid line still shows across the coloured row" \
    e2e_pixel_is "$colora" 1200 "$(cell_y 5)" "#000000"
e2e_click "$colora" 547 "$(cell_y 5)" 3
e2e_check "a right click on row button 5 frees the row" cell_is "$colora" 5 10 "$FREE"

e2e_click "$colora" "$(cell_x 2)" 1267
e2e_check "column button 2 colours the column's top cell" cell_is "$colora" 1 2 "$BLUE"
e2e_check "... and its bottom one" cell_is "$colora" 10 2 "$BLUE"
e2e_check "column 3 stays free" cell_is "$colora" 10 3 "$FREE"

e2e_click "$colora" 5347 4147
e2e_check "Conferma shows the magenta message" message_shows "$colora"
e2e_check "Conferma empties the grid" cell_is "$colora" 10 2 "$FREE"
e2e_check "the message is gone after its interval" message_gone "$colora"

e2e_click "$colora" "$(cell_x 1)" "$(cell_y 10)"
e2e_click "$colora" 5347 4867
istruzioni=$(e2e_wait_window Istruzioni) || e2e_fail "no instructions window after Istruzioni"
echo "ok: Istruzioni opens the instructions window"

e2e_key "$colora" Escape
start=$(e2e_wait_window Numerandia) || e2e_fail "Esc does not bring the start window back"
echo "ok: Esc brings the start window back"
e2e_check "the drill closes" e2e_wait_gone "Colora la frazione"
e2e_check "the instructions window stays" window_open Istruzioni

e2e_click "$start" 2167 1027
colora=$(e2e_wait_window "Colora la frazione") || e2e_fail "the drill does not open again"
e2e_check "reopened, the grid starts free" cell_is "$colora" 10 1 "$FREE"

e2e_key "$colora" Escape
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window at the end"
e2e_key "$start" Escape
e2e_check "Esc in the start window ends the program with status 0" e2e_wait_exit
