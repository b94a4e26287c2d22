#!/usr/bin/env bash
# Start-up of Pelvantor against a bare Qt Widgets window: wall time from launch until a visible window with
# the program's title exists (Pelvantor titles its window once the first results are in), and peak RSS at
# that moment. Runs on a private Xvfb with one D-Bus session bus for the whole run, as on a desktop (without
# one, every Qt start would launch a bus of its own). The programs alternate within every round so they
# share noise; each ratio is the median of the rounds' ratios.
#   bench/startup.sh [ROUNDS] [OTHER_PELVANTOR]
# ROUNDS defaults to 15. OTHER_PELVANTOR, another build of the program (say, from before a change), is
# measured in the same rounds and reported beside it. STARTUP_POLLER=xdotool forces polling with xdotool.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
source "$root/scripts/lib/xvfb.sh"
rounds=${1:-15}
app=$build/src/pelvantor
other=${2:-}
bare=$build/bench/bench_bare_window
probe=$build/bench/startup_probe
poller=${STARTUP_POLLER:-probe}
[ -x "$probe" ] || poller=xdotool

for program in "$app" "$bare" $other; do
  [ -x "$program" ] || { echo "startup: $program is not built (run scripts/build)" >&2; exit 2; }
done

xvfb_pid=""
bus_pid=""
# Keeps Qt from warning about a missing runtime directory on every launch.
runtime=$(mktemp -d)
results=$runtime/results
cleanup() {
  # shellcheck disable=SC2086 # either may still be empty
  kill $bus_pid $xvfb_pid 2>/dev/null || true
  [ -z "$xvfb_pid" ] || wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$runtime"
}
trap cleanup EXIT
# -noreset: otherwise the server resets whenever its last client leaves and refuses the next launch meanwhile.
start_xvfb 1280x1024x24 -noreset || exit 2
{ read -r DBUS_SESSION_BUS_ADDRESS && read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
[ -n "$bus_pid" ] || { echo "startup: no D-Bus session bus (dbus-daemon)" >&2; exit 2; }
export DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$runtime

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
[ -z "$other" ] || measure Pelvantor "$other" >/dev/null

programs="app bare${other:+ other}"
for round in $(seq "$rounds"); do
  # Each program takes every place in the order in turn.
  order=$(echo $programs | awk -v r="$round" '{ for (i = 0; i < NF; i++) printf "%s ", $((i + r) % NF + 1) }')
  for which in $order; do
    case $which in
      app) line=$(measure Pelvantor "$app") ;;
      bare) line=$(measure Bare "$bare") ;;
      other) line=$(measure Pelvantor "$other") ;;
    esac
    echo "$round $which $line" >>"$results"
  done
done

# Columns of $results: round, program, ms, VmHWM kB, poller cost.
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() { awk -v w="$1" -v c="$2" '$2 == w {print $c}' "$results"; }
range() { column "$1" 3 | sort -g | awk 'NR == 1 {lo = $1} {hi = $1} END {printf "%s..%s", lo, hi}'; }
# The median over the rounds of program $1's figure in column $2 divided by the bare window's.
ratio() {
  awk -v w="$1" -v c="$2" '$2 == w {a[$1] = $c} $2 == "bare" {b[$1] = $c}
    END { for (r in a) if (b[r] > 0) printf "%.4f\n", a[r] / b[r] }' "$results" | median
}

echo "startup ($rounds rounds, $DISPLAY, one session bus, poller: $poller)"
for which in $programs; do
  case $which in
    app) label=Pelvantor ;;
    bare) label=Bare ;;
    other) label=Other ;;
  esac
  printf '  %-10s %8s ms (range %s)  peak RSS %6s kB\n' "$label" "$(column "$which" 3 | median)" "$(range "$which")" \
    "$(column "$which" 4 | median)"
done
[ -z "$other" ] || echo "  (Other: $other)"
for which in $programs; do
  [ "$which" = bare ] && continue
  label=Pelvantor
  [ "$which" = other ] && label=Other
  printf '  ratio %-9s time %.2fx  peak RSS %.2fx  (medians of the rounds)\n' "$label" "$(ratio "$which" 3)" \
    "$(ratio "$which" 4)"
done
if [ "$poller" = probe ]; then
  echo "  poller CPU per launch: median $(awk '{print $5}' "$results" | median) ms (waits on X events)"
else
  echo "  xdotool looks per launch: median $(awk '{print $5}' "$results" | median)"
fi
