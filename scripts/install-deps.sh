#!/bin/sh
# Installs what building, running and testing need, and only what is missing.
set -eu

PACKAGES="cmake ninja-build g++ pkg-config
qt6-base-dev qt6-base-dev-tools libgl-dev
libcups2-dev libicu-dev
libgtest-dev libgmock-dev libbenchmark-dev python3
xvfb xauth xdotool x11-utils x11-apps netpbm openbox
cups cups-daemon cups-client
fonts-wine fonts-liberation2 fonts-ipafont-gothic fonts-wqy-microhei fonts-dejavu-core fonts-dejavu-extra
libfreetype-dev libfontconfig-dev
binutils-mingw-w64-x86-64
libxcb1-dev dpkg-dev desktop-file-utils shared-mime-info
clang clang-format clang-tidy libclang-rt-14-dev llvm
fp-utils libchm-bin libxml2-utils"
# Another list, given as arguments, is installed the same way (the Windows build's).
[ $# -gt 0 ] && PACKAGES="$*"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq || true
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
