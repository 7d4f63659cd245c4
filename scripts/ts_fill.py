#!/usr/bin/env python3
"""Fills translations into the three .ts files.

Reads lines "context<TAB>source<TAB>Danish<TAB>Norwegian<TAB>English" from standard input and
writes each text into the matching message of resources/translations/hestiva_{dk,no,en}.ts,
marking it finished. Run lupdate first so that the messages exist:

    scripts/update_translations.sh
    scripts/ts_fill.py < new-texts.tsv

Escapes "\\n" and "\\t" in the texts stand for a line break and a tab.
"""
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent / "resources" / "translations"
LANGUAGES = ["dk", "no", "en"]


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def main():
    rows = []
    for number, line in enumerate(sys.stdin, 1):
        line = line.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        parts = line.split("\t")
        if len(parts) != 5:
            sys.exit(f"line {number}: expected 5 tab-separated columns, got {len(parts)}")
        rows.append([unescape(p) for p in parts])

    missing = set()
    for index, language in enumerate(LANGUAGES):
        path = ROOT / f"hestiva_{language}.ts"
        tree = ET.parse(path)
        messages = {}
        for context in tree.getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                messages[(name, message.findtext("source"))] = message
        for context, source, *texts in rows:
            message = messages.get((context, source))
            if message is None:
                missing.add((context, source))
                continue
            translation = message.find("translation")
            translation.text = texts[index]
            translation.attrib.pop("type", None)
        ET.indent(tree, space="    ")
        body = ET.tostring(tree.getroot(), encoding="unicode")
        path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n", encoding="utf-8")
    # lupdate writes the files back in its own layout, the one they are kept in, so that a
    # translation filled here changes one line, not the whole file.
    subprocess.run([str(ROOT.parent.parent / "scripts" / "update_translations.sh")], check=True)
    for context, source in sorted(missing):
        print(f"not in the .ts files (run lupdate first): {context} / {source}", file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
