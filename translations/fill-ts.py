#!/usr/bin/env python3
"""Fills the Qt Linguist files quillarren_<lang>.ts from the tables <lang>.tsv beside them.

A table holds one text a line: the English text exactly as in the program, a tab, its translation;
a text counted with %n has one column per plural form of the language, in Qt's order (README).
Lines starting with # and empty lines are skipped; \\n, \\t and \\\\ stand for a line break, a tab
and a backslash. Every text the table translates is marked finished; the others stay unfinished
and are listed. English (the sources' own language) needs rows only for its plural forms.

    translations/fill-ts.py            fill every language, list what is left
    translations/fill-ts.py de ar      only these
    translations/fill-ts.py --check    also fail (exit 1) when anything is unfinished
    translations/fill-ts.py -v de      and list what is unfinished, and table rows the program lacks
Exit 1 on a fault in a table: a placeholder lost or added, a wrong number of plural forms.
"""

import argparse
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

HERE = Path(__file__).resolve().parent
SOURCE_LANGUAGE = "en"
PLACEHOLDER = re.compile(r"%(?:n|L?[1-9]|L?[1-9][0-9])")
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\"}
# lupdate writes a carriage return as this element, which an XML parser would otherwise lose.
CR_ELEMENT = '<byte value="xd"/>'
CR_MARK = "\ue00d"


def unescape(text):
    return re.sub(r"\\([nrt\\])", lambda m: ESCAPES[m.group(1)], text)


def escape(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n").replace("\r", "\\r").replace("\t", "\\t")


def read_table(path, faults):
    table = {}
    if not path.exists():
        return table
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        columns = line.split("\t")
        if len(columns) < 2 or not all(columns[1:]):
            faults.append(f"{path.name}:{number}: a text without its translation")
            continue
        source = unescape(columns[0])
        if source in table:
            faults.append(f"{path.name}:{number}: {columns[0]!r} is translated twice")
        table[source] = ([unescape(c) for c in columns[1:]], number)
    return table


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def check_forms(source, forms, numerus, expected_forms, where, faults):
    if numerus and len(forms) != expected_forms:
        faults.append(f"{where}: {escape(source)!r} needs {expected_forms} plural forms, the table has {len(forms)}")
        return False
    if not numerus and len(forms) != 1:
        faults.append(f"{where}: {escape(source)!r} is not counted, but the table gives {len(forms)} forms")
        return False
    if source == "QT_LAYOUT_DIRECTION" and forms[0] not in ("LTR", "RTL"):
        faults.append(f"{where}: QT_LAYOUT_DIRECTION must be LTR or RTL, not {forms[0]!r}")
        return False
    wanted = placeholders(source)
    for form in forms:
        # A language with one form for every number may leave the count out ("%n" shown once).
        found = placeholders(form)
        if found != wanted and not (numerus and expected_forms > 1 and set(found) == set(wanted) - {"%n"}):
            faults.append(f"{where}: {escape(source)!r} has {' '.join(wanted) or 'no placeholders'}, "
                          f"the translation {escape(form)!r} has {' '.join(found) or 'none'}")
            return False
    return True


def fill(ts_path, language, faults):
    """Fills one .ts file; returns (texts left unfinished, table rows no text of the sources uses)."""
    tree = ET.ElementTree(ET.fromstring(ts_path.read_text(encoding="utf-8").replace(CR_ELEMENT, CR_MARK)))
    table = read_table(HERE / f"{language}.tsv", faults)
    used, unfinished = set(), []
    plural_forms = max(1, _numerus_count(tree))
    for message in tree.getroot().iter("message"):
        source = message.findtext("source", "").replace(CR_MARK, "\r")
        translation = message.find("translation")
        if translation is None or translation.get("type") in ("vanished", "obsolete"):
            continue
        numerus = message.get("numerus") == "yes"
        row = table.get(source)
        if row is None and language == SOURCE_LANGUAGE and not numerus:
            row = ([source], 0)
        if row is None:
            if translation.get("type") != "unfinished":
                faults.append(f"{ts_path.name}: {escape(source)!r} is translated only in the .ts file: "
                              f"add it to {language}.tsv")
            else:
                unfinished.append(source)
            continue
        used.add(source)
        forms, number = row
        if not check_forms(source, forms, numerus, plural_forms, f"{language}.tsv:{number}", faults):
            unfinished.append(source)
            continue
        translation.attrib.pop("type", None)
        translation.text = None if numerus else forms[0]
        for child in list(translation):
            translation.remove(child)
        if numerus:
            for form in forms:
                ET.SubElement(translation, "numerusform").text = form
    _write(tree, ts_path)
    return unfinished, sorted(set(table) - used)


def _numerus_count(tree):
    """Plural forms of the file's language, as lupdate laid them out in its counted texts."""
    for message in tree.getroot().iter("message"):
        if message.get("numerus") == "yes":
            return len(message.find("translation").findall("numerusform"))
    return 0


def _write(tree, ts_path):
    # Laid out as lupdate lays it out: the contexts at the margin, what they hold indented.
    root = tree.getroot()
    root.text = "\n"
    for context in root:
        ET.indent(context, space="    ")
        context.tail = "\n"
    body = ET.tostring(root, encoding="unicode", short_empty_elements=False)
    # Quotes written as lupdate writes them, so that its next run changes nothing.
    parts = re.split(r"(<[^>]*>)", body)
    body = "".join(p if p.startswith("<") else p.replace("'", "&apos;").replace('"', "&quot;") for p in parts)
    body = body.replace(CR_MARK, CR_ELEMENT).replace("\r", CR_ELEMENT).replace("\xa0", "&#xa0;")
    ts_path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n", encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("languages", nargs="*", help="language codes (de, pt_BR); all by default")
    parser.add_argument("--check", action="store_true", help="fail when a text is left unfinished")
    parser.add_argument("-v", "--verbose", action="store_true", help="list the texts left unfinished")
    args = parser.parse_args()
    files = sorted(HERE.glob("quillarren_*.ts"))
    if args.languages:
        files = [HERE / f"quillarren_{language}.ts" for language in args.languages]
    faults, left_total = [], 0
    for ts_path in files:
        if not ts_path.exists():
            faults.append(f"{ts_path.name} does not exist: add the language to translations/CMakeLists.txt "
                          f"and build the target update_translations")
            continue
        language = ts_path.stem[len("quillarren_"):]
        unfinished, unused = fill(ts_path, language, faults)
        left_total += len(unfinished)
        print(f"{language}: {len(unfinished)} unfinished" + (f", {len(unused)} table rows unused" if unused else ""))
        for source in unfinished if args.verbose else []:
            print(f"  unfinished: {escape(source)}")
        for source in unused if args.verbose else []:
            print(f"  not in the program (yet): {escape(source)}")
    for fault in faults:
        print(f"fault: {fault}", file=sys.stderr)
    return 1 if faults or (args.check and left_total) else 0


if __name__ == "__main__":
    sys.exit(main())
