#!/usr/bin/env bash
# Counts the instructions of one frame of each kind with callgrind, llvmpipe drawing on the
# calling thread, and prints them beside the bare and floor frames. These counts repeat to
# about 0.01 %, so they decide where wall-clock jitter is larger than a target's margin.
# Usage: bench/count_frames.sh BUILD_DIR OUT_DIR   (needs a display)
set -euo pipefail

build=$1
out=$2
frames=${COUNT_FRAMES:-20}
kinds=(frame/bare frame/floor_draw frame/game_empty frame/game_half frame/game_steady
       frame/game_full rules/frame_full rules/hard_drop rules/drop_restore)

LP_NUM_THREADS=0 valgrind --tool=callgrind --callgrind-out-file="$out/frames.cg" \
  --collect-atstart=no '--toggle-collect=*measuredFrames*' \
  "$build/bench/frame_bench" --count="$(IFS=,; echo "${kinds[*]}")" --frames="$frames" \
  > "$out/count_frames.log" 2>&1

# The n-th kind ran inside measuredFrames<n>: its inclusive count over all frames.
callgrind_annotate --inclusive=yes --threshold=100 "$out/frames.cg" \
  | sed -n 's/^ *\([0-9,]*\) .*measuredFrames<\([0-9]*\)>.*/\2 \1/p' | tr -d , \
  | sort -n > "$out/frames_ir.txt"

awk -v frames="$frames" -v names="${kinds[*]}" '
  BEGIN { split(names, name, " ") }
  { ir[name[$1 + 1]] = $2 / frames }
  END {
    bare = ir["frame/bare"]; floor = ir["frame/floor_draw"]; full = ir["frame/game_full"]
    printf "\n%-20s %14s %10s %12s\n", "instructions", "per frame", "x bare", "x floor_draw"
    for (i = 1; i <= length(name); i++) {
      k = name[i]
      printf "%-20s %14.0f %10.2f %12.4f\n", k, ir[k], ir[k] / bare, ir[k] / floor
    }
    share = ir["rules/frame_full"] / full
    printf "\nrules share of a full-field frame, by instructions: %.3f %%\n", 100 * share
    printf "hard drop from spawn: %.0f instructions (restore of its start subtracted)\n",
           ir["rules/hard_drop"] - ir["rules/drop_restore"]
    printf "full-field game frame over the floor drawing: %+.2f %%\n", 100 * (full / floor - 1)
    printf "%s  rules share of a full-field frame < 1 %% (instructions)\n",
           share < 0.01 ? "PASS" : "FAIL"
  }' "$out/frames_ir.txt" | tee "$out/count_frames.txt"
grep '^count' "$out/count_frames.log" | sed 's/^count [0-9]* /heap calls: /'
