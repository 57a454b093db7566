#!/bin/sh
# The house style, checked mechanically.
#
#   sh scripts/lint.sh BUILD_DIR [FILES...]
#
# Runs clang-format --dry-run --Werror on every tracked .cpp and .h file, then
# clang-tidy (the checks of .clang-tidy) on FILES, by default every tracked .cpp
# under src/, tools/ and bench/, with the compile commands of BUILD_DIR (a
# configured build folder; CMake writes compile_commands.json there). Runs two
# clang-tidy processes at a time. Exits non-zero on any finding; the last line
# says which.
set -u

usage() {
    echo "usage: sh scripts/lint.sh BUILD_DIR [FILES...]" >&2
    exit 2
}

[ $# -ge 1 ] || usage
build=$1
shift
[ -d "$build" ] || { echo "lint: no build folder $build" >&2; usage; }
build=$(cd "$build" && pwd)
if [ ! -f "$build/compile_commands.json" ]; then
    echo "lint: $build/compile_commands.json is missing; configure the build folder with CMake first" >&2
    exit 2
fi
for tool in clang-format clang-tidy git; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "lint: $tool is not installed" >&2
        exit 2
    fi
done

repo=$(cd "$(dirname "$0")/.." && pwd)

# clang-format: every tracked source file, whatever FILES says.
format_failed=0
if ! git -C "$repo" ls-files -z -- '*.cpp' '*.h' | (cd "$repo" && xargs -0 clang-format --dry-run --Werror); then
    format_failed=1
fi

# clang-tidy: FILES as given (relative to the current folder), else the default set.
tidy_files() {
    if [ $# -eq 0 ]; then
        git -C "$repo" ls-files -- 'src/*.cpp' 'tools/*.cpp' 'bench/*.cpp' | sed "s|^|$repo/|"
    else
        printf '%s\n' "$@"
    fi
}
tidy_count=$(tidy_files "$@" | wc -l)
tidy_failed=0
# One file per process; its output is printed in one piece, without the
# "N warnings generated." counts of diagnostics in headers outside the filter.
# A file fails when clang-tidy fails or says anything that is a diagnostic.
# shellcheck disable=SC2016 # the inner script expands its own arguments
if ! tidy_files "$@" | xargs -d '\n' -r -P2 -n1 sh -c '
    out=$(clang-tidy -p "$1" --quiet "$2" 2>&1)
    status=$?
    out=$(printf "%s\n" "$out" | grep -Ev "^[0-9]+ (warning|error)s? (and [0-9]+ (warning|error)s? )?generated\.$")
    [ -n "$out" ] && printf "%s\n" "$out"
    if [ $status -ne 0 ] || printf "%s\n" "$out" | grep -q -E ": (warning|error):"; then
        echo "lint: clang-tidy: findings in $2"
        exit 1
    fi
    exit 0' sh "$build"; then
    tidy_failed=1
fi

if [ $format_failed -eq 0 ] && [ $tidy_failed -eq 0 ]; then
    echo "lint: clean (clang-format on every tracked .cpp/.h, clang-tidy on $tidy_count files)"
    exit 0
fi
failed=""
[ $format_failed -eq 0 ] || failed="clang-format (run clang-format -i on the files above)"
[ $tidy_failed -eq 0 ] || failed="${failed:+$failed and }clang-tidy (see the findings above)"
echo "lint: FAILED: $failed"
exit 1
