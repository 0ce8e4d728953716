# Shared by scripts/run and scripts/test: package installation and the build.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages every build needs, and Qt's own translations (its dialogs in
# Catalan and Spanish), which the program loads.
BUILD_PACKAGES=(g++ cmake make qt6-base-dev qt6-l10n-tools qt6-tools-dev libxcb1-dev
                libjpeg62-turbo-dev libpng-dev libgtest-dev libgmock-dev
                libbenchmark-dev fonts-liberation fonts-dejavu-core qt6-translations-l10n)

# What the end-to-end tests need besides: the real window on a virtual X
# display driven with xdotool, the clipboard read with xclip, the window's
# properties read with xprop (x11-utils), the text of the PDF files the
# program writes read with pdftotext (poppler-utils), and what a screen
# reader learns read from the accessibility bus (at-spi2-core, started by a
# session bus of dbus) with python3-pyatspi.
TEST_PACKAGES=(xvfb xauth xdotool xclip x11-utils poppler-utils dbus at-spi2-core python3-pyatspi)

# What making the Debian package needs besides: CPack's dependency reading
# (file, dpkg-shlibdeps) and the checks of the package (lintian), its menu
# entry (desktop-file-validate) and its metainfo (appstreamcli).
PACKAGE_PACKAGES=(file dpkg-dev lintian desktop-file-utils appstream)

# Installs the Debian packages that are not installed yet (nothing when all are).
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# configure_and_build <build dir> <target|all> [cmake options...]
configure_and_build() {
    local dir=$1 target=$2
    shift 2
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        local launcher=()
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        # A unity build compiles each folder's files in a few batches: on two
        # cores it takes about half the time of one file at a time.
        cmake -S "$ROOT" -B "$dir" -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 \
            "${launcher[@]}" "$@"
    fi
    cmake --build "$dir" --target "$target" -j "$(nproc)"
}
