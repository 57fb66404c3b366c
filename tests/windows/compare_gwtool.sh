#!/bin/sh
# compare_gwtool.sh NATIVE_GWTOOL WINDOWS_GWTOOL FOLDER...: runs every command both programs know
# (solve, and check where the native one has it) on every .gwm and .gwc file of the folders and
# fails when the Windows program (run by $GW_EMULATOR) prints a single byte differently, on
# standard output or in its exit status. The one field that differs from run to run on any
# system, check's TIME_US, is left out of the comparison. The Windows build has no learning
# search and prints CONFLICTS=0 LEARNED=0: the puzzles compared are all settled before the
# plain search would hand over, so Linux prints the same and those fields stay compared.
set -u
native=$1
windows=$2
shift 2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
commands=solve
# A command the native program does not know ends in its usage status, 4 (an unreadable file is 3).
"$native" check /dev/null > /dev/null 2>&1
[ $? -ne 4 ] && commands="$commands check"
failed=0
count=0
for dir in "$@"; do
  for file in "$dir"/*.gwm "$dir"/*.gwc; do
    [ -f "$file" ] || continue
    for command in $commands; do
      count=$((count + 1))
      "$native" "$command" "$file" > "$work/raw" 2> /dev/null
      native_status=$?
      sed 's/ TIME_US=[0-9]*//' "$work/raw" > "$work/native"
      ${GW_EMULATOR:-} "$windows" "$command" "$file" > "$work/raw" 2> /dev/null
      windows_status=$?
      sed 's/ TIME_US=[0-9]*//' "$work/raw" > "$work/windows"
      if ! cmp -s "$work/native" "$work/windows" || [ "$native_status" -ne "$windows_status" ]; then
        echo "DIFFERS: $command $file (exit status $native_status on Linux, $windows_status on Windows)"
        diff "$work/native" "$work/windows" | head -n 20
        failed=1
      fi
    done
  done
done
echo "$count runs compared ($commands)"
[ "$count" -gt 0 ] || failed=1
exit $failed
