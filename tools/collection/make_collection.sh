#!/bin/sh
# make_collection.sh [--fetch] [BUILD_DIR]: remakes the bundled collection in collection/ from the
# images in tools/collection/images/ and the list tools/collection/catalog.tsv, with gwcollect from
# BUILD_DIR (default build/).
#
# Each puzzle is the image through the program's own conversion (the one behind ツール > 画像から
# 問題を作る) at the size and number of colours the list gives, checked by the complete solver: a
# puzzle that is not unique stops the script and nothing of it is written. The README's make-up
# table is written from the same run.
#
# --fetch first takes the images afresh from the installed Debian packages tango-icon-theme and
# fonts-noto-color-emoji (apt-get install them); without it the images in the repository are used,
# so the collection can be remade without those packages.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
fetch=no
if [ "${1:-}" = --fetch ]; then
  fetch=yes
  shift
fi
build=$(cd "${1:-$root/build}" && pwd)
gwcollect="$build/gwcollect"
[ -x "$gwcollect" ] || { echo "make_collection.sh: $gwcollect is missing: build the target gwcollect" >&2; exit 1; }

if [ "$fetch" = yes ]; then
  for p in tango-icon-theme fonts-noto-color-emoji; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
      { echo "make_collection.sh: --fetch needs the package $p (apt-get install $p)" >&2; exit 1; }
  done
  rm -f "$here"/images/*.png
  "$gwcollect" fetch "$here/catalog.tsv" "$here/images"
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$gwcollect" make "$here/catalog.tsv" "$here/images" "$out" --readme "$here/README.in.md"
rm -f "$root"/collection/*.xml
cp "$out"/*.xml "$out"/README.md "$root/collection/"
echo "make_collection.sh: $(ls "$root"/collection/*.xml | wc -l) puzzles in collection/"
