#!/bin/sh
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-test/, and runs every test.
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
. "$repo/scripts/setup_packages.sh"

install_packages

# Set before the build too: the build lists each test program's tests by running it.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# libdbus keeps one allocation for the life of the process under a real X server.
export LSAN_OPTIONS="suppressions=$repo/scripts/lsan.supp"

configure_build build-test -DCMAKE_BUILD_TYPE=Debug -DSTEEPLEWATCHER_SANITIZE=ON
cmake --build build-test -j"$(nproc)"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
