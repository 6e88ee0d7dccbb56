#!/usr/bin/env python3
"""Makes a pseudo-translation catalogue: every message of the catalogue given, translated as
itself in brackets ("[&Start]"), so that a test can see that every text a user reads went
through the catalogues.

    scripts/pseudo-translate.py IN.ts OUT.ts
"""
import sys
import xml.etree.ElementTree as ET


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "de_DE")  # two plural forms
    for message in root.iter("message"):
        text = message.findtext("source", default="")
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = "[" + text + "]"
        else:
            translation.text = "[" + text + "]"
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(*sys.argv[1:3])
