#!/bin/sh
# check_gwtool_formats.sh GWTOOL SOURCE_DIR: gwtool convert, generate and check on the foreign
# formats, with the exit status of each refusal. (GW_EMULATOR, when set, runs GWTOOL.)
set -u
gwtool=$1
src=$2
. "$(dirname "$0")/gwtool_expect.sh"
expect 0 "" gwtool_run convert "$puzzles/nonny-tree.gwm" "$work/tree.xml"
expect 0 "" gwtool_run convert "$work/tree.xml" "$work/tree.non"
expect 0 "" gwtool_run convert "$work/tree.non" "$work/tree.gwm"
expect 0 "" gwtool_run convert "$work/tree.non" "$work/tree.gwk"
expect 0 "" cmp "$puzzles/nonny-tree.gwm" "$work/tree.gwm"
expect 0 "" gwtool_run convert "$src/tests/formats/files/cross-color.g" "$work/cross.non"
# more than the program's own formats can hold, colours in a .gwc, no such format, unreadable
expect 3 "" gwtool_run convert "$src/bench/puzzles/webpbn-16.non" "$work/big.gwm"
expect 3 "" gwtool_run convert "$work/tree.xml" "$work/tree.gwc"
expect 3 "" gwtool_run convert "$work/tree.xml" "$work/tree.g"
expect 3 "" gwtool_run convert "$work/missing.non" "$work/x.xml"
[ -e "$work/big.gwm" ] && { echo "FAIL: a refused conversion left a file"; fail=1; }
expect 5 "" gwtool_run convert "$work/tree.xml"
# the engine on boards beyond 20 x 20 and on every foreign format
expect 0 "" gwtool_run check --quiet "$src/bench/puzzles/webpbn-16.non" "$work/tree.xml" "$work/cross.non"
expect 1 "" gwtool_run check --quiet "$src/bench/puzzles/gnonograms-tux.non"
expect 0 "" gwtool_run solve "$work/tree.non"
# generation: the same seed gives the same file, and the engine agrees with the request
expect 0 "" gwtool_run generate --size 12x9 --colors 2 --difficulty probe --seed 11 "$work/g1.non"
expect 0 "" gwtool_run generate --size 12x9 --colors 2 --difficulty probe --seed 11 "$work/g2.non"
expect 0 "" cmp "$work/g1.non" "$work/g2.non"
gwtool_run check --quiet "$work/g1.non" | grep -q "DIFFICULTY=probe" || { echo "FAIL: not a probe puzzle"; fail=1; }
# a search-class puzzle, the rarest kind (about a second for this seed)
expect 0 "" gwtool_run generate --size 20x20 --colors 1 --difficulty search --seed 3 --limit 60 "$work/s.non"
gwtool_run check --quiet "$work/s.non" | grep -q "DIFFICULTY=search" || { echo "FAIL: not a search puzzle"; fail=1; }
expect 5 "" gwtool_run generate --size 30 --colors 2 --difficulty line "$work/g3.non"
exit $fail
