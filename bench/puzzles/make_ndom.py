#!/usr/bin/env python3
"""Writes the n-Dom puzzles as .non files: make_ndom.py FIRST LAST [FOLDER]

n-Dom, after its public description (Jan Wolter's survey of solvers, webpbn.com/survey/dom.html,
on Josh Greifer's "Domino Logic III"): a (2n+1) x (2n+1) board where n vertical threes chain from
the top right corner to the bottom left, each overlapping the next by one row; every three but the
first has a domino lying beside the top of the one before, so that only the first column's clue
starts with its three. Line solving and probing cannot place the chain: a solver must search, and
one that does not learn meets the same contradictions again in every branch. The clues are our
own reading of that description, not a copy of the published puzzle."""
import os
import sys


def clue(line):
    runs, run = [], 0
    for v in line + [0]:
        if v:
            run += 1
        elif run:
            runs.append(run)
            run = 0
    return ','.join(map(str, runs)) or '0'


def board(n):
    side = 2 * n + 1
    g = [[0] * side for _ in range(side)]
    for k in range(1, n + 1):
        col = side + 1 - 2 * k  # 0-based column of the k-th three
        for y in range(2 * k - 2, 2 * k + 1):
            g[y][col] = 1
        if k >= 2:
            g[2 * k - 4][col] = g[2 * k - 4][col + 1] = 1
    return g


def non(n):
    g = board(n)
    side = len(g)
    out = ['title "%d-Dom"' % n, 'width %d' % side, 'height %d' % side, '', 'rows']
    out += [clue(r) for r in g]
    out += ['', 'columns']
    out += [clue([g[y][x] for y in range(side)]) for x in range(side)]
    return '\n'.join(out) + '\n'


if __name__ == '__main__':
    first, last = int(sys.argv[1]), int(sys.argv[2])
    folder = sys.argv[3] if len(sys.argv) > 3 else os.path.dirname(os.path.abspath(__file__))
    for n in range(first, last + 1):
        with open(os.path.join(folder, 'ndom-%02d.non' % n), 'w') as f:
            f.write(non(n))
