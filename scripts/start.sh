#!/usr/bin/env bash
# Installs what is missing, builds the advisor and starts it. With --build-only it stops after
# the build (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
build_only=0
args=()
for arg in "$@"; do
  if [ "$arg" = "--build-only" ]; then build_only=1; else args+=("$arg"); fi
done
bash scripts/deps.sh
source scripts/config.sh
configure_release
cmake --build build/release -j"${ADVISOR_JOBS:-$(nproc)}" --target roulette-advisor
if [ "$build_only" -eq 1 ]; then exit 0; fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "start.sh: no desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set); the advisor needs one" >&2
  exit 1
fi
exec ./build/release/roulette-advisor "${args[@]+"${args[@]}"}"
