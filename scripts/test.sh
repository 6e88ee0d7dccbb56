#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (unit, window, D-Bus, sound, end-to-end).
# The tests that need a display, a session bus or a sound server start their own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
ctest --test-dir "${TALLYBELL_BUILD_DIR:-build}" --output-on-failure -j 2 "$@"
