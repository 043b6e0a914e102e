#!/bin/bash
# Start-up time and peak memory of Numerandia against a minimal Qt window, measured
# alternately under one Xvfb. Usage: startup.sh <build-dir> [runs]
# Start-up is the time from exec until the window is mapped; peak memory is VmHWM once
# the first paint is done. Other work on the machine shows in the figures: read them
# when the load average printed before and after is below about 1.
set -eu
build=${1:?usage: $0 build-dir [runs]}
runs=${2:-21}
probe="$build/bench/startup_probe"
numerandia="$build/src/numerandia"
minimal="$build/bench/minimal_window"

scratch=$(mktemp -d)
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
read -r -t 20 number <"$scratch/display"
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb

load() { cut -d' ' -f1 /proc/loadavg; }
load_before=$(load)
for _ in 1 2; do # warm the file cache
    "$probe" Numerandia "$numerandia" >/dev/null
    "$probe" Minimal "$minimal" >/dev/null
done
for _ in $(seq "$runs"); do
    "$probe" Numerandia "$numerandia" >>"$scratch/numerandia"
    "$probe" Minimal "$minimal" >>"$scratch/minimal"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
nt=$(cut -d' ' -f1 "$scratch/numerandia" | median)
mt=$(cut -d' ' -f1 "$scratch/minimal" | median)
nm=$(cut -d' ' -f2 "$scratch/numerandia" | median)
mm=$(cut -d' ' -f2 "$scratch/minimal" | median)
echo "runs each:         $runs (load average $load_before before, $(load) after)"
# Qt's accessibility bridge connects to the session bus, or looks for one where there is
# none, when the first widget with a name appears: in Numerandia before its window is
# mapped, in the minimal window just after. Which bus there is shows in the figures.
echo "session bus:       ${DBUS_SESSION_BUS_ADDRESS:+present}${DBUS_SESSION_BUS_ADDRESS:-none}"
echo "start-up (median): numerandia ${nt} ms, minimal window ${mt} ms, ratio $(awk "BEGIN { printf \"%.2f\", $nt / $mt }")"
echo "peak memory:       numerandia ${nm} KiB, minimal window ${mm} KiB, ratio $(awk "BEGIN { printf \"%.2f\", $nm / $mm }")"
