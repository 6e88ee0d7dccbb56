#!/usr/bin/env bash
# Configures (once) and builds Tallybell and its tests into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TALLYBELL_BUILD_DIR:-build}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${TALLYBELL_CMAKE_ARGS:-}
fi
cmake --build "$build" -j "$(nproc)"
