#!/bin/sh
# update-po.sh [EXTRA.po...]: brings po/LANG.po up to date with the code. It makes the template of
# every marked text anew (scripts/make-pot.sh), keeps each translation whose Japanese text is
# still there, takes the ones it lacks from the EXTRA files (translations made elsewhere; where
# po/LANG.po already translates a text, its translation stays), and drops those of texts the code
# no longer has. The EXTRA files go to the language of po/en.po, the one there is so far; set
# GW_PO_LANG to fold them into another.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
lang=${GW_PO_LANG:-en}
po=$root/po/$lang.po
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/scripts/make-pot.sh" "$root" "$work/gridwick.pot"
# A new language starts from the template, with a header of its own.
# (msginit copies every message id as its English translation: those copies are emptied.)
if [ ! -f "$po" ]; then
  msginit --no-translator --locale="$lang.UTF-8" -i "$work/gridwick.pot" -o "$work/new.po"
  msgfilter --keep-header -i "$work/new.po" -o "$po" sed -e d
fi
# Only real translations take part: an empty or fuzzy one in the first file would hide a good one
# in a later file.
i=0
for f in "$po" "$@"; do
  i=$((i + 1))
  msgattrib --force-po --translated --no-fuzzy --no-obsolete -o "$work/$i.po" "$f"
done
msgcat --force-po --use-first -o "$work/known.po" $(seq -f "$work/%g.po" 1 "$i")
msgmerge --quiet --no-fuzzy-matching --lang="$lang" -o "$work/merged.po" "$work/known.po" "$work/gridwick.pot"
msgattrib --no-obsolete --sort-by-file -o "$po" "$work/merged.po"
printf '%s: ' "$po"
msgfmt --statistics -o /dev/null "$po"
