#!/usr/bin/env python3
"""Checks the translation catalogues against their sources and the windows.

    scripts/check-translations.py [--complete] [--table] translations/tallybell_de.ts ...

For every translated message of each catalogue given:
  - the same placeholders (%1 to %9, %n) as the source, in any order;
  - the same line breaks, in the same order (\\r\\n, \\n, \\r);
  - a plural message has every plural form filled, each with %n when the source has it;
  - a text with a mnemonic (&) in the source has exactly one in the translation, and one
    without has none;
  - leading and trailing blanks kept as the source has them.
And for each window (a .ui file with the texts its logic sets), no two controls or menu
titles share a mnemonic letter, and no two entries of one menu do.

--complete also fails on any message not yet translated. --table prints the mnemonics
chosen, window by window. Exits 1 when a check fails.
"""
import argparse
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Texts that the logic sets on a control of a window, as (context, source), by the window's
# class and the control's name: the alternatives a button shows over time.
LOGIC_CONTROLS = {
    "frmmain": {
        "cmdstartstop": [("MainForm", "&Start"), ("MainForm", "&Stop")],
        "cmdpause": [("MainForm", "&Pause"), ("MainForm", "&Resume")],
    },
}
# Windows and menus made in code, without a .ui file.
CODE_WINDOWS = {
    "help window": [("tb::HelpWindow", s) for s in ("&Back", "&Forward", "&Home", "&Contents")],
}
CODE_MENUS = {
    "list editor: list's context menu": [("tb::frmeditsonglist", "Make &current item"),
                                         ("tb::frmeditsonglist", "&Delete item")],
}

PLACEHOLDER = re.compile(r"%(?:[1-9]|n)")
BREAKS = re.compile(r"\r\n|\n|\r")


def mnemonic(text):
    """The letter after a single '&', lower case, or None."""
    found = [m.group(1) for m in re.finditer(r"&(?!&)(.)", text.replace("&&", ""))]
    return found[0].lower() if len(found) == 1 else (None if not found else "MANY")


def read_catalogue(path):
    """{(context, source): (numerus, finished, [translations])}, kept in order."""
    messages = {}
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            numerus = message.get("numerus") == "yes"
            forms = ([text_of(f) for f in translation.findall("numerusform")] if numerus
                     else [text_of(translation)])
            finished = translation.get("type") not in ("unfinished", "obsolete", "vanished")
            messages[(name, source)] = (numerus, finished, forms)
    return messages


def text_of(element):
    # <byte value="xd"/> stands for a carriage return.
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def check_message(source, numerus, forms):
    problems = []
    if numerus and (not forms or any(not f for f in forms)):
        problems.append("a plural form is empty")
    for text in forms:
        if not text:
            continue
        if sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
            problems.append(f"placeholders {sorted(set(PLACEHOLDER.findall(text)))} "
                            f"for {sorted(set(PLACEHOLDER.findall(source)))}")
        if BREAKS.findall(text) != BREAKS.findall(source):
            problems.append("line breaks differ")
        want, got = mnemonic(source), mnemonic(text)
        if (want is None) != (got is None) or got == "MANY":
            problems.append(f"mnemonic {got!r} for {want!r}")
        if (source[:1].isspace(), source[-1:].isspace()) != (text[:1].isspace(),
                                                             text[-1:].isspace()):
            problems.append("leading or trailing blanks differ")
    return problems


def ui_windows():
    """[(window, [(what, [(context, source)])] controls, {menu: [(context, source)]})]."""
    windows = []
    for path in sorted(glob.glob(os.path.join(ROOT, "src", "*", "*.ui"))):
        root = ET.parse(path).getroot()
        context = root.findtext("class")
        top = root.find("widget")
        actions = {a.get("name"): a for a in top.iter("action")}
        controls, menus = [], {}

        def prop(element, name):
            for p in element.findall("property"):
                if p.get("name") == name and p.find("string") is not None:
                    return p.find("string").text
            return None

        def walk(widget, in_menu):
            cls, name = widget.get("class"), widget.get("name")
            if cls == "QMenu":
                title = prop(widget, "title")
                if not in_menu and title:
                    controls.append((f"menu {name}", [(context, title)]))
                entries = []
                for item in widget:
                    if item.tag == "addaction" and item.get("name") in actions:
                        text = prop(actions[item.get("name")], "text")
                        if text:
                            entries.append((context, text))
                    elif item.tag == "widget" and item.get("class") == "QMenu":
                        entries.append((context, prop(item, "title") or ""))
                menus[f"{context} menu {name}"] = entries
            else:
                texts = [t for t in (prop(widget, "text"), prop(widget, "title")) if t]
                texts += LOGIC_CONTROLS.get(context, {}).get(name, [])
                shortcut = prop(widget, "shortcut")
                if texts:
                    controls.append((name, [(context, t) if isinstance(t, str) else t
                                            for t in texts]))
                if shortcut:
                    controls.append((f"{name} shortcut", [(context, shortcut)]))
            for child in direct_widgets(widget):
                walk(child, in_menu or cls == "QMenu")

        walk(top, False)
        windows.append((context, controls, menus))
    for name, texts in CODE_WINDOWS.items():
        windows.append((name, [(s, [(c, s)]) for c, s in texts], {}))
    windows.append(("code menus", [], dict(CODE_MENUS)))
    return windows


def direct_widgets(element):
    """The widgets directly below `element`, looking through layouts and items."""
    found = []
    for child in element:
        if child.tag == "widget":
            found.append(child)
        elif child.tag in ("layout", "item"):
            found.extend(direct_widgets(child))
    return found


def key_of(catalogue, context, source):
    """The mnemonic letter of a text as translated (a shortcut "Alt+X" gives x)."""
    entry = catalogue.get((context, source))
    text = entry[2][0] if entry and entry[1] and entry[2][0] else None
    if text is None:
        return None, None
    shortcut = re.fullmatch(r"Alt\+(\w)", text)
    if shortcut:
        return shortcut.group(1).lower(), text
    letter = mnemonic(text)
    return (letter if letter not in (None, "MANY") else None), text


def check_windows(catalogue, table):
    problems = []
    for window, controls, menus in ui_windows():
        taken = {}
        rows = []
        for what, texts in controls:
            letters = set()
            for context, source in texts:
                letter, text = key_of(catalogue, context, source)
                if letter:
                    letters.add(letter)
                    rows.append(f"    {letter.upper()}  {text}")
            for letter in letters:
                if letter in taken and taken[letter] != what:
                    problems.append(f"{window}: Alt+{letter.upper()} on both {taken[letter]} "
                                    f"and {what}")
                taken.setdefault(letter, what)
        if table and rows:
            print(f"  {window}")
            print("\n".join(rows))
        for menu, entries in menus.items():
            seen = {}
            menu_rows = []
            for context, source in entries:
                letter, text = key_of(catalogue, context, source)
                if letter:
                    if letter in seen:
                        problems.append(f"{menu}: {letter.upper()} on both {seen[letter]!r} "
                                        f"and {text!r}")
                    seen.setdefault(letter, text)
                    menu_rows.append(f"      {letter.upper()}  {text}")
            if table and menu_rows:
                print(f"    {menu}")
                print("\n".join(menu_rows))
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--complete", action="store_true")
    parser.add_argument("--table", action="store_true")
    parser.add_argument("catalogues", nargs="+")
    args = parser.parse_args()
    failed = False
    for path in args.catalogues:
        catalogue = read_catalogue(path)
        problems = []
        unfinished = 0
        for (context, source), (numerus, finished, forms) in catalogue.items():
            if not finished:
                unfinished += 1
                continue
            problems += [f"{context}: {source!r}: {p}"
                         for p in check_message(source, numerus, forms)]
        if args.table:
            print(f"{os.path.basename(path)}: mnemonics")
        problems += check_windows(catalogue, args.table)
        if args.complete and unfinished:
            problems.append(f"{unfinished} messages not translated")
        print(f"{os.path.basename(path)}: {len(catalogue)} messages, "
              f"{len(catalogue) - unfinished} translated, {unfinished} unfinished, "
              f"{len(problems)} problems")
        for problem in problems:
            print("  " + problem)
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
