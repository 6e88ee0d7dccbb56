#!/usr/bin/env python3
"""Fails when a source folder includes a folder it may not.

The table of what may include what is the one in docs/architecture.md, under "Which folder
may include which": one row per folder of src/, the folder in the first column and the
folders it may include in the second, each in backticks. A file of src/<folder>/ (its Qt
windows in the same folder and in qt/ included) may include only those folders; the build's
generated headers ("tallybell/...", "ui_...") are open to all. A folder of src/ without a row
is a failure too, so that a new folder is placed in the table before it is used.

    scripts/check-layers.py [ROOT]
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
HEADING = "Which folder may include which"
GENERATED = {"tallybell"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([A-Za-z0-9_]+)/', re.M)


def read_table():
    text = (ROOT / "docs" / "architecture.md").read_text(encoding="utf-8")
    start = text.find(HEADING)
    if start < 0:
        sys.exit(f"FAIL: docs/architecture.md has no section '{HEADING}'")
    table = {}
    for line in text[start:].splitlines()[1:]:
        if line.startswith("#"):
            break
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) < 2:
            continue
        names = re.findall(r"`([a-z]+)`", cells[0])
        if len(names) != 1:
            continue
        table[names[0]] = set(re.findall(r"`([a-z]+)`", cells[1]))
    if not table:
        sys.exit(f"FAIL: the table under '{HEADING}' has no rows")
    return table


def main():
    table = read_table()
    failures = []
    for folder in sorted(p for p in (ROOT / "src").iterdir() if p.is_dir()):
        if folder.name not in table:
            failures.append(f"src/{folder.name}/ has no row in the table")
            continue
        allowed = table[folder.name] | {folder.name} | GENERATED
        for path in sorted(folder.rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            source = path.read_text(encoding="utf-8", errors="replace")
            for match in INCLUDE.finditer(source):
                if match.group(1) not in allowed:
                    line = source.count("\n", 0, match.start()) + 1
                    failures.append(f"{path.relative_to(ROOT)}:{line}: includes "
                                    f"{match.group(1)}/, which {folder.name}/ may not")
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if failures:
        return 1
    print(f"layers: {len(table)} folders, every include within its row")
    return 0


if __name__ == "__main__":
    sys.exit(main())
