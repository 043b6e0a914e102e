#!/bin/bash
# "Componi il numero" opens from the start window; real clicks on the block buttons
# lay blocks where the layout puts them, each over the one before, and a right click
# takes the top one away; Esc goes back to the start window.
. "$(dirname "$0")/lib.sh"

BACK="#FFC080"

# Succeeds when the pixel at twips $1, $2 of the drill is clearly blue, as every face of
# the cube is; its shading is left to the picture, so no exact colour is asked for.
bluish() { local c; c=$(e2e_pixel "$drill" "$1" "$2"); (( 16#${c:5:2} >= 200 && 16#${c:1:2} + 30 <= 16#${c:5:2} )); }

e2e_start_xvfb
e2e_start_app

start=$(e2e_wait_window Numerandia) || e2e_fail "no start window"
e2e_click "$start" 2167 1627
drill=$(e2e_wait_window "Componi il numero") || e2e_fail "no drill window after Componi il numero"
e2e_check "the board starts empty" e2e_pixel_is "$drill" 3427 3907 "$BACK"

e2e_click "$drill" 8107 2047                                    # Unità
for i in 1 2; do e2e_click "$drill" 6547 2047; done             # Decine
e2e_click "$drill" 6547 2047 3                                  # right button on Decine
for i in 1 2; do e2e_click "$drill" 8107 1327; done             # Centinaia
e2e_click "$drill" 6547 1327                                    # Migliaia
e2e_check "Unità lays a black unit in slot 1" e2e_pixel_is "$drill" 3427 3907 "#000000"
e2e_check "and nothing in slot 2" e2e_pixel_is "$drill" 3427 4147 "$BACK"
e2e_check "Decine lays a red ten in slot 1" e2e_pixel_is "$drill" 4747 3907 "#FF0000"
e2e_check "the right button takes the second ten away" e2e_pixel_is "$drill" 4747 4147 "$BACK"
e2e_check "Centinaia lays a green hundred" e2e_pixel_is "$drill" 3500 400 "#00C000"
e2e_check "the second hundred's corner lies over the first" e2e_pixel_is "$drill" 3240 480 "#000000"
e2e_check "Migliaia lays a light blue cube" bluish 1320 1320

e2e_key "$drill" Escape
e2e_check "Esc closes the drill" e2e_wait_gone "Componi il numero"
e2e_wait_window Numerandia >/dev/null || e2e_fail "no start window after Esc"
echo "ok: Esc goes back to the start window"
