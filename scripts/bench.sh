#!/usr/bin/env bash
# Measures Quorrel's start-up against the toolkit's floors under Xvfb: the time
# from exec to the window being mapped (from the X server's map events) and the
# peak resident memory (/usr/bin/time), interleaved, RUNS times each (default
# 30); then the engine's micro-benchmark. Prints medians and the ratios
# Quorrel / floor. BASE=path/to/another/quorrel adds that build to the same
# rounds, for a comparison in one sitting (build it with this script in its
# own checkout first).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
runs=${RUNS:-30}

if [ "${1:-}" != --inside ]; then
  ensure_packages time libbenchmark-dev libx11-dev
  QUORREL_BUILD_DIR=build-bench build_quorrel -DCMAKE_BUILD_TYPE=Release -DQUORREL_BUILD_BENCH=ON \
    -DQUORREL_BUILD_TESTS=OFF >/dev/null
  source tests/app/xdisplay.sh
  with_own_display 1024x768x24 bash "$0" --inside
  exit
fi

bin=build-bench
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
programs=(floor_window floor_label quorrel)
[ -n "${BASE:-}" ] && programs+=(base)
path() {
  case $1 in
  quorrel) echo "$bin/app/quorrel" ;;
  base) echo "$BASE" ;;
  *) echo "$bin/bench/$1" ;;
  esac
}

# One warm-up each so that every program starts with its files in the page cache.
for p in "${programs[@]}"; do "$bin/bench/map_timer" "$results/rss" "$(path "$p")" >/dev/null; done
for ((i = 0; i < runs; i++)); do
  for ((j = 0; j < ${#programs[@]}; j++)); do
    p=${programs[$(((i + j) % ${#programs[@]}))]} # rotate the order every round
    "$bin/bench/map_timer" "$results/rss" "$(path "$p")" >>"$results/$p"
  done
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for p in "${programs[@]}"; do
  eval "ms_$p=$(cut -d' ' -f1 "$results/$p" | median)"
  eval "kb_$p=$(cut -d' ' -f2 "$results/$p" | median)"
done
cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
printf '%s runs each, interleaved, on %s, %s cores\n' "$runs" "${cpu:-$(uname -m)}" "$(nproc)"
printf '%-14s %12s %14s\n' program "map (ms)" "peak RSS (kB)"
for p in "${programs[@]}"; do
  eval "printf '%-14s %12s %14s\n' $p \$ms_$p \$kb_$p"
done
awk -v a="$ms_quorrel" -v b="$ms_floor_label" -v c="$kb_quorrel" -v d="$kb_floor_label" \
    -v e="$ms_floor_window" -v f="$kb_floor_window" 'BEGIN {
  printf "Quorrel / text floor:  start-up %.2f x (goal 1.15), memory %.2f x (goal 1.12)\n", a / b, c / d
  printf "Quorrel / bare floor:  start-up %.2f x, memory %.2f x\n", a / e, c / f
}'
if [ -n "${BASE:-}" ]; then
  awk -v a="$ms_base" -v b="$ms_floor_label" -v c="$kb_base" -v d="$kb_floor_label" 'BEGIN {
  printf "Base / text floor:     start-up %.2f x, memory %.2f x\n", a / b, c / d
}'
fi
echo
"$bin/bench/engine_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
