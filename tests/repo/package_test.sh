#!/bin/sh
# package_test.sh BUILD SOURCE VERSION: the Debian package cpack makes from the build holds the
# programs and their desktop files under /usr and nothing else, no development tool, programs
# stripped; its fields name the project's version, section games and the libraries dpkg-shlibdeps
# found; the desktop entry, the software-centre entry, the file types and the manual pages pass
# their validators; the file types name the program's files; the icons are the sizes they claim;
# gwtool's completion offers what gwtool --help lists; and apt would install it here.
set -u
build=$1
source=$2
version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "package_test: $*"; exit 1; }
need() { command -v "$1" > /dev/null || fail "$1 is missing (scripts/deps.sh installs it with GW_DEPS=test)"; }
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli update-mime-database mimetype man xmllint readelf; do
  need "$tool"
done

# --- the package and its fields ----------------------------------------------------------------
cpack -G DEB -B "$tmp/out" --config "$build/CPackConfig.cmake" > "$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fail "cpack failed"; }
deb="$tmp/out/gridwick_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb; cpack made: $(ls "$tmp/out")"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = gridwick ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the project is $version"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
# The long description: each line indented by one space, as dpkg shows it.
bad=$(field Description | tail -n +2 | grep -v -E '^ [^ ]')
[ -z "$bad" ] || fail "description lines: $bad"
depends=$(field Depends)
for lib in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6printsupport6 fonts-ipafont-mincho; do
  echo "$depends" | grep -qwF "$lib" || fail "Depends lacks $lib: $depends"
done

# --- what it holds -----------------------------------------------------------------------------
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./||; s|/$||' | grep -v '^$' | LC_ALL=C sort > "$tmp/paths"
outside=$(grep -v -E '^usr(/|$)' "$tmp/paths")
[ -z "$outside" ] || fail "files outside /usr: $outside"
tools=$(grep -E '(^|/)(gwscript|gwcollect|test_[a-z_]+|bench_[a-z_]+)$|\.(a|h|hpp|cmake)$' "$tmp/paths")
[ -z "$tools" ] || fail "development files in the package: $tools"
dpkg-deb -x "$deb" "$tmp/root"
share="$tmp/root/usr/share"
appdata=$(ls "$share"/metainfo/*.metainfo.xml 2> /dev/null)
[ "$(echo "$appdata" | wc -l)" = 1 ] && [ -n "$appdata" ] || fail "metainfo files: $appdata"
for f in bin/gridwick bin/gwtool share/applications/gridwick.desktop share/mime/packages/gridwick.xml \
  share/icons/hicolor/scalable/apps/gridwick.svg share/man/man1/gridwick.1.gz share/man/man1/gwtool.1.gz \
  share/bash-completion/completions/gwtool share/gridwick/samples/cat.gwm share/gridwick/collection/README.md \
  share/doc/gridwick/copyright share/doc/gridwick/changelog.gz share/locale/en/LC_MESSAGES/gridwick.mo; do
  [ -s "$tmp/root/usr/$f" ] || fail "the package lacks /usr/$f"
done
# The only programs are the two installed for players, stripped.
find "$tmp/root" -type f | while read -r f; do
  [ "$(head -c 4 "$f" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
  case $f in */usr/bin/gridwick | */usr/bin/gwtool) ;; *) fail "an unexpected program: $f" ;; esac
  if readelf -S "$f" | grep -q '\.debug_info'; then fail "$f is not stripped"; fi
done || exit 1

# --- validators --------------------------------------------------------------------------------
desktop-file-validate "$share/applications/gridwick.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$appdata" > "$tmp/appstream.log" 2>&1 || { cat "$tmp/appstream.log"; fail "appstreamcli validate"; }
# The newest release the software centre lists is the version packaged.
release=$(grep -o '<release version="[^"]*"' "$appdata" | head -n 1 | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "the metainfo's newest release is $release, the project $version"
[ "$(zcat "$share/doc/gridwick/changelog.gz" | head -n 1)" = "gridwick ($version) stable; urgency=medium" ] ||
  fail "the changelog begins: $(zcat "$share/doc/gridwick/changelog.gz" | head -n 1)"
xmllint --noout "$share/mime/packages/gridwick.xml" || fail "the file types are no well-formed XML"
for page in gridwick gwtool; do
  warnings=$(MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 > "$tmp/$page.txt")
  [ -z "$warnings" ] || fail "man $page warns: $warnings"
done
grep -q -- '--user-folder' "$tmp/gridwick.txt" || fail "gridwick(1) lacks its options: $(head -20 "$tmp/gridwick.txt")"
grep -q 'per-user' "$tmp/gridwick.txt" || fail "gridwick(1) lacks the README's text"
grep -q 'gwtool generate' "$tmp/gwtool.txt" || fail "gwtool(1) lacks its usage"
grep -q 'exit status' "$tmp/gwtool.txt" || fail "gwtool(1) lacks the README's text"

# --- file types: what each file is known as, and the entry takes them all ----------------------
update-mime-database "$share/mime" > /dev/null 2>&1 || fail "update-mime-database"
files="$source/tests/formats/files"
cp "$files/stairs-mono.g" "$tmp/stairs"  # its name has lost the extension
while read -r file type; do
  got=$(XDG_DATA_HOME="$tmp/none" XDG_DATA_DIRS="$share:/usr/share" mimetype -b "$file")
  [ "$got" = "$type" ] || fail "$file is known as $got, not $type"
done << EOF
$source/samples/cat.gwm application/x-gridwick-puzzle
$source/samples/heart.gwc application/x-gridwick-mono-puzzle
$source/samples/tulip.gwk application/x-gridwick-picture
$files/arrow-mono.non text/x-nonogram-non
$files/cross-color.g text/x-nonogram-g
$tmp/stairs text/x-nonogram-g
EOF
for type in $(sed -n 's/^MimeType=//p' "$share/applications/gridwick.desktop" | tr ';' ' '); do
  grep -q "<mime-type type=\"$type\">" "$share/mime/packages/gridwick.xml" || fail "the entry names $type, which no file type defines"
done
for type in $(grep -o '<mediatype>[^<]*' "$appdata" | cut -d'>' -f2); do
  grep -q "^MimeType=.*$type;" "$share/applications/gridwick.desktop" || fail "the metainfo names $type, which the entry does not take"
done

# --- icons: each PNG as large as its folder says ------------------------------------------------
for dir in "$share"/icons/hicolor/*x*; do
  size=${dir##*/}
  png="$dir/apps/gridwick.png"
  [ -s "$png" ] || fail "no $png"
  wh=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
  [ "$wh" = "$size" ] || fail "$png is $wh"
done
[ "$(ls -d "$share"/icons/hicolor/*x* | wc -l)" -ge 6 ] || fail "icons: $(ls "$share/icons/hicolor")"

# --- gwtool's completion -----------------------------------------------------------------------
if [ -f /usr/share/bash-completion/bash_completion ]; then
  completions() {
    PATH="$tmp/root/usr/bin:$PATH" bash -c '
      . /usr/share/bash-completion/bash_completion
      . "$1"; shift
      COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
      _gwtool gwtool; printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' \
      sh "$share/bash-completion/completions/gwtool" "$@"
  }
  [ "$(completions gwtool c)" = "check convert " ] || fail "gwtool c completes to: $(completions gwtool c)"
  [ "$(completions gwtool check --l)" = "--learn-after --limit " ] || fail "gwtool check --l: $(completions gwtool check --l)"
  [ "$(completions gwtool generate --difficulty '')" = "line probe search " ] ||
    fail "gwtool generate --difficulty: $(completions gwtool generate --difficulty '')"
  [ "$(completions gwtool check --limit '')" = " " ] || fail "a time limit completes to: $(completions gwtool check --limit '')"
else
  fail "bash-completion is missing (scripts/deps.sh installs it with GW_DEPS=test)"
fi

# --- apt would install it: every dependency is there to be had ---------------------------------
if apt-cache policy libc6 2> /dev/null | grep -q 'Candidate: [0-9]'; then
  apt-get install --simulate "$deb" > "$tmp/apt.log" 2>&1 || { cat "$tmp/apt.log"; fail "apt-get cannot install the package"; }
else
  echo "package_test: no package lists, so apt's check is left out"
fi
echo "gridwick_${version} holds $(wc -l < "$tmp/paths") paths under /usr; every validator passed"
