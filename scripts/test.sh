#!/bin/sh
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-test/, and runs every test.
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
. "$repo/scripts/setup_packages.sh"

install_packages $STEEPLEWATCHER_PACKAGES $STEEPLEWATCHER_TEST_PACKAGES

# Set before the build too: the build lists each test program's tests by running it.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# libdbus keeps one allocation for the life of the process under a real X server.
export LSAN_OPTIONS="suppressions=$repo/scripts/lsan.supp"

# Warnings are errors here; a user's own build keeps them warnings.
configure_build build-test -DCMAKE_BUILD_TYPE=Debug -DSTEEPLEWATCHER_SANITIZE=ON -DSTEEPLEWATCHER_WERROR=ON
cmake --build build-test -j"$(nproc)"
# The house style: formatting of every source file, clang-tidy on the program's.
sh scripts/lint.sh build-test
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
# Every reader of outside input fuzzed for 20 seconds; scripts/fuzz.sh SECONDS runs them longer.
sh scripts/fuzz.sh 20
