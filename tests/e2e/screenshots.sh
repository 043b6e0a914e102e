#!/bin/bash
# The README's pictures can still be made: tools/screenshots.sh, run on this build,
# leaves every picture as a PNG of its window's client size plus one frame shared by
# all (some border, and a title bar taller than it), and none of them blank.
program=${1:?usage: $0 path/to/numerandia}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; echo "--- tools/screenshots.sh" >&2; cat "$tmp/log" >&2; exit 1; }

bash "$(dirname "$0")/../../tools/screenshots.sh" "$program" "$tmp/png" >"$tmp/log" 2>&1 \
    || fail "the script failed"
frame=
for picture in inizio:289x289 informazioni:402x202 abaco:594x417 colora:434x363 \
    istruzioni:298x233 componi:594x417 primi:329x234; do
    name=${picture%:*} client=${picture#*:}
    read -r format width height colours < <(identify -format '%m %w %h %k\n' "$tmp/png/$name.png" 2>/dev/null)
    [ "${format:-}" = PNG ] || fail "$name.png is missing or not a PNG"
    extra="$((width - ${client%x*}))x$((height - ${client#*x}))"
    frame=${frame:-$extra}
    { [ "$extra" = "$frame" ] && (( ${frame%x*} > 0 && ${frame#*x} > ${frame%x*} && ${frame#*x} < 60 )); } \
        || fail "$name.png is ${width}x$height: not $client plus a frame like the others' $frame"
    (( colours > 8 )) || fail "$name.png is blank: $colours colours"
    echo "ok: $name.png is ${width}x$height with $colours colours"
done
