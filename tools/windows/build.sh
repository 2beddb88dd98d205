#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build, cross-compiled here: installs the cross tools, builds the libraries from
# Debian's sources once (tools/windows/libraries.sh, cached outside the clone), then drobix.exe,
# drobix-replay.exe and the unit tests, and packs the zip and the installer.
#
#   tools/windows/build.sh [BUILD_FOLDER]     (default: build-windows)
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/install-deps.sh

build=${1:-build-windows}
mkdir -p "$build"
build=$(cd "$build" && pwd)
triplet=x86_64-w64-mingw32

drobix_install_packages "${drobix_windows_packages[@]}"

mapfile -t prefixes < <(tools/windows/libraries.sh "$build/libraries")
pkg_config_dirs=/usr/$triplet/lib/pkgconfig
for prefix in "${prefixes[@]}"; do
    pkg_config_dirs+=:$prefix/lib/pkgconfig
done
prefix_list=$(IFS=';' && echo "${prefixes[*]}")

PKG_CONFIG_LIBDIR=$pkg_config_dirs cmake -S . -B "$build/game" -DCMAKE_BUILD_TYPE=Release \
    -DDROBIX_WERROR=ON -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/windows/toolchain-mingw64.cmake" \
    -DDROBIX_CROSS_PREFIXES="$prefix_list" \
    -DZLIB_LIBRARY=/usr/$triplet/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/$triplet/include >/dev/null
PKG_CONFIG_LIBDIR=$pkg_config_dirs cmake --build "$build/game" -j2 \
    --target drobix drobix-replay drobix_tests

# Every program needs only the DLLs that every Windows has.
for program in src/drobix tools/replay/drobix-replay tests/drobix_tests; do
    $triplet-objdump -p "$build/game/$program.exe" | awk '/DLL Name:/ { print $3 }' | sort |
        tr '\n' ' ' | sed "s|^|$program.exe imports: |;s| \$|\n|"
done

tools/windows/package.sh "$build" "${prefixes[@]}"
