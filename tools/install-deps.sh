#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that Drobix needs to build, test and run, skipping those already
# present. Sourced by play.sh and test.sh.

drobix_packages=(
    cmake g++ make ccache pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev clang-format clang-tidy
    libsdl2-dev libx11-dev libxext-dev libxrandr-dev libxtst-dev libpng-dev zlib1g-dev libjpeg-dev libvorbis-dev
    libogg-dev libtomlplusplus-dev
    libfreetype-dev fonts-dejavu-core
    xvfb xdotool x11-xkb-utils x11-utils x11-xserver-utils
    weston libgl1-mesa-dri libegl1 libegl-mesa0
    desktop-file-utils appstream man-db dpkg-dev lintian reuse
)

# The Windows build (tools/windows/build.sh) and its tests under Wine: the cross compiler, zlib
# for it, Debian's source tools (the other libraries are built from Debian's source packages),
# Wine and NSIS for the installer. Installed by the Windows build itself, not by play.sh.
drobix_windows_packages=(
    mingw-w64 libz-mingw-w64-dev dpkg-dev wine wine64 nsis zip xvfb xdotool
)

drobix_install_deps() {
    drobix_install_packages "${drobix_packages[@]}"
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
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

# Configures (once) and builds one build folder: drobix_build DIR [CMAKE OPTIONS...]
drobix_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" "$@"
    fi
    cmake --build "$dir" -j2
}
