#!/bin/sh
# Fuzzes every reader of outside input with libFuzzer (clang, AddressSanitizer
# and UndefinedBehaviorSanitizer) for SECONDS each, default 20:
#
#   sh scripts/fuzz.sh [SECONDS]
#
# Each target starts from its seeds in fuzz/corpus/TARGET (kept in the
# repository) and grows a working corpus in build-fuzz/corpus/TARGET. A crash,
# a sanitizer report, a timeout or running out of memory fails the run; the
# input that did it is left in build-fuzz/artifacts/ to become a regression
# test. The last line of each target gives its executions.
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
. "$repo/scripts/setup_packages.sh"
install_packages $STEEPLEWATCHER_PACKAGES $STEEPLEWATCHER_FUZZ_PACKAGES

seconds=${1:-20}
targets="data_file history map_list text_files plot_inputs csv_import rtf script"

configure_build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTEEPLEWATCHER_FUZZ=ON -DSTEEPLEWATCHER_SANITIZE=ON -DSTEEPLEWATCHER_TESTS=OFF -DSTEEPLEWATCHER_BENCH=OFF
set --
for target in $targets; do
    set -- "$@" "fuzz_$target"
done
cmake --build build-fuzz -j"$(nproc)" --target "$@"

mkdir -p build-fuzz/artifacts
failed=""
for target in $targets; do
    work="build-fuzz/corpus/$target"
    mkdir -p "$work"
    log="build-fuzz/fuzz_$target.log"
    if "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target-" \
        "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz: $target: $runs executions, nothing found"
    else
        echo "fuzz: $target: FOUND a fault (see $log and build-fuzz/artifacts/)"
        tail -40 "$log"
        failed="$failed $target"
    fi
done
if [ -n "$failed" ]; then
    echo "fuzz: FAILED:$failed"
    exit 1
fi
echo "fuzz: every target ran $seconds seconds with nothing found"
