#!/usr/bin/env bash
# Start-up time and memory of the calculator beside a bare Qt Widgets
# window, measured in one run under the same virtual X server: from starting
# the executable to the X server mapping its window, and, once the window is
# painted, the memory the program made for itself (Private_Dirty: the same
# figure whatever else runs) with its proportional set size beside it. The yardstick
# is the bare window that shows a few lines of Chinese (--text): any window
# that draws text starts fontconfig and Qt's font database, and the
# calculator must stay within 1.2 times that window in both.
# Usage: bench/startup.sh [build-dir] [rounds]
set -euo pipefail
build=${1:-build}
rounds=${2:-15}
app="$build/app/qorvi-calculator"
bare="$build/bench/bare-window"
probe="$build/bench/startup-probe"

# A display number of its own: Xvfb picks a free one and writes it to fd 3.
exec 3< <(Xvfb -displayfd 1 -noreset -screen 0 1024x768x24 -dpi 96 -nolisten tcp 2> /dev/null)
read -r -t 10 number <&3
xvfb=$(pgrep -n -x Xvfb)
trap 'kill $xvfb 2> /dev/null' EXIT
export DISPLAY=:$number
for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.05; done

# Prints "milliseconds-to-map private-dirty-kB pss-kB" for one start:
# startup-probe watches the X server for the map and reads smaps_rollup once
# the first paint has settled.
measure() { "$probe" "$@"; }

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

: > /tmp/startup-app.txt
: > /tmp/startup-bare.txt
: > /tmp/startup-text.txt
measure "$bare" > /dev/null  # warm the file cache for all
measure "$bare" --text > /dev/null
measure "$app" > /dev/null
for _ in $(seq "$rounds"); do
    measure "$bare" >> /tmp/startup-bare.txt
    measure "$bare" --text >> /tmp/startup-text.txt
    measure "$app" >> /tmp/startup-app.txt
done

med() { cut -d' ' -f"$2" "$1" | median; }  # FILE FIELD
text_ms=$(med /tmp/startup-text.txt 1)
text_kb=$(med /tmp/startup-text.txt 2)
printf '| | start-up to mapped window (median of %d) | made for itself, Private_Dirty (median) | PSS (median) | time / text window | Private_Dirty / text window |\n' "$rounds"
printf '|---|---|---|---|---|---|\n'
row() {  # NAME FILE
    awk -v n="$1" -v t="$(med "$2" 1)" -v d="$(med "$2" 2)" -v p="$(med "$2" 3)" \
        -v bt="$text_ms" -v bd="$text_kb" \
        'BEGIN { printf "| %s | %.1f ms | %d kB | %d kB | %.2f | %.2f |\n", n, t, d, p, t / bt, d / bd }'
}
row "empty Qt window" /tmp/startup-bare.txt
row "Qt window with a few lines of Chinese (--text)" /tmp/startup-text.txt
row "qorvi-calculator" /tmp/startup-app.txt
