#!/bin/sh
# gwtool_language.sh GWTOOL: gwtool's messages in the language the environment asks for, as a
# whole process reads it, with or without the locale generated on this system (a fresh Debian has
# only C.UTF-8): each line of the table is an environment and the message it must give.
set -u
gwtool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'width x\nheight 3\n' > "$work/bad.non"
ja="gwtool: $work/bad.non: 1 行目: 大きさの数字が読めません。"
en="gwtool: $work/bad.non: Line 1: A size number cannot be read."
fail=0
while IFS='|' read -r environment language; do
  [ -z "$environment" ] && continue
  [ "$language" = en ] && want=$en || want=$ja
  # shellcheck disable=SC2086 # the environment is a list of words
  got=$(env -i PATH="$PATH" $environment "$gwtool" convert "$work/bad.non" "$work/out.gwm" 2>&1)
  if [ "$got" != "$want" ]; then
    echo "FAIL with [$environment]: expected"
    echo "  $want"
    echo "got"
    echo "  $got"
    fail=1
  fi
done <<'TABLE'
LANG=C|ja
LC_ALL=|ja
LANG=C.UTF-8|ja
LANG=ja_JP.UTF-8|ja
LANG=de_DE.UTF-8|ja
LANG=en_US.UTF-8|en
LC_MESSAGES=en_GB.UTF-8 LANG=C.UTF-8|en
LC_ALL=en_US.UTF-8 LANG=ja_JP.UTF-8|en
LANGUAGE=en LANG=C|ja
LANGUAGE=en|ja
LANGUAGE=en LANG=C.UTF-8|en
LANGUAGE=en LANG=ja_JP.UTF-8|en
LANGUAGE=ja LANG=en_US.UTF-8|ja
LANGUAGE=fr:en LANG=fr_FR.UTF-8|en
LANGUAGE=fr:ja:en LANG=fr_FR.UTF-8|ja
TABLE
exit $fail
