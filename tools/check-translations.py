#!/usr/bin/env python3
"""Checks the window's translations, translations/vormis_*.ts, and fails when
one is not ready to ship:

- it is out of date with the sources: tools/update-translations.sh, run on
  a copy, would change it, or lupdate warns (a class whose tr() it cannot
  place, say);
- an entry is unfinished, obsolete or vanished;
- a translation loses or adds a placeholder (%1, %2, ...), has no keyboard
  mnemonic (&) where its source has one or one where it has none, or
  changes a shortcut ("Ctrl+L").

Whether the mnemonics are unique within each menu and dialog page is
checked by tests/window/language_test.cpp, which sees the menus.

    tools/check-translations.py       (./test.sh --full runs it)
"""
import collections
import filecmp
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
FOLDER = ROOT / "translations"
PLACEHOLDER = re.compile(r"%L?\d+")
MNEMONIC = re.compile(r"&(?!&|[a-z]+;|#\d+;)")  # not "&&", not an entity
SHORTCUT = re.compile(r"^(Ctrl|Shift|Alt|Meta)\+")


def stale_files(files):
    """The files lupdate would change, and whatever it said."""
    with tempfile.TemporaryDirectory() as copy:
        for f in files:
            shutil.copy(f, copy)
        run = subprocess.run([str(ROOT / "tools/update-translations.sh"), copy],
                             capture_output=True, text=True)
        said = (run.stdout + run.stderr).strip()
        if run.returncode != 0:
            return files, said or "update-translations.sh failed"
        return [f for f in files if not filecmp.cmp(f, pathlib.Path(copy) / f.name, shallow=False)], said


def entry_faults(ts):
    """What is wrong with the entries of one .ts file, one line each."""
    faults = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text or ""
            where = f"{ts.name}: {name}: {source[:60]!r}"
            kind = translation.get("type")
            if kind:
                faults.append(f"{where} is {kind}")
                continue
            if collections.Counter(PLACEHOLDER.findall(source)) != collections.Counter(PLACEHOLDER.findall(text)):
                faults.append(f"{where}: the placeholders differ in {text[:60]!r}")
            if len(MNEMONIC.findall(source)) != len(MNEMONIC.findall(text)):
                faults.append(f"{where}: the mnemonics (&) differ in {text[:60]!r}")
            if SHORTCUT.match(source) and text != source:
                faults.append(f"{where}: the shortcut became {text!r}")
    return faults


def main():
    files = sorted(FOLDER.glob("vormis_*.ts"))
    if not files:
        print("check-translations: no translations/vormis_*.ts", file=sys.stderr)
        return 1
    stale, said = stale_files(files)
    faults = [f"{f.name} is out of date with the sources" for f in stale]
    if said:
        faults.append(f"lupdate said:\n{said}")
    for ts in files:
        faults += entry_faults(ts)
    for fault in faults:
        print(f"check-translations: {fault}", file=sys.stderr)
    if faults:
        print("check-translations: run tools/update-translations.sh, translate the unfinished entries "
              "(/usr/lib/qt6/bin/linguist translations/vormis_*.ts) and commit", file=sys.stderr)
        return 1
    print(f"check-translations: {len(files)} translations complete and up to date")
    return 0


if __name__ == "__main__":
    sys.exit(main())
