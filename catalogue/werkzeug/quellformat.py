#!/usr/bin/env python3
"""Writes catalogue sources in their one layout: two-space indent, a phrase's parts on one line.

    quellformat.py QUELLE.json...      rewrites the files in place
    quellformat.py --pruefen QUELLE... exit code 1 when a file is not in the layout

Scripts that edit the sources import `schreiben` so that a change shows in git as the lines it touches.
"""
import json
import sys


def _wert(v, tiefe):
    if isinstance(v, list) and all(x is None or isinstance(x, str) for x in v):
        return "[" + ", ".join(json.dumps(x, ensure_ascii=False) for x in v) + "]"
    if isinstance(v, dict):
        if not v:
            return "{}"
        innen = "  " * (tiefe + 1)
        zeilen = [innen + json.dumps(k, ensure_ascii=False) + ": " + _wert(w, tiefe + 1) for k, w in v.items()]
        return "{\n" + ",\n".join(zeilen) + "\n" + "  " * tiefe + "}"
    if isinstance(v, list):
        if not v:
            return "[]"
        innen = "  " * (tiefe + 1)
        return "[\n" + ",\n".join(innen + _wert(w, tiefe + 1) for w in v) + "\n" + "  " * tiefe + "]"
    return json.dumps(v, ensure_ascii=False)


def text(daten):
    return _wert(daten, 0) + "\n"


def lesen(pfad):
    with open(pfad, encoding="utf-8") as f:
        return json.load(f)


def schreiben(pfad, daten):
    with open(pfad, "w", encoding="utf-8", newline="\n") as f:
        f.write(text(daten))


def main(argv):
    pruefen = argv[:1] == ["--pruefen"]
    dateien = argv[1:] if pruefen else argv
    falsch = 0
    for pfad in dateien:
        with open(pfad, encoding="utf-8") as f:
            alt = f.read()
        neu = text(json.loads(alt))
        if alt == neu:
            continue
        if pruefen:
            print(f"{pfad}: nicht im Quellformat (quellformat.py {pfad})")
            falsch += 1
        else:
            with open(pfad, "w", encoding="utf-8", newline="\n") as f:
                f.write(neu)
    return 1 if falsch else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
