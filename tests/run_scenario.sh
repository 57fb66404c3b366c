#!/bin/sh
# run_scenario.sh GWSCRIPT SCRIPT.gws SAMPLES NAME [LIST]: runs the scenario in a fresh folder that
# holds a copy of the samples (as samples/) and compares what it prints with SCRIPT.expected. With
# LIST (the sample files named one a line) only those files are copied, whatever else lies in
# SAMPLES.
# The folder is always /tmp/gw-scenarios/NAME, so that folder names the program prints (the file
# dialogs show their folder) are the same on every run and every machine.
# A scenario runs in the program's own Japanese, whatever the locale of whoever runs it. With
# GW_SCENARIO_LANGUAGE=en it runs in English, as a player whose locale is en_US.UTF-8 sees it
# (whether or not that locale is generated on this system), against SCRIPT.en.expected.
# GW_EMULATOR, when set, runs GWSCRIPT (wine64 for the Windows build), and GW_SCENARIO_ROOT
# replaces /tmp/gw-scenarios, so that the two builds' runs never share a folder.
set -u
gwscript=$1
script=$2
samples=$3
name=$4
list=${5:-}
expected="${script%.gws}.expected"
work="${GW_SCENARIO_ROOT:-/tmp/gw-scenarios}/$name"
rm -rf "$work"
mkdir -p "$work" || exit 2
logs=$(mktemp -d)
trap 'rm -rf "$work" "$logs"' EXIT
if [ -n "$list" ]; then
  . "$(dirname "$0")/../scripts/samples.sh"
  gw_copy_samples "$samples" "$list" "$work/samples" || exit 2
else
  cp -r "$samples" "$work/samples"
fi
if [ "${GW_SCENARIO_LANGUAGE:-ja}" = en ]; then
  expected="${script%.gws}.en.expected"
  export LANGUAGE=en LC_MESSAGES=en_US.UTF-8
else
  export LANGUAGE= LC_MESSAGES=C
fi
unset LC_ALL
cd "$work" || exit 2
${GW_EMULATOR:-} "$gwscript" "$script" > "$logs/actual" 2> "$logs/stderr"
status=$?
# GW_SCENARIO_UPDATE=1 writes what was printed as the expected output instead (for a look at the
# difference in git before it is kept, as when the texts of a language change).
if [ "${GW_SCENARIO_UPDATE:-}" = 1 ]; then
  cp "$logs/actual" "$expected"
  exit 0
fi
if ! diff -u "$expected" "$logs/actual"; then
  echo "scenario output differs from $expected"
  cat "$logs/stderr"
  exit 1
fi
# A script whose expected output ends in an ERROR line must fail; any other must succeed.
if tail -n 1 "$expected" | grep -q '^ERROR line '; then
  [ "$status" -eq 1 ] || { echo "expected exit status 1, got $status"; exit 1; }
else
  [ "$status" -eq 0 ] || { echo "expected exit status 0, got $status"; cat "$logs/stderr"; exit 1; }
fi
