#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libraries Drobix links on Windows as static libraries for x86_64-w64-mingw32, from
# Debian's own source packages, once per source version, into a cache outside the clone:
# ${XDG_CACHE_HOME:-~/.cache}/drobix-cross/<package>-<version> (fetched and cached by
# tools/cross/sources.sh). Prints the install folders, one a line.
#
#   tools/windows/libraries.sh WORK_FOLDER [BINARY_PACKAGE...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
work=$(mkdir -p "$1" && cd "$1" && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/drobix-cross
toolchain=$here/toolchain-mingw64.cmake
triplet=x86_64-w64-mingw32
jobs=${DROBIX_JOBS:-2}
cache_folder=$cache
target_name=Windows
build_subfolder=build-mingw
mkdir -p "$cache"
source "$here/../cross/sources.sh"

build_libsdl2() {
    cmake_build "$1" "$2" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_UNINSTALL=ON
}
build_libpng1.6() {
    cmake_build "$1" "$2" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DZLIB_INCLUDE_DIR=/usr/$triplet/include -DZLIB_LIBRARY=/usr/$triplet/lib/libz.a
}
# The C code only: libjpeg-turbo's vector code decodes the same pixels, and would need nasm.
build_libjpeg-turbo() {
    cmake_build "$1" "$2" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
        -DWITH_SIMD=OFF -DWITH_JPEG8=OFF
}
build_libogg() {
    cmake_build "$1" "$2" -DINSTALL_DOCS=OFF
}
build_libvorbis() {
    local ogg
    ogg=$(built libogg-dev)
    PKG_CONFIG_LIBDIR=$ogg/lib/pkgconfig cmake_build "$1" "$2" -DDROBIX_CROSS_PREFIXES="$ogg"
}
# Only the cross build's own pkg-config files, never the build machine's.
export PKG_CONFIG_LIBDIR=/usr/$triplet/lib/pkgconfig

# Named by the machine's binary packages, whose sources are the ones wanted; all by default.
packages=("${@:2}")
if [ ${#packages[@]} -eq 0 ]; then
    packages=(libsdl2-dev libogg-dev libvorbis-dev libpng-dev libjpeg62-turbo-dev
        libtomlplusplus-dev)
fi
for package in "${packages[@]}"; do
    built "$package"
done
