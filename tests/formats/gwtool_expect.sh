# Sourced by the gwtool shell tests, after `gwtool` and `src` are set: a scratch folder `work`
# removed at the end, `fail`, `puzzles`, and the two helpers.
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail=0
puzzles="$src/tests/solver/puzzles"
# GW_EMULATOR, when set, runs a gwtool built for another system.
gwtool_run() { ${GW_EMULATOR:-} "$gwtool" "$@"; }
# expect STATUS TEXT COMMAND...: the exit status, and TEXT among the output and the messages
# (an empty TEXT checks the status alone). A message never gives its line in English form.
expect() {
  want=$1 text=$2
  shift 2
  "$@" > "$work/out" 2> "$work/err"
  got=$?
  if [ "$got" -ne "$want" ] || { [ -n "$text" ] && ! grep -qF -- "$text" "$work/out" "$work/err"; }; then
    echo "FAIL (exit $got, expected $want with \"$text\"): $*"
    cat "$work/out" "$work/err"
    fail=1
  fi
  if grep -q '(line' "$work/err"; then echo "FAIL: a message in English line form: $*"; cat "$work/err"; fail=1; fi
}
