#!/usr/bin/env bash
# Fails when a catalogue lags behind the sources (a text of the program that no catalogue
# has yet, or one the program no longer uses), or when a language leaves a text
# untranslated. Run after a build: it brings the catalogues up to date with lupdate, as
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

python3 - translations/*.ts <<'PYTHON'
import sys
import xml.etree.ElementTree as ET

failed = False
for path in sys.argv[1:]:
    root = ET.parse(path).getroot()
    open_ = [m.findtext("source") for m in root.iter("message")
             if m.find("translation") is not None
             and m.find("translation").get("type") in ("unfinished", "obsolete", "vanished")]
    total = sum(1 for _ in root.iter("message"))
    if open_:
        failed = True
        print(f"FAIL: {path}: {len(open_)} of {total} texts not translated, e.g. {open_[:3]}",
              file=sys.stderr)
    else:
        print(f"{path}: {total} texts, all translated")
sys.exit(1 if failed else 0)
PYTHON
