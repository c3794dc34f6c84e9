#!/usr/bin/env python3
"""Writes captions.js, the page's catalogue of captions, from the window's:
i18n/velquor_LANG.ts, every finished translation that differs from its
source text. The page looks a caption up in velquorCaptions[language] and
shows it as it is where there is no entry.

Usage: captions_js.py OUTPUT.js i18n/velquor_en.ts i18n/velquor_es.ts"""
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ET


def entries(path):
    table = {}
    for message in ET.parse(path).getroot().iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
            continue
        if translation.text and translation.text != source:
            table[source] = translation.text
    return table


def main(output, *catalogues):
    captions = {}
    for path in catalogues:
        language = re.search(r"_([a-z]{2})\.ts$", path).group(1)
        captions[language] = entries(path)
    text = json.dumps(captions, ensure_ascii=False, sort_keys=True, indent=1)
    pathlib.Path(output).write_text(
        "// Made by web/captions_js.py from i18n/*.ts: the captions the page shows, by language.\n"
        f"window.velquorCaptions = {text};\n",
        encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
