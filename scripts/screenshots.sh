#!/bin/sh
# Screenshots of every window under Xvfb with the openbox window manager, at
# scale factors 1 and 2, on a copy of the shipped data.
#
#   sh scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR holds a built steeplewatcher (default: build/, configured and
# built here). The pictures go to OUT_DIR (default: /tmp/steeplewatcher-shots),
# named SCALE-NN-what.png. Needs Xvfb, openbox, xdotool and ImageMagick's import.
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-}
out=${2:-/tmp/steeplewatcher-shots}
cd "$repo"
if [ -z "$build" ]; then
    . "$repo/scripts/setup_packages.sh"
    build=build
    configure_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build" -j2 --target steeplewatcher
fi
program=$(cd "$build" && pwd)/src/steeplewatcher
[ -x "$program" ] || { echo "screenshots: no program at $program" >&2; exit 2; }
for tool in Xvfb openbox xdotool import; do
    command -v "$tool" >/dev/null 2>&1 || { echo "screenshots: $tool is not installed" >&2; exit 2; }
done
mkdir -p "$out"

display=:$(( ($$ % 400) + 100 ))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
config=$(mktemp -d)
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work" "$config"
}
trap cleanup EXIT
export DISPLAY="$display"
export XDG_CONFIG_HOME="$config" # no remembered window places
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

n=0
shot() { # NAME: the whole screen once the windows have settled
    sleep 1.2
    n=$((n + 1))
    import -window root "$out/$scale-$(printf %02d $n)-$1.png"
}
key() { xdotool key --clearmodifiers "$@"; sleep 0.6; }

for scale in 1 2; do
    rm -rf "$work"/* "$config"/*
    cp -r "$repo"/data/* "$work"/
    n=0
    (cd "$work" && QT_SCALE_FACTOR=$scale exec "$program") >/dev/null 2>&1 &
    app=$!
    xdotool search --sync --name '^Parishfm$' >/dev/null
    sleep 1
    xdotool type --delay 80 "ashby"
    key Return
    shot main
    key alt+1
    key Tab
    xdotool type --delay 80 "3"
    key alt+p
    shot radius-search
    key Return
    key alt+o p
    shot report-viewer
    key alt+t
    shot radius-plot
    key alt+c
    key Escape
    key alt+s i
    shot no-item-box
    key Return
    key alt+a
    shot about
    key alt+l
    shot licence
    key alt+o
    key alt+o
    key alt+r
    shot read-me
    key Escape
    key alt+t
    shot county-codes
    key Escape
    key alt+m m
    shot map-sheets
    key Escape
    key alt+l
    shot location-plot
    key alt+c
    key alt+e a
    shot amend
    key Escape
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    app=""
done
echo "screenshots: $(ls "$out" | wc -l) pictures in $out"
