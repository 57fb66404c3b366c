#!/bin/sh
# make_samples.sh [BUILD_DIR]: remakes the puzzles in samples/ from the pictures drawn in
# tools/samples/pictures/ and the titles and answers in tools/samples/catalog.tsv.
#
# The program derives the hints itself: gwscript (from BUILD_DIR, default build/) opens each
# picture in image input mode and saves it with its title and answer, which writes the picture
# and its hint puzzle (.gwm) side by side, exactly as a user saving a drawing would. A puzzle
# shipped as a monochrome .gwc is rewritten from that .gwm (the program reads .gwc but never
# writes it). Every puzzle must then be solved completely by the automatic solver (gwtool solve),
# which for this solver means its solution is unique; the script stops at the first one that is
# not.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
samples="$root/samples"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

entries() { grep -v '^#' "$here/catalog.tsv" | grep -v '^$'; }

cp "$here"/pictures/*.gwk "$work"/
{
  echo "modecg 3"
  echo "menu File 5"
  entries | while IFS='	' read -r name kind title answer; do
    echo "filedlg name $name.gwk ok"
    echo "menu File 1"
    echo "reply \"$title\""
    echo "reply \"$answer\""
    echo "filedlg name $name.gwk ok"
    echo "answer yes"
    echo "menu File 3"
  done
} > "$work/derive.gws"
(cd "$work" && "$build/gwscript" derive.gws > derive.log 2>&1) || {
  cat "$work/derive.log"
  exit 1
}

# .gwm -> .gwc: the title line as it is, the sizes line as it is, then each row and column as its
# hint numbers joined by "-" ("0" for a line without hints). Bytes pass through untouched.
to_gwc() {
  LC_ALL=C awk 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
    NR == 1 { print; next }
    NR == 2 { next }
    NR == 3 { print; xh = $1; ys = $4; yh = $3; next }
    NR == 4 { next }
    {
      n = (NR <= 4 + ys) ? xh : yh; out = ""
      for (s = 1; s <= n; ++s) {
        v = substr($0, 3 * s - 2, 2) + 0
        if (v != 0) out = out (out == "" ? "" : "-") v
      }
      print (out == "" ? "0" : out)
    }' "$1" > "$2"
}

entries | while IFS='	' read -r name kind title answer; do
  case "$kind" in
    gwm) cp "$work/$name.GWM" "$samples/$name.gwm" ;;
    gwk) cp "$work/$name.GWM" "$samples/$name.gwm"; cp "$work/$name.gwk" "$samples/$name.gwk" ;;
    gwc) to_gwc "$work/$name.GWM" "$samples/$name.gwc" ;;
    *) echo "make_samples.sh: unknown kind $kind for $name" >&2; exit 1 ;;
  esac
  file="$samples/$name.$( [ "$kind" = gwc ] && echo gwc || echo gwm )"
  if ! "$build/gwtool" solve "$file" > "$work/solve.txt"; then
    echo "make_samples.sh: $file is not solved completely:" >&2
    cat "$work/solve.txt" >&2
    exit 1
  fi
  echo "$file: solved"
done
