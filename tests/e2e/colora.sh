#!/bin/bash
# The colouring drill opens from the start window; real clicks colour and free cells,
# rows and columns, seen as pixel colours at their layout positions; Esc goes back.
. "$(dirname "$0")/lib.sh"

FREE="#C0C0FF"
BLUE="#0000FF"
# Twips of the middle of the cell in row $1 or column $1.
cell_x() { echo $(( 840 + 360 * ($1 - 1) + 187 )); }
cell_y() { echo $(( 1560 + 360 * ($1 - 1) + 187 )); }
cell_is() { e2e_pixel_is "$colora" "$(cell_x "$2")" "$(cell_y "$1")" "$3"; } # row, column, colour
click_cell() { e2e_click "$colora" "$(cell_x "$2")" "$(cell_y "$1")" "${3:-1}"; } # row, column, button

e2e_start_xvfb
e2e_start_app
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_click "$start" 2167 1027
colora=$(e2e_wait_window "Colora la frazione") || e2e_fail "no drill after Colora la frazione"

click_cell 7 4
e2e_check "a left click colours cell 64" cell_is 7 4 "$BLUE"
e2e_check "its neighbour stays free" cell_is 7 5 "$FREE"
click_cell 7 4 3
e2e_check "a right click frees it again" cell_is 7 4 "$FREE"

e2e_click "$colora" 547 "$(cell_y 5)"
e2e_check "row button 5 colours the row's first cell" cell_is 5 1 "$BLUE"
e2e_check "... and its last" cell_is 5 10 "$BLUE"
e2e_click "$colora" 547 "$(cell_y 5)" 3
e2e_check "a right click on row button 5 frees the row" cell_is 5 10 "$FREE"

e2e_click "$colora" "$(cell_x 2)" 1267
e2e_check "column button 2 colours the column's bottom cell" cell_is 10 2 "$BLUE"
e2e_check "column 3 stays free" cell_is 10 3 "$FREE"

e2e_key "$colora" Escape
e2e_check "Esc brings the start window back" e2e_wait_window Numerandia
e2e_check "Esc closes the drill" e2e_wait_gone "Colora la frazione"
