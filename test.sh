#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest: first
# the ordinary build, then everything again built with AddressSanitizer and
# UndefinedBehaviorSanitizer, with each fuzzer running for a short while.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_packages "${QUORREL_SANITIZER_PACKAGES[@]}"

build_quorrel
ctest --test-dir "${QUORREL_BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)"

echo "== the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, with fuzzing =="
build_sanitized "${QUORREL_FUZZ_SECONDS:-20}"
run_sanitized ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
