#!/bin/sh
# Installs what is missing, builds the program (Release, in build/) and starts
# it in the per-user working directory, which is given the shipped data files
# the first time and never has a file of the user's overwritten afterwards.
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
. "$repo/scripts/setup_packages.sh"

install_packages
configure_build build -DCMAKE_BUILD_TYPE=Release
if ! cmake --build build --target steeplewatcher -j"$(nproc)"; then
    echo "The program could not be built (see above)." >&2
    exit 1
fi

program=""
for candidate in build/steeplewatcher build/src/steeplewatcher; do
    if [ -x "$candidate" ]; then
        program="$repo/$candidate"
        break
    fi
done
if [ -z "$program" ]; then
    echo "The build finished but left no steeplewatcher program in build/." >&2
    exit 1
fi

workdir="${XDG_DATA_HOME:-$HOME/.local/share}/steeplewatcher"
sh "$repo/scripts/prepare_workdir.sh" "$repo/data" "$workdir"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display to show the program on (DISPLAY and WAYLAND_DISPLAY are not set)." >&2
    echo "Run it from a desktop session, or under xvfb-run." >&2
    exit 1
fi

cd "$workdir"
exec "$program"
