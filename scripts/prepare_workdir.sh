#!/bin/sh
# prepare_workdir.sh SHIPPED_DATA_DIR WORKDIR
# Gives the working directory every shipped data file it lacks. A file the
# user already has is never overwritten, and since the program finds its
# files whatever their letter case, "parishes.dat" counts as "Parishes.Dat".
set -eu

if [ $# -ne 2 ]; then
    echo "usage: prepare_workdir.sh SHIPPED_DATA_DIR WORKDIR" >&2
    exit 2
fi
shipped_dir=$1
workdir=$2

# True when folder $1 holds a file named $2, whatever the letter case.
has_file_ignoring_case() {
    wanted=$(printf '%s' "$2" | tr '[:upper:]' '[:lower:]')
    for existing in "$1"/*; do
        [ -e "$existing" ] || continue
        if [ "$(basename "$existing" | tr '[:upper:]' '[:lower:]')" = "$wanted" ]; then
            return 0
        fi
    done
    return 1
}

mkdir -p "$workdir"
for shipped in "$shipped_dir"/*; do
    [ -f "$shipped" ] || continue
    name=$(basename "$shipped")
    if ! has_file_ignoring_case "$workdir" "$name"; then
        cp "$shipped" "$workdir/$name.copying"
        mv "$workdir/$name.copying" "$workdir/$name"
        echo "Copied $name into $workdir"
    fi
done
