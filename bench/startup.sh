#!/bin/bash
# Start-up time and peak memory of Numerandia against two yardsticks, measured in turn
# under one Xvfb: the bare Qt window (the least a Qt Widgets program can show) and the
# same window with one labelled button (the least a window with a control can show).
# Usage: startup.sh <build-dir> [runs] [--wm]
#   --wm  runs a window manager (openbox), as on a desktop, instead of none.
# Start-up is read twice: from exec until the window is mapped, and until its first
# pixels are drawn, which is when a pupil sees it. Peak memory is VmHWM once the first
# paint is done. Other work on the machine shows in the figures: read them when the
# load average printed before and after is below about 1.
set -eu
build=${1:?usage: $0 build-dir [runs] [--wm]}
runs=${2:-21}
wm=${3:-}
probe="$build/bench/startup_probe"
titles=(Numerandia Minimal Labelled)
paths=("$build/src/numerandia" "$build/bench/minimal_window" "$build/bench/labelled_window")

scratch=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$scratch"' EXIT
mkfifo "$scratch/display"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
read -r -t 20 number <"$scratch/display"
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
if [ "$wm" = --wm ]; then
    openbox >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi

load() { cut -d' ' -f1 /proc/loadavg; }
load_before=$(load)
for _ in 1 2; do # warm the file cache
    for i in 0 1 2; do "$probe" "${titles[i]}" "${paths[i]}" >/dev/null; done
done
for _ in $(seq "$runs"); do
    for i in 0 1 2; do "$probe" "${titles[i]}" "${paths[i]}" >>"$scratch/${titles[i]}"; done
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() { cut -d' ' -f"$2" "$scratch/$1" | median; }
ratio() { awk "BEGIN { printf \"%.2f\", $1 / $2 }"; }
echo "runs each:     $runs (load average $load_before before, $(load) after)"
echo "window manager: $([ "$wm" = --wm ] && echo openbox || echo none)"
# Qt's accessibility bridge connects to the session bus, or looks for one where there is
# none, when the first widget with a name appears: in a window with controls before it
# is mapped, in the bare window just after. Which bus there is shows in the figures.
echo "session bus:   $([ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] && echo present || echo none)"
for what in "mapped 1 ms" "first paint 2 ms" "peak memory 3 KiB"; do
    read -r -a words <<<"$what"
    field=${words[-2]} unit=${words[-1]} name=${what% * *}
    n=$(column Numerandia "$field") m=$(column Minimal "$field") l=$(column Labelled "$field")
    printf '%-12s numerandia %s %s; bare window %s (ratio %s); labelled window %s (ratio %s)\n' \
        "$name:" "$n" "$unit" "$m" "$(ratio "$n" "$m")" "$l" "$(ratio "$n" "$l")"
done
