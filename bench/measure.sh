#!/usr/bin/env bash
# Measures the running game from outside, beside the floor programs: the time from start to a
# mapped window and the peak resident memory, as medians over repeated interleaved runs; and,
# since start-up times jitter more than the margin, the instructions run until the window is
# mapped, counted by callgrind. Needs a display (run.sh wraps it in xvfb-run).
# Usage: bench/measure.sh [BUILD_DIR]   env: RUNS (7), HOLD_SECONDS (3), COUNT_STARTUP (1)
set -euo pipefail

build=$(cd "${1:-build-h6}" && pwd)
runs=${RUNS:-7}
hold=${HOLD_SECONDS:-3}
probe=$build/bench/launch_probe
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"  # the game reads and may write score.dat in its working directory

# name and command line of every measured program
names=(game floor_bare floor_draw floor_start)
declare -A cmd=(
  [game]="$build/tumbrix"
  [floor_bare]="$build/bench/floor_bare"
  [floor_draw]="$build/bench/floor_draw"
  [floor_start]="$build/bench/floor_draw 0 4"
)

# One launch; a display that refused the client (exit 3) is tried again.
probe_once() {
  local name=$1 out
  for attempt in 1 2 3 4 5; do
    # shellcheck disable=SC2086
    if out=$("$probe" "$hold" ${cmd[$name]}); then
      echo "$out"
      return 0
    fi
    sleep 0.5
  done
  echo "measure.sh: $name never showed a window" >&2
  return 1
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }

for ((i = 1; i <= runs; i++)); do
  for name in "${names[@]}"; do
    probe_once "$name" >> "$work/$name.txt"
  done
done

declare -A map_ms hwm_mb
printf '\n%-12s %14s %16s   (medians of %d runs)\n' program "ms to window" "peak RSS (MB)" "$runs"
for name in "${names[@]}"; do
  map_ms[$name]=$(field map_ms < "$work/$name.txt" | median)
  hwm_mb[$name]=$(field hwm_kb < "$work/$name.txt" | median | awk '{printf "%.1f", $1/1024}')
  printf '%-12s %14s %16s\n' "$name" "${map_ms[$name]}" "${hwm_mb[$name]}"
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.3f", a / b}'; }
verdict() { awk -v r="$1" -v lo="$2" -v hi="$3" 'BEGIN {print (r >= lo && r <= hi) ? "PASS" : "FAIL"}'; }
mem_draw=$(ratio "${hwm_mb[game]}" "${hwm_mb[floor_draw]}")
mem_start=$(ratio "${hwm_mb[game]}" "${hwm_mb[floor_start]}")
map_bare=$(ratio "${map_ms[game]}" "${map_ms[floor_bare]}")
echo
echo "peak memory, game / floor_draw (200 cells, 5 lines):          $mem_draw"
echo "peak memory, game / floor_draw 0 4 (the picture at start):    $mem_start"
echo "time to window, game / floor_bare (wall clock, noisy):        $map_bare"
echo "$(verdict "$mem_draw" 0 1.05)  peak memory at most 5 % above the drawing floor program"
echo "$(verdict "$mem_start" 0.95 1.05)  peak memory within 5 % of the floor drawing the same start picture"

# Instructions from exec to XMapWindow, which do not jitter: callgrind dumps them on entry to
# XMapWindow, then the program is stopped.
count_to_map() {
  local name=$1 pid
  # shellcheck disable=SC2086
  LP_NUM_THREADS=0 valgrind --tool=callgrind --callgrind-out-file="$work/$name.cg" \
    --dump-before=XMapWindow ${cmd[$name]} > "$work/$name.vg" 2>&1 &
  pid=$!
  for ((t = 0; t < 600; t++)); do
    grep -qs '^totals:' "$work/$name.cg.1" && break
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.2
  done
  kill "$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true
  sed -n 's/^totals: //p' "$work/$name.cg.1"
}

if [[ ${COUNT_STARTUP:-1} == 1 ]]; then
  ir_game=$(count_to_map game)
  ir_bare=$(count_to_map floor_bare)
  ir_ratio=$(ratio "$ir_game" "$ir_bare")
  echo
  echo "instructions to window: game $ir_game, floor_bare $ir_bare, ratio $ir_ratio"
  echo "$(verdict "$ir_ratio" 0 1.10)  instructions to a mapped window at most 10 % above the bare window"
fi
echo "INFO  wall-clock time to a mapped window: game / bare $map_bare (jitter here exceeds 10 %; the instruction count above decides)"
