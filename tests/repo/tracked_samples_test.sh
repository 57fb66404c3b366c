#!/bin/sh
# tracked_samples_test.sh GWSCRIPT SOURCE LIST: the scenario runner copies only the tracked sample
# files, even when stray files (progress, settings, a PDF, a new puzzle) lie beside them; and the
# list CMake keeps is the list of files git tracks in samples/.
set -u
gwscript=$1
source=$2
list=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "tracked_samples_test: $*"; exit 1; }

if command -v git > /dev/null && git -C "$source" rev-parse --git-dir > /dev/null 2>&1; then
  tracked=$(git -C "$source" ls-files samples | sed 's|^samples/||' | LC_ALL=C sort)
  listed=$(LC_ALL=C sort "$list")
  [ "$tracked" = "$listed" ] || fail "the CMake list differs from the tracked files: $listed / $tracked"
fi

mkdir "$tmp/samples"
while IFS= read -r name; do cp "$source/samples/$name" "$tmp/samples/"; done < "$list"
for stray in cat.GWP cat.GWB gridwick.ini page.pdf new.gwm; do echo stray > "$tmp/samples/$stray"; done

mkdir "$tmp/scenario"
printf 'cd samples\nls\n' > "$tmp/scenario/ls.gws"
{
  echo 'CAPTION "グリッドウィック : プレイモード"'
  printf 'LS %s\n' "$(LC_ALL=C sort "$list" | tr '\n' ' ' | sed 's/ $//')"
} > "$tmp/scenario/ls.expected"
"$source/tests/run_scenario.sh" "$gwscript" "$tmp/scenario/ls.gws" "$tmp/samples" repo/tracked_samples "$list" \
  || fail "the scenario copy holds more than the tracked files"
echo "the scenario runner copies the $(wc -l < "$list") tracked files only"
