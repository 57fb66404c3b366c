#!/bin/sh
# Installs what is missing, builds Gridwick and starts it in a working folder of its own,
# build/play/, made from the tracked sample puzzles when it does not exist yet: progress, settings,
# printed pages and new puzzles land there, never in samples/. Remove build/play/ to start afresh.
# GW_BUILD_DIR names another build folder; GW_NO_INSTALL=1 skips installing packages.
set -eu
cd "$(dirname "$0")"
. scripts/deps.sh
. scripts/samples.sh
[ "${GW_NO_INSTALL:-0}" = 1 ] || GW_DEPS=run gw_install_deps
build=${GW_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGW_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target gridwick
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: Gridwick is built ($build/gridwick), but there is no display to show its window."
  echo "Start it from a desktop session, or under a virtual display:"
  echo "  sudo apt-get install -y xvfb xauth && xvfb-run -a -s \"-screen 0 1280x1024x24\" ./run.sh"
  exit 1
fi
build=$(cd "$build" && pwd)
play="$build/play"
if [ ! -d "$play" ]; then
  gw_copy_samples samples "$build/sample-files.txt" "$play.new"
  mv "$play.new" "$play"
fi
cd "$play"
exec "$build/gridwick"
