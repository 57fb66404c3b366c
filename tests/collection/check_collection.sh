#!/bin/sh
# check_collection.sh GWTOOL ROOT [GWCOLLECT]: the bundled collection in ROOT/collection is what it
# claims to be. At least 120 puzzles; every one is read and has exactly one solution by the
# complete solver (gwtool check); every one has a title and an author; the README's table names
# each file. With GWCOLLECT, the collection is remade from the repository's images and list and
# must come out byte for byte the same, so what is shipped is what the maker makes.
set -eu
gwtool=$1
root=$2
gwcollect=${3:-}
dir="$root/collection"
fail() { echo "check_collection.sh: $*" >&2; exit 1; }

count=$(ls "$dir"/*.xml | wc -l)
[ "$count" -ge 120 ] || fail "only $count puzzles in $dir"

verdicts=$("$gwtool" check --quiet --limit 10 "$dir"/*.xml) || fail "gwtool check: not every puzzle is unique:
$(echo "$verdicts" | grep -B1 -v -e '^SOLUTIONS=1$' -e '^DIFFICULTY=' -e '^FILE=')"
unique=$(echo "$verdicts" | grep -c '^SOLUTIONS=1$')
[ "$unique" -eq "$count" ] || fail "$unique unique verdicts for $count puzzles"

untitled=$(grep -L '<title>..*</title>' "$dir"/*.xml || true)
[ -z "$untitled" ] || fail "without a title: $untitled"
unsigned=$(grep -L '<author>..*</author>' "$dir"/*.xml || true)
[ -z "$unsigned" ] || fail "without an author: $unsigned"
listed=$(grep -o '^| [^ ]*\.xml |' "$dir/README.md" | sort)
files=$(ls "$dir" | grep '\.xml$' | sed 's/.*/| & |/' | sort)
[ "$listed" = "$files" ] || fail "the README's table does not list exactly the puzzle files"

if [ -n "$gwcollect" ]; then
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
  tools="$root/tools/collection"
  QT_QPA_PLATFORM=offscreen "$gwcollect" make "$tools/catalog.tsv" "$tools/images" "$out" \
    --readme "$tools/README.in.md" > "$out/make.log" 2>&1 || { cat "$out/make.log"; fail "gwcollect make failed"; }
  rm "$out/make.log"
  diff -r "$dir" "$out" > /dev/null || fail "the collection differs from what gwcollect makes now:
$(diff -r "$dir" "$out" | head -20)
(run tools/collection/make_collection.sh)"
fi
echo "$count puzzles, all unique"
