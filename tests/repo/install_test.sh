#!/bin/sh
# install_test.sh BUILD SOURCE LIST: an install into a temporary prefix holds the program without
# the development tool and exactly the tracked samples (a stray file beside them in samples/ is
# not installed) and the bundled collection; the installed program answers --help and --version without a display, and
# started as the desktop entry starts it, in an empty home, it works in the per-user puzzle folder
# that it made and filled with the samples; started so with a puzzle named relative to where it was
# started, it opens that puzzle.
set -u
build=$1
source=$2
list=$3
tmp=$(mktemp -d)
stray="$source/samples/zz-install-test-stray.GWP"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2> /dev/null
  rm -rf "$tmp"
  rm -f "$stray"
}
trap cleanup EXIT
fail() { echo "install_test: $*"; exit 1; }

echo stray > "$stray" 2> /dev/null || stray=""
cmake --install "$build" --prefix "$tmp/prefix" > "$tmp/install.log" || { cat "$tmp/install.log"; fail "install failed"; }
bin="$tmp/prefix/bin"
[ -x "$bin/gridwick" ] || fail "gridwick is not installed"
[ ! -e "$bin/gwscript" ] || fail "gwscript is installed for players"
samples="$tmp/prefix/share/gridwick/samples"
[ "$(ls -A "$samples" | LC_ALL=C sort)" = "$(LC_ALL=C sort "$list")" ] || fail "installed samples: $(ls -A "$samples")"
grep -q '^Exec=gridwick --user-folder %f$' "$tmp/prefix/share/applications/gridwick.desktop" || fail "desktop entry"
collection="$tmp/prefix/share/gridwick/collection"
[ "$(ls -A "$collection" | LC_ALL=C sort)" = "$(cd "$source/collection" && ls -A ./*.xml README.md | sed 's|^\./||' | LC_ALL=C sort)" ] ||
  fail "the installed collection differs from collection/"

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/gridwick" --version > "$tmp/version" 2>&1 \
  || fail "--version failed: $(cat "$tmp/version")"
grep -q '^Gridwick [0-9]' "$tmp/version" || fail "--version says: $(cat "$tmp/version")"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/gridwick" --help > "$tmp/help" 2>&1 || fail "--help failed"
grep -q -- '--user-folder' "$tmp/help" || fail "--help says: $(cat "$tmp/help")"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/gridwick" > "$tmp/nodisplay" 2>&1 && fail "started without a display"
grep -q 'run.sh' "$tmp/nodisplay" && fail "the message points an installed user at run.sh"

# The installed programs find the installed catalogue (share/locale), not the build's.
printf 'width x\nheight 3\n' > "$tmp/bad.non"
env -i PATH="$PATH" LANG=en_US.UTF-8 "$bin/gwtool" convert "$tmp/bad.non" "$tmp/bad.gwm" > "$tmp/english" 2>&1
grep -qF 'Line 1: ' "$tmp/english" || fail "the installed gwtool in English says: $(cat "$tmp/english")"
[ -s "$tmp/prefix/share/locale/en/LC_MESSAGES/gridwick.mo" ] || fail "no English catalogue installed"

mkdir "$tmp/home" "$tmp/elsewhere"
folder="$tmp/home/.local/share/gridwick/puzzles"
cd "$tmp/elsewhere" || exit 2
env -u XDG_DATA_HOME HOME="$tmp/home" QT_QPA_PLATFORM=offscreen "$bin/gridwick" --user-folder > "$tmp/run.log" 2>&1 &
pid=$!
# Start-up has settled once the program works in the folder (its current directory) and the
# window's settings file has been looked for there.
for _ in $(seq 1 300); do
  [ "$(readlink "/proc/$pid/cwd" 2> /dev/null)" = "$folder" ] && break
  kill -0 "$pid" 2> /dev/null || { cat "$tmp/run.log"; fail "the program ended at start-up"; }
  sleep 0.1
done
[ "$(readlink "/proc/$pid/cwd")" = "$folder" ] || fail "the program works in $(readlink "/proc/$pid/cwd")"
[ "$(ls -A "$folder" | LC_ALL=C sort)" = "$(LC_ALL=C sort "$list")" ] || fail "the puzzle folder holds: $(ls -A "$folder")"
[ -z "$(ls -A "$tmp/elsewhere")" ] || fail "the program wrote into the folder it was started from"
echo "the installed program plays in $folder"
kill "$pid" 2> /dev/null
wait "$pid" 2> /dev/null
pid=""

# A double click in a file manager: the entry's %f names the file. The puzzle is open once the
# window's title names it; the name is one the per-user folder does not hold, so that it is found
# only where the program was started.
command -v xvfb-run > /dev/null && command -v xwininfo > /dev/null || fail "xvfb-run and xwininfo are needed (GW_DEPS=test)"
mkdir "$tmp/docs"
cp "$source/samples/cat.gwm" "$tmp/docs/mine.gwm"
cd "$tmp/docs" || exit 2
env -u XDG_DATA_HOME -u QT_QPA_PLATFORM HOME="$tmp/home" LC_ALL=C.UTF-8 \
  xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    "$1" --user-folder mine.gwm &
    program=$!
    for _ in $(seq 1 300); do
      if xwininfo -root -tree | grep -q "ひなたぼっこ.*mine\.gwm"; then kill $program; exit 0; fi
      kill -0 $program 2> /dev/null || exit 1
      sleep 0.1
    done
    xwininfo -root -tree | grep -i "gridwick\|グリッド"
    kill $program
    exit 1' sh "$bin/gridwick" > "$tmp/open.log" 2>&1 || { cat "$tmp/open.log"; fail "gridwick --user-folder mine.gwm did not open it"; }
echo "the installed program opens the puzzle it is started with"
