#!/bin/sh
# Installs what is missing, builds the program and the driver (Release, in
# build-deb/, installed under /usr) and makes the Debian package of them with
# CPack: build-deb/steeplewatcher_VERSION_ARCH.deb.
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
. "$repo/scripts/setup_packages.sh"

install_packages $STEEPLEWATCHER_PACKAGES $STEEPLEWATCHER_DEB_PACKAGES
configure_build build-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DSTEEPLEWATCHER_TESTS=OFF -DSTEEPLEWATCHER_BENCH=OFF
cmake --build build-deb -j"$(nproc)"
(cd build-deb && cpack -G DEB)
ls -l build-deb/steeplewatcher_*.deb
