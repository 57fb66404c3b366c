#!/usr/bin/env python3
"""Counts the module-level include links of src/ and fails on one that points from a lower module
to a higher one.

Layers, lowest first: the platform (src/platform), the core (every other folder of src/ and the
files at its top), the front ends (src/frontends/*). Inside the core every module has its place in
CORE_ORDER, lowest first, and may include only modules below it. The files at the top of src/
(App.h and Messages.h, the context every procedure takes first) are one module, "App.h": it sits
just above the pure modules that take no App (commands, analysis) and below every module whose
procedures take it, so that each of them may include it and it includes only what lies below.

Links in KNOWN are today's violations, each with the reason it is still there; they are listed but
do not fail. Anything else upward fails, and so does a folder of src/ that has no place in the
order: a new folder must be given one.

    scripts/include-layers.py [--quiet] [ROOT]    (ROOT: the checkout, by default the current folder;
                                                   --quiet: print only when it fails, as the build runs it)

Exit status: 0 when every upward link is a known one, 1 otherwise.
"""
import pathlib
import re
import sys

CORE_ORDER = ["commands", "analysis", "App.h", "state", "rules", "display", "solver", "settings", "formats",
              "pictures", "library", "history", "print", "dialogs", "play", "authoring", "files", "mainwnd"]

# Today's upward links, to be emptied as they are mended: (from, to): why it is still there.
KNOWN = {
    ("state", "display"): "reading a puzzle file lays the board out for the window (PuzzleFiles)",
    ("rules", "solver"): "the hint check counts down the colour totals the automatic solver keeps",
    ("rules", "settings"): "the hint check asks whether the exact ticks are on",
    ("display", "settings"): "laying out a board sets the line-tint option's tick (ShowLineTintTick)",
    ("settings", "mainwnd"): "turning the status bar option on shows the window's status line",
    ("play", "mainwnd"): "play input reads the window's mouse-button and key codes and board units",
    ("authoring", "mainwnd"): "number and picture input read the window's mouse-button codes and board units",
    ("files", "mainwnd"): "import lays the new board out through the window's layout",
    ("play", "files"): "the judgement and the checks save completers and offer the unsaved-work question",
}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def module(rel):
    parts = rel.split("/")
    if len(parts) == 1:
        return "App.h"
    if parts[0] == "frontends":
        return "frontends/" + parts[1]
    return parts[0]


# The bottom layer: the interface the core calls (platform) and the services every layer may use,
# text (code pages, UTF-8, the catalogue) and system (files, folders, the console).
BOTTOM = ["text", "system", "platform"]


def layer(m):
    if m in BOTTOM:
        return 0
    if m.startswith("frontends/"):
        return 2
    return 1


def links(src):
    found = set()
    modules = set()
    for path in src.rglob("*"):
        if path.suffix not in (".h", ".cpp"):
            continue
        here = module(path.relative_to(src).as_posix())
        modules.add(here)
        for inc in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
            if not (src / inc).exists():
                continue
            there = module(inc)
            if there != here:
                found.add((here, there))
    return found, modules


def upward(found):
    rank = {name: i for i, name in enumerate(CORE_ORDER)}
    between = sorted(l for l in found if layer(l[1]) > layer(l[0]))
    inner = sorted(l for l in found if l[0] in rank and l[1] in rank and rank[l[1]] > rank[l[0]])
    return between, inner


def main():
    args = [a for a in sys.argv[1:] if a != "--quiet"]
    quiet = len(args) < len(sys.argv) - 1
    root = pathlib.Path(args[0] if args else ".")
    found, modules = links(root / "src")
    between, inner = upward(found)
    unplaced = sorted(m for m in modules if layer(m) == 1 and m not in CORE_ORDER)
    report = []
    failed = False

    def show(link):
        nonlocal failed
        why = KNOWN.get(link)
        if why is None:
            failed = True
        report.append(f"  {link[0]} -> {link[1]}" + (f"   (known: {why})" if why else "   NEW"))

    report.append(f"module links: {len(found)}")
    report.append(f"upward between layers (platform < core < front ends): {len(between)}")
    for link in between:
        show(link)
    report.append(f"upward inside the core ({' < '.join(CORE_ORDER)}): {len(inner)}")
    for link in inner:
        show(link)
    for m in unplaced:
        failed = True
        report.append(f"  src/{m}/ has no place in CORE_ORDER")
    for link in sorted(set(KNOWN) - set(between) - set(inner)):
        report.append(f"  mended, remove from KNOWN: {link[0]} -> {link[1]}")
    report.append("FAILED: an upward link that is not a known one, or a folder without a place"
                  if failed else "ok: only known upward links")
    if failed or not quiet:
        print("\n".join(report))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
