#!/bin/sh
# Runs `gwtool check` on every test puzzle: the verdict and difficulty must be the class INDEX.tsv
# gives (line, probe, or two solutions for multiple) and a unique puzzle's board its known
# solution. Then the output forms: a picture file, several files, --quiet, a missing file.
# usage: check_verdicts.sh GWTOOL PUZZLE_FOLDER SAMPLE_FOLDER BENCH_PUZZLE_FOLDER
# (GW_EMULATOR, when set, runs GWTOOL)
gwtool=$1
dir=$2
samples=$3
bench=$4
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL $*"; failed=1; }
tail -n +2 "$dir/INDEX.tsv" > "$work/index"
while IFS="$(printf '\t')" read -r name size colours class rest; do
  ${GW_EMULATOR:-} "$gwtool" check "$dir/$name.gwm" > "$work/out" 2> "$work/err"
  status=$?
  case $class in
    multiple) want_status=1; want_head="SOLUTIONS=2" ;;
    *) want_status=0; want_head="SOLUTIONS=1
DIFFICULTY=$class" ;;
  esac
  lines=$(printf '%s\n' "$want_head" | wc -l)
  [ "$(head -n "$lines" "$work/out")" = "$want_head" ] || fail "$name: $(head -n 2 "$work/out" | tr '\n' ' ')"
  [ "$status" -eq "$want_status" ] || fail "$name: exit status $status"
  if [ "$class" != multiple ]; then
    grep -E '^[.0-9]+$' "$dir/$name.txt" | tr . - > "$work/want"
    sed -n '3,$p' "$work/out" | grep -E '^[-0-9]+$' > "$work/got"
    diff -q "$work/want" "$work/got" > /dev/null || fail "$name: board differs from the known solution"
  fi
  grep -q '^LINES=[0-9]* PROBES=[0-9]* NODES=[0-9]* TIME_US=[0-9]* CONFLICTS=[0-9]* LEARNED=[0-9]*$' "$work/out" || fail "$name: no counters"
  echo "$name" >> "$work/seen"
done < "$work/index"
[ "$(wc -l < "$work/seen")" -ge 20 ] || fail "too few puzzles checked"

# The one unique puzzle of our own that only search settles, and its picture.
${GW_EMULATOR:-} "$gwtool" check "$bench/rand15-mono-search.gwm" > "$work/out"
[ "$(head -n 2 "$work/out" | tr '\n' ' ')" = "SOLUTIONS=1 DIFFICULTY=search " ] || fail "search class: $(head -n 2 "$work/out")"
grep -E '^[.0-9]+$' "$bench/rand15-mono-search.txt" | tr . - > "$work/want"
sed -n '3,$p' "$work/out" | grep -E '^[-0-9]+$' | diff -q "$work/want" - > /dev/null || fail "search class: board"

# A picture is checked through the hints it gives; several files: FILE= blocks, the highest status.
${GW_EMULATOR:-} "$gwtool" check --quiet "$samples/tulip.gwk" > "$work/out"
[ $? -eq 0 ] && [ "$(cat "$work/out")" = "SOLUTIONS=1
DIFFICULTY=probe" ] || fail "tulip.gwk: $(cat "$work/out")"
${GW_EMULATOR:-} "$gwtool" check --quiet "$samples/apple.gwm" "$dir/wilk-data001.gwm" "$work/missing.gwm" > "$work/out" 2> "$work/err"
status=$?
printf 'FILE=%s\nSOLUTIONS=1\nDIFFICULTY=line\nFILE=%s\nSOLUTIONS=2\nFILE=%s\n' \
  "$samples/apple.gwm" "$dir/wilk-data001.gwm" "$work/missing.gwm" > "$work/want"
diff -u "$work/want" "$work/out" || fail "several files"
[ "$status" -eq 3 ] && [ -s "$work/err" ] || fail "a missing file gives exit status $status"
# Two solutions: both boards, one blank line between them.
${GW_EMULATOR:-} "$gwtool" check "$dir/wilk-data001.gwm" > "$work/out"
[ "$(grep -c '^$' "$work/out")" -eq 1 ] && [ "$(grep -cE '^[-0-9]+$' "$work/out")" -eq 20 ] || fail "two boards"
# A bad command line.
${GW_EMULATOR:-} "$gwtool" check --limit x "$samples/apple.gwm" > /dev/null 2>&1
[ $? -eq 5 ] || fail "--limit x accepted"
exit $failed
