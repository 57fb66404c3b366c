#!/usr/bin/env python3
"""Writes random pictures made symmetric as .non files: make_symmetric.py SIZE INK SEED KIND [FOLDER]

KIND is quarter (the picture its own image under a quarter turn), half (a half turn) or mirror
(left for right). Each cell of a SIZE x SIZE picture is inked with probability INK (Python's
random.Random(SEED)), then every cell takes the value of the first cell of its orbit. Designed
puzzles with symmetric hints are often of this kind: their hints are symmetric, and line solving
leaves most of a large one open."""
import os
import random
import sys

from make_ndom import clue


def orbit(x, y, n, kind):
    if kind == "quarter":
        return [(x, y), (n - 1 - y, x), (n - 1 - x, n - 1 - y), (y, n - 1 - x)]
    if kind == "half":
        return [(x, y), (n - 1 - x, n - 1 - y)]
    return [(x, y), (n - 1 - x, y)]


def picture(n, ink, seed, kind):
    rnd = random.Random(seed)
    p = [[1 if rnd.random() < ink else 0 for _ in range(n)] for _ in range(n)]
    q = [[0] * n for _ in range(n)]
    for y in range(n):
        for x in range(n):
            a, b = min(orbit(x, y, n, kind))
            q[y][x] = p[b][a]
    return q


def main():
    n, ink, seed, kind = int(sys.argv[1]), float(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    folder = sys.argv[5] if len(sys.argv) > 5 else "."
    pic = picture(n, ink, seed, kind)
    name = os.path.join(folder, f"sym{n}-{kind}-{round(ink * 100)}-{seed}.non")
    with open(name, "w") as f:
        f.write(f'title "random {n}x{n}, {ink:.2f}, seed {seed}, {kind} symmetric"\n')
        f.write(f"width {n}\nheight {n}\n\nrows\n")
        f.writelines(clue(r) + "\n" for r in pic)
        f.write("\ncolumns\n")
        f.writelines(clue([pic[y][x] for y in range(n)]) + "\n" for x in range(n))


main()
