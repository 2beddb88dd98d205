#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that Drobix needs, skipping those already present. Sourced by
# play.sh, which needs only what builds and runs the game, and test.sh, which needs everything.

# Building and running the game: the compiler and build tools, the libraries it links, and what
# the asset tool needs to make the desktop icons of an install; msgfmt compiles the translations
# into the game.
drobix_play_packages=(
    cmake g++ make ccache pkg-config
    libsdl2-dev libx11-dev libxext-dev libxrandr-dev libpng-dev zlib1g-dev libjpeg-dev
    libvorbis-dev libogg-dev libtomlplusplus-dev
    libfreetype-dev fonts-dejavu-core gettext
)

# Only for the tests, benchmarks, fuzzers, source checks and packaging checks: test-only
# additions go here.
drobix_test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev clang-format clang-tidy
    libxtst-dev xvfb xdotool x11-xkb-utils x11-utils x11-xserver-utils
    weston libgl1-mesa-dri libegl1 libegl-mesa0
    desktop-file-utils appstream man-db dpkg-dev lintian reuse python3
)

# The Windows build (tools/windows/build.sh) and its tests under Wine: the cross compiler, zlib
# for it, Debian's source tools (the other libraries are built from Debian's source packages),
# Wine and NSIS for the installer. Installed by the Windows build itself, not by play.sh.
drobix_windows_packages=(
    mingw-w64 libz-mingw-w64-dev dpkg-dev wine wine64 nsis zip xvfb xdotool
)

# The web build (tools/web/build.sh) and its tests: Debian's emscripten (the other libraries are
# built from Debian's source packages with it), node to run drobix-replay's module, zip for the
# page's archive. Installed by the web build itself, not by play.sh.
drobix_web_packages=(
    emscripten nodejs dpkg-dev zip
)

# The in-browser tests (tests/web/browser.sh): Debian's Chromium, driven by puppeteer-core from
# npm (npm itself is installed only where node came without it).
drobix_browser_test_packages=(
    chromium
)

# How long apt may wait for another package manager to let go of its lock, in seconds.
drobix_apt_lock_wait=600

# drobix_install_deps play|test: the packages of play.sh, or those of play.sh and test.sh.
drobix_install_deps() {
    local wanted=("${drobix_play_packages[@]}")
    if [ "${1:-test}" = test ]; then
        wanted+=("${drobix_test_packages[@]}")
    fi
    drobix_install_packages "${wanted[@]}"
}

# Installs those of the named packages that are missing.
drobix_install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get \
        -o DPkg::Lock::Timeout="$drobix_apt_lock_wait" install -y --no-install-recommends \
        "${missing[@]}"
}

# Configures one build folder, once: drobix_configure DIR [CMAKE OPTIONS...]
drobix_configure() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" "$@"
    fi
}

# Configures (once) and builds everything in one build folder: drobix_build DIR [CMAKE OPTIONS...]
drobix_build() {
    drobix_configure "$@"
    cmake --build "$1" -j2
}
