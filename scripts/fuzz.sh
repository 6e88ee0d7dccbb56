#!/usr/bin/env bash
# Builds the settings file fuzzer and runs it for a bounded time.
# Usage: scripts/fuzz.sh [seconds]   (default 60)
# Build folder: $TALLYBELL_FUZZ_BUILD, else build-fuzz in the project folder. New inputs
# found go to <build>/fuzz-corpus; the seeds in fuzz/corpus are only read. A failing input
# is saved in <build>/fuzz-artifacts and the script fails.
set -euo pipefail

seconds="${1:-60}"
case "$seconds" in
    '' | *[!0-9]*) echo "usage: $0 [seconds]" >&2; exit 2 ;;
esac

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TALLYBELL_FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTALLYBELL_BUILD_UI=OFF -DTALLYBELL_BUILD_TESTS=OFF \
    -DTALLYBELL_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_ini

mkdir -p "$build/fuzz-corpus" "$build/fuzz-artifacts"
"$build/fuzz/fuzz_ini" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/" \
    "$build/fuzz-corpus" "$root/fuzz/corpus"
