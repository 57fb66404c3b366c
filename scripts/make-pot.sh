#!/bin/sh
# make-pot.sh SOURCE_DIR OUT.pot: every text the code marks for translation (Tr, TrNoop and the Qt views' QTr; Fill
# only fills in a pattern that Tr has translated) in the sources of the programs, as a gettext
# template. The Japanese text is the message id.
set -eu
src=$1
out=$2
mkdir -p "$(dirname "$out")"
list=$(mktemp)
trap 'rm -f "$list"' EXIT
# Sorted, so that the template does not change with the order the file system lists files in.
(cd "$src" && find src app tools -name '*.cpp' -o -name '*.h' | LC_ALL=C sort) > "$list"
xgettext --directory="$src" --files-from="$list" --output="$out.tmp" \
  --language=C++ --from-code=UTF-8 -k --keyword=Tr --keyword=TrNoop --keyword=QTr \
  --add-comments=Translators: --package-name=Gridwick --msgid-bugs-address=maintainers@gridwick.invalid --sort-by-file
# An unchanged template keeps its time, so that nothing that depends on it is redone.
same() { grep -v '^"POT-Creation-Date:' "$1"; }
if [ -f "$out" ] && [ "$(same "$out.tmp")" = "$(same "$out")" ]; then rm "$out.tmp"; else mv "$out.tmp" "$out"; fi
