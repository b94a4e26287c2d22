#!/usr/bin/env bash
# Start-up of Pelvantor against a bare Qt Widgets window: wall time from launch until a visible window with
# the program's title exists (Pelvantor titles its window once the first results are in), and peak RSS at
# that moment. Runs on a private Xvfb; the two programs alternate within every round so they share noise.
#   bench/startup.sh [ROUNDS]      (default 15; STARTUP_POLLER=xdotool forces polling with xdotool)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
rounds=${1:-15}
app=$build/src/pelvantor
bare=$build/bench/bench_bare_window
probe=$build/bench/startup_probe
poller=${STARTUP_POLLER:-probe}
[ -x "$probe" ] || poller=xdotool

for program in "$app" "$bare"; do
  [ -x "$program" ] || { echo "startup: $program is not built (run scripts/build)" >&2; exit 2; }
done

# A display nobody uses: neither its lock file nor its socket exists.
display=100
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
# -noreset: otherwise the server resets whenever its last client leaves and refuses the next launch meanwhile.
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
# Keeps Qt from warning about a missing runtime directory on every launch.
runtime=$(mktemp -d)
results=$runtime/results
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; rm -rf "$runtime"' EXIT
export DISPLAY=":$display"
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done
# Checked by process too: another server taking the display first would answer xdpyinfo in its place.
kill -0 "$xvfb_pid" 2>/dev/null && xdpyinfo >/dev/null 2>&1 || { echo "startup: Xvfb on $DISPLAY did not come up" >&2; exit 2; }
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$runtime

measure_xdotool() {
  local title=$1 program=$2 t0 pid peak looks=0
  t0=$EPOCHREALTIME
  "$program" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    looks=$((looks + 1))
    kill -0 "$pid" 2>/dev/null || { echo "startup: $program exited before its window appeared" >&2; return 1; }
    if [ $((${EPOCHREALTIME%.*} - ${t0%.*})) -gt 60 ]; then
      echo "startup: no window titled $title within a minute" >&2
      kill "$pid"
      return 1
    fi
  done
  local t1=$EPOCHREALTIME
  peak=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  # The poller's cost is not its own CPU here but one xdotool run per look; report the looks instead.
  awk -v a="$t0" -v b="$t1" -v p="$peak" -v l="$looks" 'BEGIN { printf "%.1f %d %d looks\n", (b - a) * 1000, p, l }'
}

# Prints "<ms since launch> <VmHWM kB> <poller cost>" for one launch of program $2 with window title $1.
measure() {
  if [ "$poller" = probe ]; then
    "$probe" "$1" "$2"
  else
    measure_xdotool "$1" "$2"
  fi
}

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One launch of each, untimed: the first start of anything reads fonts and libraries from disk.
measure Pelvantor "$app" >/dev/null
measure Bare "$bare" >/dev/null

for round in $(seq "$rounds"); do
  if [ $((round % 2)) -eq 1 ]; then order="app bare"; else order="bare app"; fi
  for which in $order; do
    if [ "$which" = app ]; then line=$(measure Pelvantor "$app"); else line=$(measure Bare "$bare"); fi
    echo "$which $line" >>"$results"
  done
done

app_ms=$(awk '$1 == "app" {print $2}' "$results" | median)
bare_ms=$(awk '$1 == "bare" {print $2}' "$results" | median)
app_kb=$(awk '$1 == "app" {print $3}' "$results" | median)
bare_kb=$(awk '$1 == "bare" {print $3}' "$results" | median)
poll=$(awk '{print $4}' "$results" | median)
range() { awk -v w="$1" '$1 == w {print $2}' "$results" | sort -g | awk 'NR == 1 {lo = $1} {hi = $1} END {printf "%s..%s", lo, hi}'; }

echo "startup ($rounds rounds, $DISPLAY, poller: $poller)"
printf '  %-10s %8s ms (range %s)  peak RSS %6s kB\n' Pelvantor "$app_ms" "$(range app)" "$app_kb"
printf '  %-10s %8s ms (range %s)  peak RSS %6s kB\n' Bare "$bare_ms" "$(range bare)" "$bare_kb"
awk -v a="$app_ms" -v b="$bare_ms" -v c="$app_kb" -v d="$bare_kb" \
  'BEGIN { printf "  ratio      time %.2fx  peak RSS %.2fx  (%+.1f ms, %+d kB)\n", a / b, c / d, a - b, c - d }'
if [ "$poller" = probe ]; then
  echo "  poller CPU per launch: median $poll ms (waits on X events)"
else
  echo "  xdotool looks per launch: median $poll"
fi
