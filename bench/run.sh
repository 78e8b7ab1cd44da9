#!/usr/bin/env bash
# The one command for the performance figures: builds the game and the benchmarks (Release),
# then under a virtual display runs the frame benchmark, the instruction counts and the
# outside measurements, draws the chart and prints every PASS/FAIL line again at the end.
# Usage: bench/run.sh [BUILD_DIR]   (default build-bench; results in BUILD_DIR/bench-results)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTUMBRIX_TESTS=OFF \
  -DTUMBRIX_BENCH=ON > /dev/null
cmake --build "$build" -j2 --target tumbrix frame_bench floor_bare floor_draw launch_probe
build=$(cd "$build" && pwd)
out=$build/bench-results
mkdir -p "$out"

display=(xvfb-run -a -s "-screen 0 1024x768x24")
echo "== frame benchmark (wall clock, medians of 5 repetitions)"
"${display[@]}" "$build/bench/frame_bench" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_out="$out/frame_bench.json" \
  --benchmark_out_format=json --benchmark_color=false | tee "$out/frame_bench.txt" || true
echo "== instruction counts (callgrind)"
"${display[@]}" "$root/bench/count_frames.sh" "$build" "$out"
echo "== the running binary, measured from outside"
"${display[@]}" "$root/bench/measure.sh" "$build" | tee "$out/measure.txt"
python3 "$root/bench/chart.py" "$out/frame_bench.json" "$out/frame_cost.png"

echo "== targets"
cat "$out/frame_bench.txt" "$out/count_frames.txt" "$out/measure.txt" | grep -E '^(PASS|FAIL|INFO)'
echo "chart: $out/frame_cost.png"
! grep -qs '^FAIL' "$out/frame_bench.txt" "$out/count_frames.txt" "$out/measure.txt"
