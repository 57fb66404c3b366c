#!/usr/bin/env python3
"""Writes random pictures as .non puzzles: make_random_large.py SIDE DENSITY SEED... [--out FOLDER]

Each cell of a SIDE x SIDE board is inked with probability DENSITY by Python's random.Random(SEED).
Large boards near a density of 0.4 to 0.5 are the hard class for a uniqueness check: line solving
leaves most cells open, and the proof that no second solution exists, or the second solution
itself, needs deep search. The files are named rand{SIDE}-{DENSITY*100}-{SEED}.non."""
import os
import random
import sys

from make_ndom import clue


def non(side, density, seed):
    rng = random.Random(seed)
    g = [[1 if rng.random() < density else 0 for _ in range(side)] for _ in range(side)]
    out = ['title "random %dx%d, %.2f, seed %d"' % (side, side, density, seed),
           'width %d' % side, 'height %d' % side, '', 'rows']
    out += [clue(r) for r in g]
    out += ['', 'columns']
    out += [clue([g[y][x] for y in range(side)]) for x in range(side)]
    return '\n'.join(out) + '\n'


if __name__ == '__main__':
    args = sys.argv[1:]
    folder = os.path.dirname(os.path.abspath(__file__))
    if '--out' in args:
        i = args.index('--out')
        folder = args[i + 1]
        del args[i:i + 2]
    side, density = int(args[0]), float(args[1])
    for seed in map(int, args[2:]):
        name = 'rand%d-%02d-%d.non' % (side, round(density * 100), seed)
        with open(os.path.join(folder, name), 'w') as f:
            f.write(non(side, density, seed))
