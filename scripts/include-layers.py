#!/usr/bin/env python3
"""Counts the folder-level include links of src/ and those that point from a lower layer to a
higher one.

Layers, lowest first: the platform (src/platform), the core (every other folder of src/ and
src/App.h), the front ends (src/frontends/*). Within the core the folders have an order of their
own (CORE_ORDER); links against it are listed as well, apart from those to App.h, which every
procedure takes first.

    scripts/include-layers.py [ROOT]      (ROOT: the checkout, by default the current folder)
"""
import pathlib
import re
import sys

CORE_ORDER = ["commands", "analysis", "display", "state", "formats", "solver", "history", "settings",
              "print", "dialogs", "mainwnd"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def folder(rel):
    parts = rel.split("/")
    if len(parts) == 1:
        return "App.h"
    if parts[0] == "frontends":
        return "frontends/" + parts[1]
    return parts[0]


def layer(f):
    if f == "platform":
        return 0
    if f.startswith("frontends/"):
        return 2
    return 1


def links(src):
    found = set()
    for path in src.rglob("*"):
        if path.suffix not in (".h", ".cpp"):
            continue
        here = folder(path.relative_to(src).as_posix())
        for inc in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
            if not (src / inc).exists():
                continue
            there = folder(inc)
            if there != here:
                found.add((here, there))
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    found = links(root / "src")
    up = sorted(l for l in found if layer(l[1]) > layer(l[0]))
    rank = {name: i for i, name in enumerate(CORE_ORDER)}
    inner = sorted(l for l in found if l[0] in rank and l[1] in rank and rank[l[1]] > rank[l[0]])
    print(f"folder links: {len(found)}")
    print(f"upward between layers (platform < core < front ends): {len(up)}")
    for a, b in up:
        print(f"  {a} -> {b}")
    print(f"upward inside the core ({' < '.join(CORE_ORDER)}): {len(inner)}")
    for a, b in inner:
        print(f"  {a} -> {b}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
