#!/bin/sh
# include_layers_test.sh PYTHON SOURCE: the layer check passes on the checkout, and on small planted
# trees it fails on each kind of upward link (between layers, inside the core, a new one from
# App.h) and on a folder without a place in the order, while a known link and a downward one pass.
set -u
python=$1
source=$2
script="$source/scripts/include-layers.py"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "include_layers_test: $*"; exit 1; }

"$python" "$script" --quiet "$source" || fail "the checkout has an upward link that is not a known one"

# Each case: the exit status, what the report must say, the file planted under src/ and the
# headers it includes (each planted too).
while IFS='|' read -r status words file includes; do
  tree="$tmp/$file"
  for f in $file $includes; do
    mkdir -p "$tree/src/$(dirname "$f")"
    : >> "$tree/src/$f"
  done
  for inc in $includes; do echo "#include \"$inc\"" >> "$tree/src/$file"; done
  out=$("$python" "$script" "$tree")
  got=$?
  [ "$got" = "$status" ] || fail "$file: exit $got, not $status: $out"
  echo "$out" | grep -qF -- "$words" || fail "$file: no \"$words\" in: $out"
done <<'CASES'
1|platform -> state   NEW|platform/Files.cpp|state/PuzzleState.h
1|analysis -> App.h   NEW|analysis/Engine.cpp|App.h
1|App.h -> mainwnd   NEW|App.h|mainwnd/Menus.h
1|App.h -> state   NEW|Messages.h|state/PuzzleState.h
1|library -> mainwnd   NEW|library/Scan.cpp|mainwnd/Menus.h
1|src/newroom/ has no place|newroom/Thing.cpp|App.h
0|settings -> mainwnd   (known:|settings/Options.cpp|mainwnd/StatusLine.h
0|upward inside the core (|mainwnd/Menus.cpp|App.h library/Scan.h display/Draw.h platform/Platform.h
0|upward between layers (platform < core < front ends): 0|frontends/qt/View.cpp|mainwnd/Menus.h
CASES
echo "include_layers_test: ok"
