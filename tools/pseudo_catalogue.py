#!/usr/bin/env python3
"""pseudo_catalogue.py IN.ts OUT.ts: a pseudo-locale catalogue (en_XA) from any
complete one. Each translation is its English source with accented letters,
padded by 40 % and bracketed, so that a cut or a text left out of the
catalogues shows at a glance; placeholders (%1, %n, %L1), mnemonics (&F),
markup (<h3>) and date formats stay as they are, for the program to work."""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip("AaCcDdEeGgHhIiJjKkLlNnOoRrSsTtUuWwYyZz",
                    "ÀàÇçĐđÉéĜĝĤĥÎîĴĵĶķĻļÑñÖöŘřŠšŢţÛûŴŵÝýŽž"))
# What must reach the program untouched: placeholders, a mnemonic's letter,
# markup and entities.
KEPT = re.compile(r"%L?\d|%n|&&|&\w+;|&\w|<[^>]*>")
DATE_FORMAT = re.compile(r"^[dMyHhmsaAPtz\s,.:/'-]*(yy|MM|HH)[dMyHhmsaAPtz\s,.:/'-]*$")
PADDING = "·ƥàđđîñĝ·ƥàđđîñĝ·ƥàđđîñĝ·ƥàđđîñĝ·ƥàđđîñĝ·ƥàđđîñĝ·ƥàđđîñĝ·"


def pseudo(text):
    if not text or DATE_FORMAT.match(text):
        return text
    out, at = [], 0
    for kept in KEPT.finditer(text):
        out.append("".join(ACCENTED.get(c, c) for c in text[at:kept.start()]))
        out.append(kept.group())
        at = kept.end()
    out.append("".join(ACCENTED.get(c, c) for c in text[at:]))
    # Padding within the brackets; long texts get theirs too, at each line's end
    # for texts of several lines.
    lines = "".join(out).split("\n")
    return "\n".join("[" + line + PADDING[:math.ceil(0.4 * len(line))] + "]" if line else line
                     for line in lines)


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        text = pseudo(message.findtext("source"))
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            for form in list(translation):
                translation.remove(form)
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = text
        else:
            translation.text = text
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: pseudo_catalogue.py IN.ts OUT.ts")
    main(*sys.argv[1:])
