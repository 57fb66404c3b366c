# Sourced by run.sh and test.sh: installs what a fresh Debian 12 machine lacks, with apt-get
# (through sudo when not root). GW_DEPS names the set: "run" or "test".
gw_install_deps() {
  packages="g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n libpugixml-dev libcadical-dev libsqlite3-dev
            fonts-ipafont-mincho fonts-ipafont-gothic librsvg2-bin lowdown gettext python3"
  if [ "${GW_DEPS:-run}" = test ]; then
    packages="$packages libgtest-dev libbenchmark-dev xvfb xauth imagemagick poppler-utils
              clang libclang-rt-14-dev cups cups-client printer-driver-cups-pdf
              g++-mingw-w64-x86-64-posix wine64
              dpkg-dev desktop-file-utils appstream shared-mime-info libfile-mimeinfo-perl bash-completion
              man-db x11-utils"
  fi
  missing=""
  for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  echo "Installing:$missing"
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}
