#!/bin/bash
# "Componi il numero" opens from the start window; real clicks on the block buttons
# lay and take away blocks where the layout puts them; "Conferma" empties the board;
# Esc goes back to the start window, and the drill opens again empty.
. "$(dirname "$0")/lib.sh"

BACK="#FFC080"

# Succeeds when the pixel at twips $2, $3 of window $1 is clearly blue (the cube).
pixel_is_bluish() {
    local i seen r b
    for i in $(seq 1 30); do
        seen=$(e2e_pixel "$1" "$2" "$3")
        r=$((16#${seen:1:2})); b=$((16#${seen:5:2}))
        [ "$b" -ge 200 ] && [ "$r" -le $((b - 30)) ] && return 0
        sleep 0.1
    done
    echo "pixel at $2,$3 is $seen, not light blue" >&2
    return 1
}

open_drill() {
    e2e_click "$1" 2167 1627
    e2e_wait_window "Componi il numero"
}

e2e_start_xvfb
e2e_start_app

start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
drill=$(open_drill "$start") || e2e_fail "no drill window after Componi il numero"
echo "ok: Componi il numero opens the drill"
e2e_check "the start window closes" e2e_wait_gone Numerandia
e2e_geometry "$drill"
e2e_check "the drill is 594 x 417" test "$WIDTH" -eq 594 -a "$HEIGHT" -eq 417
e2e_check "the board starts empty" e2e_pixel_is "$drill" 3427 3907 "$BACK"

e2e_click "$drill" 8107 2047            # Unità
e2e_check "Unità lays a black unit in slot 1" e2e_pixel_is "$drill" 3427 3907 "#000000"
e2e_check "and nothing in slot 2" e2e_pixel_is "$drill" 3427 4147 "$BACK"

e2e_click "$drill" 8107 2047 2          # middle button on Unità
e2e_check "the middle button lays no unit" e2e_pixel_is "$drill" 3427 4147 "$BACK"

e2e_click "$drill" 6547 2047            # Decine
e2e_click "$drill" 6547 2047
e2e_check "two clicks on Decine lay a second red ten" e2e_pixel_is "$drill" 4747 4147 "#FF0000"
e2e_click "$drill" 6547 2047 3          # right button on Decine
e2e_check "the right button takes the second ten away" e2e_pixel_is "$drill" 4747 4147 "$BACK"
e2e_check "and leaves the first" e2e_pixel_is "$drill" 4747 3907 "#FF0000"

e2e_click "$drill" 8107 1327            # Centinaia
e2e_check "Centinaia lays a green hundred" e2e_pixel_is "$drill" 3500 400 "#00C000"

e2e_click "$drill" 6547 1327            # Migliaia
e2e_check "Migliaia lays a light blue cube" pixel_is_bluish "$drill" 1320 1320

e2e_click "$drill" 7747 5827            # Conferma
e2e_check "Conferma empties the units" e2e_pixel_is "$drill" 3427 3907 "$BACK"
e2e_check "the tens" e2e_pixel_is "$drill" 4747 3907 "$BACK"
e2e_check "the hundreds" e2e_pixel_is "$drill" 3500 400 "$BACK"
e2e_check "and the thousands" e2e_pixel_is "$drill" 1320 1320 "$BACK"

e2e_click "$drill" 8107 2047
e2e_check "a unit again after Conferma" e2e_pixel_is "$drill" 3427 3907 "#000000"

e2e_key "$drill" Escape
start=$(e2e_wait_window Numerandia) || e2e_fail "Esc does not bring the start window back"
echo "ok: Esc brings the start window back"
e2e_check "and closes the drill" e2e_wait_gone "Componi il numero"

drill=$(open_drill "$start") || e2e_fail "the drill does not open a second time"
e2e_check "the drill opens again with an empty board" e2e_pixel_is "$drill" 3427 3907 "$BACK"

e2e_key "$drill" Escape
start=$(e2e_wait_window Numerandia) || e2e_fail "no start window after the second Esc"
e2e_key "$start" Escape
e2e_check "the program ends with status 0" e2e_wait_exit
