#!/bin/sh
# Runs `gwtool solve` on every test puzzle and compares messages, board, probe count and the lines
# solved with NAME.out, whose message lines carry the text without quotes. The exit status must
# follow the board: 2 after a contradiction, 1 with blank cells left, 0 when solved.
# usage: check_solve_outputs.sh GWTOOL PUZZLE_FOLDER  (GW_EMULATOR, when set, runs GWTOOL)
gwtool=$1
dir=$2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failed=0
count=0
for gwm in "$dir"/*.gwm; do
  name=$(basename "$gwm" .gwm)
  count=$((count + 1))
  ${GW_EMULATOR:-} "$gwtool" solve "$gwm" > "$work/raw" 2> "$work/err"
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
# A monochrome file: two solutions, so the four cells stay blank after four probes.
printf 'two\r\n1 2\r\n1 2\r\n1\r\n1\r\n1\r\n1\r\n' > "$work/two.GWC"
${GW_EMULATOR:-} "$gwtool" solve "$work/two.GWC" > "$work/got" 2> "$work/err"
status=$?
printf '%s\n' 'MSG "背理法を 4 回使いました。\rOKキーを押してください。"' '..' '..' 'PROBES=4' > "$work/want"
if [ "$status" -ne 1 ] || ! head -n 4 "$work/got" | diff -u "$work/want" -; then
  echo "FAIL the monochrome file (exit status $status)"
  failed=1
fi
# Files that cannot be read: missing, and wider than 20, which is refused.
printf 'big\r\n\r\n 1  21  1  2 \r\n9 1515151515151515\r\n' > "$work/big.gwm"
for bad in missing.gwm big.gwm; do
  ${GW_EMULATOR:-} "$gwtool" solve "$work/$bad" > /dev/null 2> "$work/err"
  status=$?
  if [ "$status" -ne 3 ] || [ ! -s "$work/err" ]; then
    echo "FAIL $bad gives exit status $status"
    failed=1
  fi
done
echo "$count puzzles checked"
[ "$count" -gt 0 ] || failed=1
exit $failed
