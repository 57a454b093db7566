# Sourced by start.sh and test.sh: installs the Debian packages the build and
# the tests need, when any of them is missing. Uses apt-get as root, else sudo.

STEEPLEWATCHER_PACKAGES="g++ cmake ninja-build libgtest-dev googletest libbenchmark-dev libsqlite3-dev qt6-base-dev \
qt6-svg-dev fonts-liberation xvfb xauth poppler-utils imagemagick x11-apps"

# The Debian package's makers: CPack's DEB generator finds the programs with
# file(1) and their libraries' packages with dpkg-shlibdeps (dpkg-dev).
STEEPLEWATCHER_DEB_PACKAGES="dpkg-dev file"

# The house style's checkers, and the validators of the installed tree (the
# desktop entry, the AppStream metadata, the manual pages), needed by the
# test command only; it makes the Debian package too.
STEEPLEWATCHER_TEST_PACKAGES="clang-format clang-tidy desktop-file-utils appstream groff-base $STEEPLEWATCHER_DEB_PACKAGES"

# clang and its libFuzzer runtime, for scripts/fuzz.sh.
STEEPLEWATCHER_FUZZ_PACKAGES="clang libclang-rt-14-dev"

# The packages of the lists named (their variables' words) that are not installed.
missing_packages() {
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s ' "$package"
        fi
    done
}

# Installs the missing ones of the given packages (default: the build's).
install_packages() {
    # shellcheck disable=SC2086 # the lists split into package names
    missing=$(missing_packages ${*:-$STEEPLEWATCHER_PACKAGES})
    [ -z "$missing" ] && return 0
    echo "Installing: $missing"
    if [ "$(id -u)" -eq 0 ]; then
        as_root=""
    elif command -v sudo >/dev/null 2>&1; then
        as_root="sudo"
    else
        echo "These packages are missing and there is no sudo to install them: $missing" >&2
        echo "Install them as root, then run this script again." >&2
        exit 1
    fi
    $as_root apt-get update
    # shellcheck disable=SC2086 # the list of missing packages splits into words
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
}

# Configures build folder $1 (Ninja the first time) with the remaining arguments as options.
configure_build() {
    folder=$1
    shift
    if [ -f "$folder/CMakeCache.txt" ]; then
        cmake -S . -B "$folder" "$@"
    else
        cmake -S . -B "$folder" -G Ninja "$@"
    fi
}
