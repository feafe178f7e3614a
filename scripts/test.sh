#!/usr/bin/env bash
# Installs what is missing, builds and runs every test twice: in the normal build and under
# AddressSanitizer and UBSan. Ends with the spin benchmark's figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$jobs"

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DADVISOR_SANITIZE=ON -DADVISOR_BENCH=OFF >/dev/null
cmake --build build/sanitize -j"$jobs"

./build/release/advisor_bench --benchmark_min_time=0.1

echo "== tests under AddressSanitizer and UBSan"
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j"$jobs"
echo "== tests"
ctest --test-dir build/release --output-on-failure -j"$jobs"
