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
# standard input told by its content, standard output in the format --to names: the same bytes as
# the files of those formats
gwtool_run convert - "$work/in.non" < "$work/tree.xml" || { echo "FAIL: convert from standard input"; fail=1; }
expect 0 "" cmp "$work/tree.non" "$work/in.non"
gwtool_run convert --to gwm "$work/tree.non" - > "$work/out.gwm" || { echo "FAIL: convert to standard output"; fail=1; }
expect 0 "" cmp "$puzzles/nonny-tree.gwm" "$work/out.gwm"
gwtool_run convert - - --to .xml < "$puzzles/nonny-tree.gwm" > "$work/round.xml" || { echo "FAIL: convert through pipes"; fail=1; }
expect 0 "" cmp "$work/tree.xml" "$work/round.xml"
# a pattern game ID as the game prints it
printf '5x5:1/2/2.2/1.1/3/1/3/1/4/3\n' > "$work/id.txt"
expect 0 "" sh -c "${GW_EMULATOR:-} '$gwtool' convert - '$work/id.non' < '$work/id.txt'"
expect 0 "SOLUTIONS=1" gwtool_run check "$work/id.non"
# half a puzzle, text of no puzzle, more than 4 MB, a format standard output has no name for
head -c 300 "$work/tree.xml" > "$work/half.xml"
expect 3 ".xml" sh -c "${GW_EMULATOR:-} '$gwtool' convert - '$work/x.non' < '$work/half.xml'"
expect 3 "読める問題の形式ではありません" sh -c "echo hello | ${GW_EMULATOR:-} '$gwtool' convert - '$work/x.non'"
expect 3 "4 MB" sh -c "head -c 5000000 /dev/zero | tr '\\0' 'x' | ${GW_EMULATOR:-} '$gwtool' convert - '$work/x.non'"
[ -e "$work/x.non" ] && { echo "FAIL: a refused conversion from standard input left a file"; fail=1; }
expect 5 "" gwtool_run convert "$work/tree.xml" -
expect 5 "" gwtool_run convert --to bmp "$work/tree.xml" -
expect 5 "" gwtool_run convert --to non "$work/tree.xml" "$work/y.non"
expect 3 "" gwtool_run convert --to g "$work/tree.xml" -
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
