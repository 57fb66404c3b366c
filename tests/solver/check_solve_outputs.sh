#!/bin/sh
# Runs `gwtool solve` on every test puzzle and compares messages, board, probe count and the lines
# solved with NAME.out, whose message lines carry the text without quotes. The exit status must
# follow the board: 2 after a contradiction, 1 with blank cells left, 0 when solved.
# usage: check_solve_outputs.sh GWTOOL PUZZLE_FOLDER
gwtool=$1
dir=$2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failed=0
count=0
for gwm in "$dir"/*.gwm; do
  name=$(basename "$gwm" .gwm)
  count=$((count + 1))
  "$gwtool" solve "$gwm" > "$work/raw" 2> "$work/err"
  status=$?
  sed 's/^MSG "\(.*\)"$/MSG \1/' "$work/raw" > "$work/got"
  if ! diff -u "$dir/$name.out" "$work/got" > "$work/diff"; then
    echo "FAIL $name: output differs"
    cat "$work/diff"
    failed=1
  fi
  want=0
  grep -q '^[.0-9-]*\.[.0-9-]*$' "$dir/$name.out" && want=1
  grep -q '^MSG 矛盾' "$dir/$name.out" && want=2
  if [ "$status" -ne "$want" ]; then
    echo "FAIL $name: exit status $status, expected $want"
    cat "$work/err"
    failed=1
  fi
done
# A file that cannot be read.
"$gwtool" solve "$work/missing.gwm" > /dev/null 2> "$work/err"
status=$?
if [ "$status" -ne 3 ] || [ ! -s "$work/err" ]; then
  echo "FAIL a missing file gives exit status $status"
  failed=1
fi
echo "$count puzzles checked"
[ "$count" -gt 0 ] || failed=1
exit $failed
