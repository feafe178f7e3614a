#!/usr/bin/env bash
# Installs what is missing, builds and runs every test twice: in the normal build and under
# AddressSanitizer and UBSan. Ends with the spin benchmark's figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs="${ADVISOR_JOBS:-$(nproc)}"
export QT_QPA_PLATFORM=offscreen

source scripts/config.sh
configure_release
cmake --build build/release -j"$jobs"

configure_sanitize
cmake --build build/sanitize -j"$jobs"

./build/release/advisor_bench --benchmark_min_time=0.1

echo "== tests under AddressSanitizer and UBSan"
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j"$jobs"
echo "== tests"
ctest --test-dir build/release --output-on-failure -j"$jobs"
