#!/usr/bin/env python3
"""Writes the hard cases of the uniqueness benchmark: random pictures (fixed seeds) whose hints
need search to settle, as NAME.gwm (code page 932, CR LF) and NAME.txt (the neutral text format of
the shared test puzzles: size, colors, row:/col: runs, then the picture).
Usage: make_hard_cases.py [FOLDER]"""
import os
import random
import sys

# name, width, height, colours, ink, seed
CASES = [
    ("rand20-mono-a", 20, 20, 1, 0.50, 1),
    ("rand20-mono-b", 20, 20, 1, 0.50, 2),
    ("rand20-mono-c", 20, 20, 1, 0.45, 3),
    ("rand20-mono-d", 20, 20, 1, 0.55, 4),
    ("rand20-mono-e", 20, 20, 1, 0.60, 5),
    ("rand20-two-a", 20, 20, 2, 0.55, 6),
    ("rand20-two-b", 20, 20, 2, 0.65, 7),
    ("rand20-three-a", 20, 20, 3, 0.60, 8),
    ("rand15-three-a", 15, 15, 3, 0.60, 9),
    ("rand10-three-a", 10, 10, 3, 0.60, 10),
    ("rand10-three-b", 10, 10, 3, 0.70, 11),
    ("rand20-nine-a", 20, 20, 9, 0.70, 12),
    # The slowest of 300 pictures at 45 % ink (seeds 100..399): hundreds of thousands of line
    # solves before two solutions turn up.
    ("rand20-mono-h103", 20, 20, 1, 0.45, 103),
    ("rand20-mono-h169", 20, 20, 1, 0.45, 169),
    ("rand20-mono-h259", 20, 20, 1, 0.45, 259),
    ("rand20-mono-h345", 20, 20, 1, 0.45, 345),
    ("rand20-mono-h368", 20, 20, 1, 0.45, 368),
    ("rand20-mono-h394", 20, 20, 1, 0.45, 394),
]

# Pictures given cell by cell: name, colours, rows ('.' empty, '1'..'9' a colour).
FIXED = [
    # A unique puzzle that probing leaves open (class `search`): the one such picture among
    # 20,000 random 15 x 15 monochrome pictures at 50 % ink drawn by the engine's tests.
    ("rand15-mono-search", 1, [
        "..1.11...111...",
        ".111111...11.1.",
        "1.......11.1...",
        "1......1111....",
        "..1...11..1..11",
        ".111..11.1..1..",
        "11111...1...11.",
        ".1111....111..1",
        ".1.11.11.....1.",
        "1..1111..1.1.1.",
        ".11.11...11.1.1",
        "1.1.1.111...1..",
        "11.1.1..1....11",
        "11111.11..1.11.",
        "..11.1.1..1....",
    ]),
]

# Colour-table entries for puzzle colours 1..9 (a palette entry of 15 marks a free colour).
TABLE = [0, 12, 9, 10, 14, 13, 11, 4, 2]


def picture(w, h, colours, ink, seed):
    rng = random.Random(seed)
    return [[rng.randint(1, colours) if rng.random() < ink else 0 for _ in range(w)] for _ in range(h)]


def runs(line):
    out, i = [], 0
    while i < len(line):
        if line[i] == 0:
            i += 1
            continue
        j = i
        while j < len(line) and line[j] == line[i]:
            j += 1
        out.append((j - i, line[i]))
        i = j
    return out


def field(n, c):
    return "%2d%d" % (n, c) if n else " 01"


def gwm(name, pic, colours):
    h, w = len(pic), len(pic[0])
    rows = [runs(r) for r in pic]
    cols = [runs([pic[y][x] for y in range(h)]) for x in range(w)]
    xc = max(1, max(len(r) for r in rows))
    yc = max(1, max(len(c) for c in cols))
    palette = "".join("%-2d" % (TABLE[k] if k < colours else 15) for k in range(9))
    lines = [name, "", "%2d %3d %2d %3d " % (xc, w, yc, h), palette]
    # Hints sit next to the board: the last run in the last slot.
    for r in rows:
        slots = [(0, 0)] * (xc - len(r)) + r
        lines.append("".join(field(n, c) for n, c in slots))
    for c in cols:
        slots = [(0, 0)] * (yc - len(c)) + c
        lines.append("".join(field(n, k) for n, k in slots))
    return "".join(l + "\r\n" for l in lines).encode("cp932")


def neutral(pic, colours):
    h, w = len(pic), len(pic[0])
    out = ["size %d %d" % (w, h), "colors %d" % colours]
    out += ["row: " + " ".join("%d/%d" % r for r in runs(r)) for r in pic]
    out += ["col: " + " ".join("%d/%d" % r for r in runs([pic[y][x] for y in range(h)])) for x in range(w)]
    out += ["".join(str(v) if v else "." for v in r) for r in pic]
    return "\n".join(l.rstrip() for l in out) + "\n"


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    cases = [(name, colours, picture(w, h, colours, ink, seed))
             for name, w, h, colours, ink, seed in CASES]
    cases += [(name, colours, [[int(c) if c != "." else 0 for c in row] for row in rows])
              for name, colours, rows in FIXED]
    for name, colours, pic in cases:
        with open(os.path.join(folder, name + ".gwm"), "wb") as f:
            f.write(gwm(name, pic, colours))
        with open(os.path.join(folder, name + ".txt"), "w") as f:
            f.write(neutral(pic, colours))


if __name__ == "__main__":
    main()
