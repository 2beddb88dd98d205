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

# CMake's checks cost one emcc compile, link or run each (hundreds for SDL, and emcc is slow to
# start). Their results, recorded from a full configure run of the same source version with the
# same compiler and CMake, start the configure run (tools/web/checks/<source>-<version>.cmake): a
# check whose result is already in the cache is skipped. Any other source version, compiler or
# CMake, or a change to the library's build function here (its options), configures in full.
# DROBIX_WEB_RECORD_CHECKS=1 configures in full and records the results.
checks_folder=$here/checks
checks_tools=$(printf 'emscripten %s, %s, %s' "$(dpkg-query -W -f '${Version}' emscripten)" \
    "$(emcc -v 2>&1 | sed -n 2p)" "$(cmake --version | head -n1)")

# The check results among a configured build's cache entries: the internal ones, less CMake's own
# bookkeeping, pkg-config's findings, the options' remembered values (WITH_*) and anything naming
# a path (which differs between machines).
# record_checks BUILD_FOLDER CHECKS_FILE HEADER
record_checks() {
    {
        # The licence header in two parts, so that this script's own header stays its only one.
        printf '# SPDX-%s\n#\n# SPDX-%s\n\n' 'FileCopyrightText: 2026 The Drobix developers' \
            'License-Identifier: GPL-3.0-or-later'
        printf '%s\n' "$3" '# Recorded by DROBIX_WEB_RECORD_CHECKS=1 tools/web/libraries.sh.'
        awk -F ':INTERNAL=' '
            /^[A-Za-z0-9_]+:INTERNAL=/ && $1 !~ /^(CMAKE_|_|FIND_PACKAGE_|PC_|WITH_)/ && $2 !~ /\// {
                gsub(/[\\"]/, "\\\\&", $2)
                printf "set(%s \"%s\" CACHE INTERNAL \"\")\n", $1, $2
            }' "$1/CMakeCache.txt" | sort
    } >"$2"
}

# checked_cmake_build SOURCE PREFIX [CMAKE OPTIONS...]: cmake_build, from recorded check results
# when they match.
checked_cmake_build() {
    local checks=$checks_folder/${2##*/}.cmake header
    header="# Check results of a full configure run, for $checks_tools, ${FUNCNAME[1]} $(
        declare -f "${FUNCNAME[1]}" | sha256sum | cut -c1-16)"
    if [ -n "${DROBIX_WEB_RECORD_CHECKS:-}" ]; then
        cmake_build "$@"
        mkdir -p "$checks_folder"
        record_checks "$1/$build_subfolder" "$checks" "$header"
    elif [ -f "$checks" ] && grep -qxF "$header" "$checks"; then
        cmake_build "$@" -C "$checks"
    else
        cmake_build "$@"
    fi
}

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
    checked_cmake_build "$1" "$2" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF \
        -DSDL2_DISABLE_UNINSTALL=ON -DSDL_PTHREADS=OFF -DSDL_THREADS=OFF
}
build_libpng1.6() {
    local zlib
    zlib=$(built zlib1g-dev)
    checked_cmake_build "$1" "$2" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DPNG_HARDWARE_OPTIMIZATIONS=OFF -DZLIB_INCLUDE_DIR="$zlib/include" \
        -DZLIB_LIBRARY="$zlib/lib/libz.a"
}
# The C code only, as for Windows.
build_libjpeg-turbo() {
    checked_cmake_build "$1" "$2" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
        -DWITH_SIMD=OFF -DWITH_JPEG8=OFF
}
build_libogg() {
    checked_cmake_build "$1" "$2" -DINSTALL_DOCS=OFF
}
build_libvorbis() {
    local ogg
    ogg=$(built libogg-dev)
    PKG_CONFIG_LIBDIR=$ogg/lib/pkgconfig checked_cmake_build "$1" "$2" -DDROBIX_CROSS_PREFIXES="$ogg"
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
