#!/usr/bin/env bash
# Fails when a catalogue lags behind the sources (a text of the program that no catalogue
# has yet, or one the program no longer uses), or when a language leaves a text
# untranslated or at odds with its English. Run after a build: it brings the catalogues up to date with lupdate, as
# `cmake --build build --target update_translations` does, and compares.
# Usage: check-translations.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
saved=$(mktemp -d)
trap 'cp "$saved"/*.ts translations/; rm -rf "$saved"' EXIT
cp translations/*.ts "$saved/"

cmake --build "$build" --target update_translations >/dev/null
if ! diff -q -r "$saved" translations >/dev/null; then
    echo "FAIL: the catalogues are not up to date with the sources; run" >&2
    echo "      cmake --build $build --target update_translations" >&2
    diff -u "$saved/tallybell_de.ts" translations/tallybell_de.ts | grep '^[-+] *<source>' | head -20 >&2
    exit 1
fi

# Every text translated, with the same placeholders, line breaks and plural forms as the
# English, and no two controls of a window on one Alt key.
python3 scripts/check-translations.py --complete translations/*.ts
