#!/bin/sh
# run_folder_test.sh SOURCE LIST: run.sh plays in a folder of its own, made from the tracked sample
# files, and what the program writes while playing never lands in the tracked samples/.
# cmake and the program are stand-ins: the stand-in program notes where it was started and writes
# a progress file there, as a game would.
set -u
source=$1
list=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "run_folder_test: $*"; exit 1; }

mkdir -p "$tmp/bin" "$tmp/build"
printf '#!/bin/sh\nexit 0\n' > "$tmp/bin/cmake"
printf '#!/bin/sh\npwd > "%s/started-in"\necho progress > cat.GWP\necho ini > gridwick.ini\n' "$tmp" \
  > "$tmp/build/gridwick"
chmod +x "$tmp/bin/cmake" "$tmp/build/gridwick"
cp "$list" "$tmp/build/sample-files.txt"
before=$(ls -A "$source/samples")

PATH="$tmp/bin:$PATH" GW_BUILD_DIR="$tmp/build" GW_NO_INSTALL=1 DISPLAY=:gw-test \
  "$source/run.sh" > "$tmp/out" 2>&1 || { cat "$tmp/out"; fail "run.sh failed"; }

[ -f "$tmp/started-in" ] || fail "the program was not started"
started=$(cat "$tmp/started-in")
[ "$started" = "$tmp/build/play" ] || fail "the program started in $started, not in $tmp/build/play"
[ "$(cd "$started" && pwd -P)" != "$(cd "$source/samples" && pwd -P)" ] || fail "it plays in samples/"
[ "$(ls -A "$source/samples")" = "$before" ] || fail "samples/ changed while playing"
expected=$( (cat "$list"; echo cat.GWP; echo gridwick.ini) | LC_ALL=C sort)
actual=$(ls -A "$started" | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "the play folder holds: $actual"

# A second start keeps what the player left there.
echo kept > "$started/cat.GWP"
rm "$started/cat.gwm"
PATH="$tmp/bin:$PATH" GW_BUILD_DIR="$tmp/build" GW_NO_INSTALL=1 DISPLAY=:gw-test \
  "$source/run.sh" > "$tmp/out" 2>&1 || { cat "$tmp/out"; fail "the second run.sh failed"; }
[ ! -e "$started/cat.gwm" ] || fail "the play folder was seeded again"
echo "run.sh plays in $started"
