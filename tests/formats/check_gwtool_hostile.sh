#!/bin/sh
# check_gwtool_hostile.sh GWTOOL SOURCE_DIR: hostile and mistaken input to gwtool, each made here,
# with the exit status and the message it must give. (GW_EMULATOR, when set, runs GWTOOL.)
set -u
gwtool=$1
src=$2
. "$(dirname "$0")/gwtool_expect.sh"
cd "$work" || exit 1

# nesting far deeper than any stack takes recursion for (the text of the title is collected)
python3 - <<'PY'
depth = 200000
with open("deep.xml", "w") as f:
    f.write('<puzzleset><puzzle><title>' + '<b>' * depth + 'deep' + '</b>' * depth + '</title>')
    f.write('<clues type="columns"><line><count>1</count></line></clues>')
    f.write('<clues type="rows"><line><count>1</count></line></clues></puzzle></puzzleset>')
with open("deepcount.xml", "w") as f:
    f.write('<puzzleset><puzzle><clues type="columns"><line><count>' + '<i>' * depth + '1' + '</i>' * depth)
    f.write('</count></line></clues><clues type="rows"><line><count>1</count></line></clues></puzzle></puzzleset>')
PY
expect 0 "SOLUTIONS=1" gwtool_run check deep.xml
expect 0 "SOLUTIONS=1" gwtool_run check deepcount.xml
expect 0 "" gwtool_run convert deep.xml deep.non
grep -q 'title "deep"' deep.non || { echo "FAIL: the deep title was not kept"; fail=1; }

# sizes far past the limits, as sparse files: refused by their size, never read
truncate -s 2G huge.non
truncate -s 500M huge.gwm
truncate -s 4194305 justover.xml
expect 3 "ファイルが大きすぎます（読めるのは 4 MB までです）" gwtool_run check huge.non
expect 3 "ファイルが大きすぎます" gwtool_run check huge.gwm
expect 3 "ファイルが大きすぎます" gwtool_run convert huge.gwm x.non
expect 3 "ファイルが大きすぎます" gwtool_run solve justover.xml

# a check that runs out of time is "unknown" (4), alone and in a batch, never 0: a random 60 x 60
# picture's clues take the engine far longer than the limit
python3 - <<'PY'
import random
random.seed(7)
n = 60
grid = [[random.random() < 0.5 for _ in range(n)] for _ in range(n)]
def runs(cells):
    out, c = [], 0
    for v in cells + [False]:
        if v: c += 1
        elif c: out.append(c); c = 0
    return ",".join(map(str, out)) or "0"
with open("hard.non", "w") as f:
    f.write(f"width {n}\nheight {n}\nrows\n")
    f.writelines(runs(r) + "\n" for r in grid)
    f.write("columns\n")
    f.writelines(runs([grid[y][x] for y in range(n)]) + "\n" for x in range(n))
PY
expect 4 "SOLUTIONS=unknown" gwtool_run check --limit 0.2 hard.non
expect 4 "SOLUTIONS=unknown" gwtool_run check --quiet --limit 0.2 hard.non "$puzzles/nonny-tree.gwm"

# a check the limit ends while the search that learns goes beside the plain one (it joins after
# the first node) reports that search's conflicts and learned clauses as they stood, not 0 and 0;
# a build without the learning search has none either way (its check alone shows 0 there)
undecided="$src/bench/puzzles/undecided/sym40-half-50-1.non"
expect 4 "SOLUTIONS=unknown" gwtool_run check --limit 1 --learn-after 0 "$undecided"
if ! grep -q "CONFLICTS=0 " "$work/out"; then
  expect 4 "SOLUTIONS=unknown" gwtool_run check --limit 1 --learn-after 1 "$undecided"
  if grep -qE "CONFLICTS=0 |LEARNED=0$" "$work/out"; then
    echo "FAIL: a check stopped beside the learning search reports none of its conflicts"
    cat "$work/out"
    fail=1
  fi
fi

# the command line: help, bad numbers, missing files
expect 0 "usage: gwtool solve FILE" gwtool_run --help
grep -q "usage" "$work/err" && { echo "FAIL: help on standard error"; fail=1; }
expect 5 "usage" gwtool_run check
expect 5 "usage" gwtool_run
expect 5 "usage" gwtool_run nonsense x.non
expect 5 "usage" gwtool_run convert x.non
expect 5 "--limit SECONDS] OUT" gwtool_run generate --size 5x5
for bad in "--size 4294967298x5" "--size 5x" "--size 1x5" "--seed abc" "--seed -1" "--seed 4294967296" \
           "--limit inf" "--limit 1e308" "--limit nan" "--limit -1" "--limit 0" "--limit 3601" "--colors 10" \
           "--colors 2x"; do
  set -- $bad
  opts="--size 5x5 --colors 1 --difficulty line $1 $2"
  # shellcheck disable=SC2086
  expect 5 "usage" gwtool_run generate $opts g.non
done
for bad in inf 1e308 nan -1 0x10 3601; do
  expect 5 "usage" gwtool_run check --limit "$bad" "$puzzles/nonny-tree.gwm"
done
for bad in -2 --1 - 1x 1000000001; do
  expect 5 "usage" gwtool_run check --learn-after "$bad" "$puzzles/nonny-tree.gwm"
done
for fine in -1 0 1920; do
  expect 0 "SOLUTIONS=1" gwtool_run check --learn-after "$fine" "$puzzles/nonny-tree.gwm"
done
expect 3 "ファイルが見つかりません。" gwtool_run check missing.gwm

# .non faults, each named with its line
non() { printf "$2" > "$1"; }
non dupcols.non 'width 1\nheight 1\nrows\n1\ncolumns\n1\ncolumns\n0\n'
non duprows.non 'width 1\nheight 1\nrows\n1\nrows\n1\ncolumns\n1\n'
non undeclared.non 'width 1\nheight 1\ncolor a #FF0000\nrows\n1b\ncolumns\n1a\n'
non negative.non 'width 2\nheight 1\nrows\n-1\ncolumns\n1\n0\n'
non extrarow.non 'width 1\nheight 1\nrows\n1\n1\ncolumns\n1\n'
non wide.non 'width 10000\nheight 1\n'
non zero.non 'width 2\nheight 1\nrows\n0\ncolumns\n0\n0\n'
expect 3 "7 行目: columns が二度あります。" gwtool_run check dupcols.non
expect 3 "5 行目: rows が二度あります。" gwtool_run check duprows.non
expect 3 "5 行目: 色 b は color の行にありません。" gwtool_run check undeclared.non
expect 3 "4 行目: ヒントに負の数 -1 があります。" gwtool_run check negative.non
expect 3 "5 行目: ヒントの行が大きさ（1）より多くあります。" gwtool_run check extrarow.non
expect 3 "1 行目: 盤面が大きすぎます（読めるのは 99 × 99 までです）。" gwtool_run check wide.non
expect 3 "塗るマスがひとつもありません" gwtool_run check zero.non
printf '<puzzleset><puzzle><clues type="rows"><line><count color="white">1</count></line></clues></puzzle></puzzleset>' \
  > background.xml
expect 3 "背景の色 white のヒントがあります" gwtool_run check background.xml

# conversions keep the answer text, and say what the target cannot hold
cp "$src/samples/apple.gwm" apple.gwm
expect 0 "" gwtool_run convert apple.gwm again.gwm
# the same lines but for empty hint slots, whose colour digit means nothing (00 or 01)
sed 's/ 00/ 01/g' apple.gwm | cmp -s - again.gwm || { echo "FAIL: convert .gwm to .gwm changed the puzzle"; fail=1; }
sed -n 2p apple.gwm | grep -q . || { echo "FAIL: the sample has no answer text to keep"; fail=1; }
expect 0 "答" gwtool_run convert apple.gwm apple.non
printf '<puzzleset><puzzle><title>snow ☃ man</title><clues type="rows"><line><count>1</count></line></clues>'\
'<clues type="columns"><line><count>1</count></line></clues></puzzle></puzzleset>' > snow.xml
expect 3 "タイトルの「☃」はファイルに保存できない文字です。" gwtool_run convert snow.xml snow.gwm
[ -e snow.gwm ] && { echo "FAIL: a refused conversion left a file"; fail=1; }

# links, devices and write protection
cp apple.gwm target.gwm
ln -s target.gwm link.gwm
expect 0 "" gwtool_run convert "$puzzles/nonny-tree.gwm" link.gwm
[ -L link.gwm ] || { echo "FAIL: the link was replaced by a file"; fail=1; }
cmp -s target.gwm "$puzzles/nonny-tree.gwm" || { echo "FAIL: the link's target was not written"; fail=1; }
ln -s /dev/full full.non
expect 3 "パス名が無効です。" gwtool_run convert "$puzzles/nonny-tree.gwm" full.non
[ -L full.non ] || { echo "FAIL: the link to /dev/full was replaced"; fail=1; }
cp apple.gwm locked.gwm
chmod 0444 locked.gwm
expect 3 "書き込みできません。" gwtool_run convert "$puzzles/nonny-tree.gwm" locked.gwm
cmp -s apple.gwm locked.gwm || { echo "FAIL: a write-protected file was replaced"; fail=1; }
expect 3 "書き込みできません。" gwtool_run generate --size 5x5 --colors 1 --difficulty line locked.gwm
exit $fail
