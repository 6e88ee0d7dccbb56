#!/usr/bin/env bash
# Fails when a source of tallybell_core, or the header beside it, includes a Qt header.
# Usage: check-core-qt-free.sh BUILD_DIR
set -euo pipefail
list="${1:-build}/core-sources.txt"
[ -s "$list" ] || { echo "no $list: configure first" >&2; exit 2; }
bad=0
while read -r src; do
    [ -n "$src" ] || continue
    for f in "$src" "${src%.*}.h"; do
        [ -f "$f" ] || continue
        if grep -nE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt)' "$f"; then
            echo "FAIL: $f belongs to tallybell_core and includes Qt" >&2
            bad=1
        fi
    done
done < "$list"
# Headers of the logic that have no source of their own.
for f in src/platform/*.h src/forms/*.h src/app/*.h src/tasklist/*.h; do
    if grep -nE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt)' "$f"; then
        echo "FAIL: $f is a logic header and includes Qt" >&2
        bad=1
    fi
done
exit $bad
