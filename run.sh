#!/bin/sh
# Installs what is missing, builds Gridwick and starts it with samples/ as its current folder.
set -eu
cd "$(dirname "$0")"
. scripts/deps.sh
GW_DEPS=run gw_install_deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGW_BUILD_BENCH=OFF >/dev/null
cmake --build build --target gridwick
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: Gridwick is built (build/gridwick), but there is no display to show its window."
  echo "Start it from a desktop session, or under a virtual display:"
  echo "  sudo apt-get install -y xvfb xauth && xvfb-run -a -s \"-screen 0 1280x1024x24\" ./run.sh"
  exit 1
fi
cd samples
exec ../build/gridwick
