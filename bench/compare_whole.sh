#!/bin/sh
# compare_whole.sh RUNS CAP GWTOOL PBNSOLVE FILE...: whole-process times of one interleaved run
# (RUNS rounds over every file) of the peer solver pbnsolve -u, gwtool check, and gwtool check
# with the plain search alone (--learn-after -1), each stopped after CAP seconds. Prints per file
# and solver the median wall time, the peak memory and the verdict. The peer reads the XML that
# gwtool convert writes.
set -u
runs=$1 cap=$2 gwtool=$3 pbnsolve=$4
shift 4
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
measure() {  # measure NAME COMMAND...: appends "NAME seconds kilobytes verdict" to the log
  name=$1
  shift
  /usr/bin/time -f '%e %M' -o "$work/time" timeout "$cap" "$@" > "$work/out" 2> /dev/null
  status=$?
  verdict=$(grep -m1 -oE 'SOLUTIONS=[a-z0-9]+|UNIQUE|MULTIPLE|contradiction' "$work/out")
  [ "$status" -eq 124 ] && verdict=timeout
  echo "$name $(tail -n 1 "$work/time") ${verdict:-?}" >> "$work/log"
}
for file in "$@"; do
  "$gwtool" convert "$file" "$work/$(basename "$file").xml" > /dev/null 2>&1
done
r=0
while [ "$r" -lt "$runs" ]; do
  r=$((r + 1))
  for file in "$@"; do
    base=$(basename "$file")
    measure "$base pbnsolve" "$pbnsolve" -u "$work/$base.xml"
    measure "$base learning" "$gwtool" check --quiet --limit "$cap" "$file"
    measure "$base plain" "$gwtool" check --quiet --limit "$cap" --learn-after -1 "$file"
  done
done
echo "file solver runs median_s peak_kb verdict"
sort -k1,2 -k3n "$work/log" | awk '
  { key = $1 " " $2; n[key]++; t[key, n[key]] = $3; kb[key] = $4 > kb[key] ? $4 : kb[key]; v[key] = $5 }
  END { for (key in n) { m = n[key]; med = m % 2 ? t[key, (m + 1) / 2] : (t[key, m / 2] + t[key, m / 2 + 1]) / 2
        print key, m, med, kb[key], v[key] } }' | sort
