#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libraries Drobix links in the browser as static WebAssembly libraries with Debian's
# emscripten, from Debian's own source packages, once per source version, into a cache outside the
# clone: ${XDG_CACHE_HOME:-~/.cache}/drobix-cross/web/<package>-<version> (fetched and cached by
# tools/cross/sources.sh). Emscripten's own ports are never used: they would be downloaded.
# Prints the install folders, one a line.
#
#   tools/web/libraries.sh WORK_FOLDER [BINARY_PACKAGE...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
work=$(mkdir -p "$1" && cd "$1" && pwd)
cache_folder=${XDG_CACHE_HOME:-$HOME/.cache}/drobix-cross/web
toolchain=$here/toolchain-emscripten.cmake
target_name="the web"
build_subfolder=build-web
jobs=${DROBIX_JOBS:-2}
mkdir -p "$cache_folder"
source "$here/../cross/sources.sh"

# Debian's zlib source leaves out a file its CMake build wants (win32/zlib1.rc): its C files,
# the library's whole code, are compiled here directly (on a system with unistd.h, as its
# configure script finds).
build_zlib() {
    local object objects=()
    mkdir -p "$1/$build_subfolder" "$2/include" "$2/lib/pkgconfig"
    for source in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast \
        inflate inftrees trees uncompr zutil; do
        object=$1/$build_subfolder/$source.o
        emcc -O2 -DHAVE_UNISTD_H -c "$1/$source.c" -o "$object"
        objects+=("$object")
    done
    emar rcs "$2/lib/libz.a" "${objects[@]}"
    cp "$1/zlib.h" "$1/zconf.h" "$2/include/"
    printf '%s\n' "prefix=$2" 'Name: zlib' 'Description: zlib compression library' \
        "Version: ${2##*/zlib-}" "Libs: -L$2/lib -lz" "Cflags: -I$2/include" \
        >"$2/lib/pkgconfig/zlib.pc"
}
# SDL without threads: a page has them only when its server sends the isolation headers.
build_libsdl2() {
    cmake_build "$1" "$2" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF \
        -DSDL2_DISABLE_UNINSTALL=ON -DSDL_PTHREADS=OFF -DSDL_THREADS=OFF
}
build_libpng1.6() {
    local zlib
    zlib=$(built zlib1g-dev)
    cmake_build "$1" "$2" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DPNG_HARDWARE_OPTIMIZATIONS=OFF -DZLIB_INCLUDE_DIR="$zlib/include" \
        -DZLIB_LIBRARY="$zlib/lib/libz.a"
}
# The C code only, as for Windows.
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

# Only the web build's own pkg-config files, never the build machine's.
export PKG_CONFIG_LIBDIR=$cache_folder/none
# Debian's emscripten finds its own node modules there only.
export NODE_PATH=/usr/share/nodejs

# Named by the machine's binary packages, whose sources are the ones wanted; all by default.
packages=("${@:2}")
if [ ${#packages[@]} -eq 0 ]; then
    packages=(zlib1g-dev libsdl2-dev libogg-dev libvorbis-dev libpng-dev libjpeg62-turbo-dev
        libtomlplusplus-dev)
fi
for package in "${packages[@]}"; do
    built "$package"
done
