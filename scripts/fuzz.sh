#!/usr/bin/env bash
# Runs each fuzzer for a bounded time (default 60 s each) in the sanitizer
# build and prints how many inputs each one tried. New inputs go to
# build-sanitize/tests/fuzz/corpus/; a crash leaves its input in the current
# folder as crash-*, to be turned into a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
seconds=${1:-60}
ensure_packages "${QUORREL_SANITIZER_PACKAGES[@]}"
build_sanitized "$seconds" >/dev/null
status=0
for harness in leading_number locale_conversions parse_clock_time calculate convert henssge \
  combine_evidence case_file; do
  log=build-sanitize/fuzz_$harness.log
  if run_sanitized "build-sanitize/tests/fuzz/fuzz_$harness" -max_total_time="$seconds" \
       -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       "build-sanitize/tests/fuzz/corpus/$harness" "tests/fuzz/corpus/$harness" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  printf '%-20s %-6s %12s executions in %s s (log: %s)\n' "$harness" "$result" "$runs" "$seconds" "$log"
done
exit $status
