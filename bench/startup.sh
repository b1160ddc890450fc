#!/usr/bin/env bash
# Start-up time and resident memory of the calculator beside a bare Qt
# Widgets window, measured in one run under the same virtual X server:
# from starting the executable to its window being mapped (polled with
# xdotool), and the resident set size once it is shown.
# Usage: bench/startup.sh [build-dir] [rounds]
set -euo pipefail
build=${1:-build}
rounds=${2:-15}
app="$build/app/qorvi-calculator"
bare="$build/bench/bare-window"

display=:$((RANDOM % 400 + 100))
Xvfb "$display" -screen 0 1024x768x24 -dpi 96 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done

# Prints "milliseconds-to-map resident-kB" for one start of the program.
measure() {
    local exe=$1 name=$2
    local start end pid rss
    start=$(date +%s%N)
    "$exe" > /dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "$name" > /dev/null 2>&1; do :; done
    end=$(date +%s%N)
    sleep 0.3  # let the first paint finish before reading the memory
    rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
    kill $pid; wait $pid 2> /dev/null || true
    echo "$(( (end - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

: > /tmp/startup-app.txt
: > /tmp/startup-bare.txt
measure "$bare" '^bare-window$' > /dev/null  # warm the file cache for both
measure "$app" '^Qorvi' > /dev/null
for _ in $(seq "$rounds"); do
    measure "$bare" '^bare-window$' >> /tmp/startup-bare.txt
    measure "$app" '^Qorvi' >> /tmp/startup-app.txt
done

bare_ms=$(cut -d' ' -f1 /tmp/startup-bare.txt | median)
app_ms=$(cut -d' ' -f1 /tmp/startup-app.txt | median)
bare_kb=$(cut -d' ' -f2 /tmp/startup-bare.txt | median)
app_kb=$(cut -d' ' -f2 /tmp/startup-app.txt | median)
printf '| | start-up to mapped window (median of %d) | resident memory (median) |\n|---|---|---|\n' "$rounds"
printf '| bare Qt window | %s ms | %s kB |\n' "$bare_ms" "$bare_kb"
printf '| qorvi-calculator | %s ms | %s kB |\n' "$app_ms" "$app_kb"
awk -v a="$app_ms" -v b="$bare_ms" -v am="$app_kb" -v bm="$bare_kb" \
    'BEGIN { printf "| ratio | %.2f | %.2f |\n", a / b, am / bm }'
