#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
"""Fails when the English catalogue lags behind the sources.

Runs lupdate over the sources into a copy of the catalogue, the way a
translator would, and lists every text that is then unfinished (new in the
sources, or left without an English text), vanished or obsolete (no longer in
the sources).  The catalogue in the repository is left as it is.

usage: check_catalogue.py LUPDATE SOURCE_DIR CATALOGUE
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def problems_in(catalogue: Path):
    found = []
    for context in ET.parse(catalogue).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            texts = [form.text for form in translation.findall("numerusform")] or [translation.text]
            kind = translation.get("type") or ("empty" if any(not (t or "").strip() for t in texts) else None)
            if kind:
                found.append(f"{kind}: [{context.findtext('name')}] {message.findtext('source')!r}")
    return found


def main():
    lupdate, source_dir, catalogue = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    problems = problems_in(catalogue)
    with tempfile.TemporaryDirectory() as scratch:
        updated = Path(scratch) / catalogue.name
        shutil.copy(catalogue, updated)
        run = subprocess.run([lupdate, "-silent", "-I", str(source_dir / "src"), "-locations", "none", "-source-language", "de",
                              "-target-language", "en", str(source_dir / "src"), "-ts", str(updated)],
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            print("lupdate failed")
            return 1
        for problem in problems_in(updated):
            if problem not in problems:
                problems.append(problem)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} texts need work in {catalogue}: run scripts/update-translations, "
              "then translate what it marks unfinished and drop what it marks vanished")
        return 1
    print("the English catalogue is complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
