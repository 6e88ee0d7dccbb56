#!/usr/bin/env python3
"""Counts the lines of code that are neither blank nor comments, in src/ and in tests/.

C++ (.cpp, .h), Python, shell and CMake files are counted; Qt Designer forms (.ui) are not,
being generated XML. Usage: count-lines.py [--files] [root]
"""
import ast
import pathlib
import re
import sys

CXX = {".cpp", ".h", ".hpp", ".in"}


def counted(path: pathlib.Path) -> bool:
    return path.suffix in CXX | {".py", ".sh", ".cmake"} or path.name == "CMakeLists.txt"


def docstring_lines(text: str) -> set[int]:
    """The lines of a Python file's docstrings, which are comments in all but form."""
    lines: set[int] = set()
    try:
        tree = ast.parse(text)
    except SyntaxError:
        return lines
    for node in ast.walk(tree):
        if isinstance(node, (ast.Module, ast.ClassDef, ast.FunctionDef, ast.AsyncFunctionDef)):
            body = node.body
            if body and isinstance(body[0], ast.Expr) and isinstance(body[0].value, ast.Constant) \
                    and isinstance(body[0].value.value, str):
                lines.update(range(body[0].lineno, body[0].end_lineno + 1))
    return lines


def code_lines(path: pathlib.Path) -> int:
    text = path.read_text(encoding="utf-8", errors="replace")
    count = 0
    if path.suffix in CXX:
        in_block = False
        for line in text.splitlines():
            s = line.strip()
            if in_block:
                if "*/" in s:
                    in_block = False
                    s = s.split("*/", 1)[1].strip()
                else:
                    continue
            if s.startswith("/*"):
                if "*/" not in s:
                    in_block = True
                    continue
                s = s.split("*/", 1)[1].strip()
            if s and not s.startswith("//"):
                count += 1
    else:
        skipped = docstring_lines(text) if path.suffix == ".py" else set()
        for number, line in enumerate(text.splitlines(), 1):
            s = line.strip()
            if s and not s.startswith("#") and number not in skipped:
                count += 1
    return count


def tally(root: pathlib.Path, folder: str, per_file: bool) -> int:
    total = 0
    for path in sorted((root / folder).rglob("*")):
        if path.is_file() and counted(path):
            n = code_lines(path)
            total += n
            if per_file:
                print(f"{n:6d}  {path.relative_to(root)}")
    return total


def main() -> None:
    args = [a for a in sys.argv[1:] if a != "--files"]
    root = pathlib.Path(args[0] if args else pathlib.Path(__file__).resolve().parent.parent)
    per_file = "--files" in sys.argv
    src = tally(root, "src", per_file)
    tests = tally(root, "tests", per_file)
    print(f"code (src/): {src}\ntests (tests/): {tests}\nratio: {100 * tests / src:.0f} %")


if __name__ == "__main__":
    main()
