#!/bin/sh
# bench_startup.sh [BUILD_DIR [RUNS]]
# Times the program's start: from exec to its main window shown with the
# shipped data (--quit-when-shown), and its peak resident memory by then,
# beside a bare Qt Widgets program showing one empty window. Builds both
# (Release, in BUILD_DIR, default build-rel), runs each RUNS times (default
# 20) after one untimed run, and prints the medians and the ratios: under
# QT_QPA_PLATFORM=offscreen, then under xvfb-run when it is installed.
# CMAKE_BUILD_PARALLEL_LEVEL limits the build's jobs.
set -eu

# The medians of RUNS runs of the program and of the bare window, with the
# platform named; run by the script itself, inside xvfb-run for the X server.
measure_both() {
    platform=$1 program=$2 bare=$3 workdir=$4 runs=$5
    log=$(mktemp)
    # Prints "milliseconds kilobytes" for one run of $1 in the working directory.
    run_once() {
        start=$(date +%s%N)
        if ! (cd "$workdir" && /usr/bin/time -f %M -o "$log.rss" "$1" --quit-when-shown >"$log" 2>&1); then
            echo "$1 --quit-when-shown failed under $platform:" >&2
            cat "$log" >&2
            exit 1
        fi
        end=$(date +%s%N)
        echo "$(((end - start) / 1000000)) $(tail -n 1 "$log.rss")"
    }
    median() {
        sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
    }
    for which in program bare; do
        if [ "$which" = program ]; then binary=$program; else binary=$bare; fi
        run_once "$binary" >/dev/null
        : >"$log.runs"
        i=0
        while [ "$i" -lt "$runs" ]; do
            run_once "$binary" >>"$log.runs"
            i=$((i + 1))
        done
        eval "${which}_ms=\$(cut -d' ' -f1 \"\$log.runs\" | median)"
        eval "${which}_kb=\$(cut -d' ' -f2 \"\$log.runs\" | median)"
    done
    rm -f "$log" "$log.rss" "$log.runs"
    # shellcheck disable=SC2154 # set by the eval above
    awk -v p="$platform" -v n="$runs" -v pm="$program_ms" -v pk="$program_kb" -v bm="$bare_ms" -v bk="$bare_kb" 'BEGIN {
        printf "%s, median of %d runs:\n", p, n
        printf "  %-22s %8.1f ms %10.1f MB peak RSS\n", "steeplewatcher", pm, pk / 1024
        printf "  %-22s %8.1f ms %10.1f MB peak RSS\n", "bare Qt window", bm, bk / 1024
        printf "  %-22s %8.2fx    %10.2fx\n", "ratio", pm / bm, pk / bk
    }'
}

if [ "${1:-}" = "--measure" ]; then
    shift
    measure_both "$@"
    exit 0
fi

repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
. "$repo/scripts/setup_packages.sh"
build=${1:-build-rel}
runs=${2:-20}
case $runs in
'' | *[!0-9]* | 0)
    echo "usage: bench_startup.sh [BUILD_DIR [RUNS]]" >&2
    exit 2
    ;;
esac
if [ ! -x /usr/bin/time ]; then
    echo "bench_startup.sh needs GNU time (/usr/bin/time, Debian's package time) for the peak memory." >&2
    exit 1
fi

configure_build "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target steeplewatcher bare_window
program=$(cd "$build" && pwd)/src/steeplewatcher
bare=$(cd "$build" && pwd)/bench/bare_window

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
sh "$repo/scripts/prepare_workdir.sh" "$repo/data" "$workdir" >/dev/null

export QT_QPA_PLATFORM=offscreen
measure_both offscreen "$program" "$bare" "$workdir" "$runs"
if command -v xvfb-run >/dev/null 2>&1; then
    env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" \
        sh "$repo/scripts/bench_startup.sh" --measure "xvfb-run (xcb)" "$program" "$bare" "$workdir" "$runs"
fi
