#!/bin/sh
# install_test.sh BUILD_DIR SOURCE_DIR: installs the build into a temporary
# DESTDIR and checks what went where, that the installed driver fills a fresh
# per-user working directory from the shipped data (and never overwrites a
# file the person has), that the desktop entry, metainfo, icons and manual
# pages are valid, and that the Debian package holds the same tree.
set -eu

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# expect_eq WHAT ACTUAL EXPECTED
expect_eq() {
    if [ "$2" != "$3" ]; then
        fail "$1"
        printf '  expected: %s\n  actual:   %s\n' "$3" "$2" >&2
    fi
}

app=org.steeplewatcher.steeplewatcher
expected_files="usr/bin/steeplewatcher
usr/bin/steeplewatcher-script
usr/share/applications/$app.desktop
usr/share/doc/steeplewatcher/README.data.md
usr/share/doc/steeplewatcher/README.md
usr/share/doc/steeplewatcher/copyright
usr/share/icons/hicolor/128x128/apps/$app.png
usr/share/icons/hicolor/16x16/apps/$app.png
usr/share/icons/hicolor/22x22/apps/$app.png
usr/share/icons/hicolor/24x24/apps/$app.png
usr/share/icons/hicolor/256x256/apps/$app.png
usr/share/icons/hicolor/32x32/apps/$app.png
usr/share/icons/hicolor/48x48/apps/$app.png
usr/share/icons/hicolor/64x64/apps/$app.png
usr/share/icons/hicolor/scalable/apps/$app.svg
usr/share/man/man1/steeplewatcher-script.1.gz
usr/share/man/man1/steeplewatcher.1.gz
usr/share/metainfo/$app.metainfo.xml
usr/share/steeplewatcher/County.txt
usr/share/steeplewatcher/IRLCoast.Txt
usr/share/steeplewatcher/IRLLocs.Txt
usr/share/steeplewatcher/MapList.Dat
usr/share/steeplewatcher/Maplist.txt
usr/share/steeplewatcher/Parishes.Dat
usr/share/steeplewatcher/ReadMe.rtf
usr/share/steeplewatcher/UKCoast.Txt
usr/share/steeplewatcher/UKLocs.Txt"

# ------------------------------------------------------------ the installed tree
root="$tmp/root"
if ! DESTDIR="$root" cmake --install "$build" --prefix /usr >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi
expect_eq "the installed files" "$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)" "$expected_files"
for shipped in "$root"/usr/share/steeplewatcher/*; do
    cmp -s "$shipped" "$source/data/$(basename "$shipped")" || fail "$(basename "$shipped") differs from data/"
done

desktop-file-validate "$root/usr/share/applications/$app.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" >"$tmp/appstream.log" 2>&1 \
    || { cat "$tmp/appstream.log" >&2; fail "appstreamcli validate"; }
expect_eq "the desktop entry's Exec" "$(grep '^Exec=' "$root/usr/share/applications/$app.desktop")" \
    "Exec=steeplewatcher"
for size in 16 22 24 32 48 64 128 256; do
    expect_eq "the ${size}px icon" \
        "$(file -b "$root/usr/share/icons/hicolor/${size}x$size/apps/$app.png" | cut -d, -f1-2)" \
        "PNG image data, $size x $size"
done
for page in steeplewatcher steeplewatcher-script; do
    gz="$root/usr/share/man/man1/$page.1.gz"
    # -ww: every groff warning; a table needs tbl first.
    if ! gzip -dc "$gz" | tbl | groff -man -Tutf8 -ww -z >"$tmp/groff.log" 2>&1 || [ -s "$tmp/groff.log" ]; then
        cat "$tmp/groff.log" >&2
        fail "the manual page $page.1"
    fi
done

# ------------------------------------------------------------ --help, --version
# No display at all: both are answered before the program needs one.
for program in steeplewatcher steeplewatcher-script; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/$program" --version) \
        || fail "$program --version: exit status $?"
    expect_eq "$program --version" "$(printf '%s\n' "$out" | head -n 1)" "$program (Steeplewatcher) 0.1"
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/$program" --help) \
        || fail "$program --help: exit status $?"
    expect_eq "$program --help" "$(printf '%s\n' "$out" | head -n 1 | cut -d' ' -f1-2)" "Usage: $program"
    status=0
    # Qt takes options of its own, so the program reads its options with Qt started.
    QT_QPA_PLATFORM=offscreen "$root/usr/bin/$program" --no-such-option >/dev/null 2>"$tmp/err" || status=$?
    expect_eq "$program --no-such-option" "$status $(tail -n 2 "$tmp/err")" \
        "2 $program: unrecognized option '--no-such-option'
Try '$program --help' for more information."
done

# ------------------------------------------------------------ the installed driver on a fresh home
home="$tmp/home"
work="$home/data/steeplewatcher"
mkdir -p "$home" "$tmp/empty"
records=$(($(wc -c <"$source/data/Parishes.Dat") / 77))
printf 'key End\nstate\n' >"$tmp/last.script"
# DIR ARGUMENTS...: the installed driver started in DIR with the fresh home, on
# a script that goes to the last record; its last line, the record and count.
run_driver() {
    dir=$1
    shift
    (cd "$dir" && HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
        "$root/usr/bin/steeplewatcher-script" "$@" "$tmp/last.script" >"$tmp/transcript") || return $?
    tail -n 1 "$tmp/transcript"
}
out=$(run_driver "$tmp/empty" --user-data) || fail "the driver on a fresh home: exit status $?"
expect_eq "the driver on a fresh home" "$out" "state record $((records - 1)) of $records"
expect_eq "the working directory filled" "$(ls "$work")" "$(ls "$root/usr/share/steeplewatcher")"
for shipped in "$root"/usr/share/steeplewatcher/*; do
    cmp -s "$shipped" "$work/$(basename "$shipped")" || fail "$(basename "$shipped") was not copied whole"
done
expect_eq "the folder started in" "$(ls -A "$tmp/empty")" ""

# The person's files stay; only a missing one comes back.
printf 'my codes\r\n' >"$work/County.txt"
head -c 770 "$source/data/Parishes.Dat" >"$work/parishes.dat"
rm "$work/Parishes.Dat" "$work/UKCoast.Txt"
out=$(run_driver "$tmp/empty" --user-data) || fail "the driver on a used home: exit status $?"
expect_eq "the driver on the person's data" "$out" "state record 9 of 10"
expect_eq "the person's County.txt" "$(cat "$work/County.txt")" "$(printf 'my codes\r')"
cmp -s "$work/UKCoast.Txt" "$source/data/UKCoast.Txt" || fail "a removed shipped file was not given back"
[ ! -e "$work/Parishes.Dat" ] || fail "a second Parishes.Dat beside the person's parishes.dat"

# Without --user-data the driver works in the folder it was started in, whatever it holds.
mkdir -p "$tmp/bare"
run_driver "$tmp/bare" >/dev/null 2>&1
expect_eq "the driver in a folder without data" "$(head -n 2 "$tmp/transcript")" "message \"Cannot Find data file \\\"Parishes.Dat\\\". Application Will Close\"
end"
expect_eq "the folder without data" "$(ls -A "$tmp/bare")" ""

# A current folder with a data file, and a folder named, are used as they are.
mkdir -p "$tmp/own" "$tmp/named"
head -c 231 "$source/data/Parishes.Dat" >"$tmp/own/Parishes.Dat"
head -c 385 "$source/data/Parishes.Dat" >"$tmp/named/Parishes.Dat"
expect_eq "the driver in a folder with data" "$(run_driver "$tmp/own")" "state record 2 of 3"
expect_eq "the driver given a folder" "$(run_driver "$tmp/own" --directory "$tmp/named")" "state record 4 of 5"
expect_eq "the folder with data" "$(ls -A "$tmp/own")" "Parishes.Dat"
expect_eq "the named folder" "$(ls -A "$tmp/named")" "Parishes.Dat"
# Nothing was written beside the programs or into the shipped data.
expect_eq "the installed files after the runs" \
    "$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)" "$expected_files"

# ------------------------------------------------------------ the Debian package
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/deb" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
fi
deb=$(ls "$tmp"/deb/steeplewatcher_0.1_*.deb)
expect_eq "the package's files" \
    "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | LC_ALL=C sort)" "$expected_files"
# Owned by root; programs 755, everything else 644, folders 755.
expect_eq "the package's owners and modes" \
    "$(dpkg-deb -c "$deb" | awk '{ print $1, $2 }' | LC_ALL=C sort -u)" \
    "-rw-r--r-- root/root
-rwxr-xr-x root/root
drwxr-xr-x root/root"
expect_eq "the package's programs" \
    "$(dpkg-deb -c "$deb" | awk '$1 ~ /^-rwx/ { print $6 }')" "./usr/bin/steeplewatcher
./usr/bin/steeplewatcher-script"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6svg6 libqt6printsupport6 libc6 qt6-qpa-plugins fonts-liberation; do
    case ", $depends" in
    *", $needed "* | *", $needed,"* | *", $needed") ;;
    *) fail "the package does not depend on $needed: $depends" ;;
    esac
done
expect_eq "the package's name" "$(dpkg-deb -f "$deb" Package Version Section)" "Package: steeplewatcher
Version: 0.1
Section: misc"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install and package: every check passed"
