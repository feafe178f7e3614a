#!/usr/bin/env bash
# Installs what is missing, builds the advisor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DADVISOR_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target roulette-advisor
exec ./build/release/roulette-advisor "$@"
