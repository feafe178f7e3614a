#!/usr/bin/env bash
# Installs what is missing, builds the advisor and starts it. With --build-only it stops after
# the build (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
build_only=0
for arg in "$@"; do
  [ "$arg" = "--build-only" ] && build_only=1
done
bash scripts/deps.sh
source scripts/config.sh
configure_release
cmake --build build/release -j"${ADVISOR_JOBS:-$(nproc)}" --target roulette-advisor
[ "$build_only" -eq 1 ] && exit 0
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "start.sh: no desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set); the advisor needs one" >&2
  exit 1
fi
args=()
for arg in "$@"; do
  [ "$arg" = "--build-only" ] || args+=("$arg")
done
exec ./build/release/roulette-advisor "${args[@]+"${args[@]}"}"
