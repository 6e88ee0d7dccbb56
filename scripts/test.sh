#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (unit, window, D-Bus, sound, end-to-end).
# The tests that need a display, a session bus or a sound server start their own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build="${TALLYBELL_BUILD_DIR:-build}"
if ! ctest --test-dir "$build" --output-on-failure -j 2 "$@"; then
    # A sound server or an X server of a test's own can stall on a loaded machine: a test
    # that failed is run once more, on its own, and must pass then.
    echo "== Running the failed tests once more"
    ctest --test-dir "$build" --output-on-failure --rerun-failed
fi
