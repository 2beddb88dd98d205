#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libraries Drobix links on Windows as static libraries for x86_64-w64-mingw32, from
# Debian's own source packages, once per source version, into a cache outside the clone:
# ${XDG_CACHE_HOME:-~/.cache}/drobix-cross/<package>-<version>. The sources come through a private
# apt configuration made from this machine's own (its archives, with the source type added), so
# the system's configuration is never touched. Prints the install folders, one a line.
#
#   tools/windows/libraries.sh WORK_FOLDER [BINARY_PACKAGE...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
work=$(mkdir -p "$1" && cd "$1" && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/drobix-cross
toolchain=$here/toolchain-mingw64.cmake
triplet=x86_64-w64-mingw32
jobs=${DROBIX_JOBS:-2}
mkdir -p "$cache"

# The source package and its version behind one of the machine's binary packages: the cache key.
source_version() {
    apt-cache show --no-all-versions "$1" | awk '
        /^Source:/ { name = $2; if ($3 ~ /^\(/) { version = $3; gsub(/[()]/, "", version) } }
        /^Version:/ { if (version == "") version = $2 }
        END { print name "=" version }'
}

# The private apt configuration: the machine's lists of archives with deb-src added beside deb.
apt_private=()
private_apt() {
    [ ${#apt_private[@]} -eq 0 ] || return 0
    local dir=$work/apt
    rm -rf "$dir"
    mkdir -p "$dir/sources.list.d" "$dir/lists/partial" "$dir/cache/archives/partial"
    touch "$dir/sources.list"
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*\)/deb \1\ndeb-src \1/p' /etc/apt/sources.list >"$dir/sources.list"
    fi
    local file
    for file in /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        sed -n 's/^deb \(.*\)/deb \1\ndeb-src \1/p' "$file" >"$dir/sources.list.d/${file##*/}"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        sed 's/^Types:.*$/Types: deb deb-src/' "$file" >"$dir/sources.list.d/${file##*/}"
    done
    apt_private=(-o "Dir::Etc::sourcelist=$dir/sources.list"
        -o "Dir::Etc::sourceparts=$dir/sources.list.d"
        -o "Dir::State::Lists=$dir/lists" -o "Dir::Cache=$dir/cache"
        -o "Dir::State::status=/var/lib/dpkg/status" -o "APT::Sandbox::User=root")
    apt-get "${apt_private[@]}" -qq update >&2
}

# fetch SOURCE=VERSION: unpacks Debian's source package (with its patches) into the work folder.
fetch() {
    private_apt
    local dir=$work/src/${1%%=*}
    rm -rf "$dir"
    mkdir -p "$dir"
    (cd "$dir" && apt-get "${apt_private[@]}" -qq source "$1" >&2)
}

# The source versions the archives offer, newest first.
offered_versions() {
    private_apt
    apt-cache "${apt_private[@]}" showsrc "$1" | awk '/^Version:/ { print $2 }' |
        sort -r -V -u
}

cmake_build() {
    local src=$1 prefix=$2
    shift 2
    cmake -S "$src" -B "$src/build-mingw" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_SHARED_LIBS=OFF "$@" >&2
    cmake --build "$src/build-mingw" -j"$jobs" >&2
    cmake --install "$src/build-mingw" >&2
}

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
# Headers only, and the pkg-config file the Linux build finds it by.
build_tomlplusplus() {
    mkdir -p "$2/include" "$2/lib/pkgconfig"
    cp -r "$1/include/toml++" "$2/include/"
    printf '%s\n' "prefix=$2" 'Name: tomlplusplus' 'Description: TOML for C++' \
        "Version: ${2##*/tomlplusplus-}" "Cflags: -I$2/include -DTOML_HEADER_ONLY=1" \
        >"$2/lib/pkgconfig/tomlplusplus.pc"
}

# A library of headers only is its own source: when the archive no longer holds its source
# package, the headers of the machine's own package of the same version stand in for it.
from_package_tomlplusplus() {
    rm -rf "$2"
    mkdir -p "$2/include" "$2/debian"
    cp -r /usr/include/toml++ "$2/include/"
    cp "/usr/share/doc/$1/copyright" "$2/debian/copyright"
}

# built BINARY_PACKAGE: the cached install folder of the package's source, built first when
# missing.
built() {
    local spec name version prefix
    spec=$(source_version "$1")
    name=${spec%%=*}
    version=${spec#*=}
    prefix=$cache/$name-${version//:/_}
    if [ ! -f "$prefix/.complete" ]; then
        # An archive may no longer hold the version installed here (a security update moves
        # on): then the newest one it does hold, kept under both versions' names.
        local built_version
        for built_version in "$version" $(offered_versions "$name"); do
            fetch "$name=$built_version" && break
            built_version=
        done
        if [ -z "$built_version" ] && declare -F "from_package_$name" >/dev/null; then
            "from_package_$name" "$1" "$work/src/$name/$name-$version"
            built_version=$version
        fi
        [ -n "$built_version" ] || { echo "No source of $name could be fetched" >&2; return 1; }
        local built_prefix=$cache/$name-${built_version//:/_}
        if [ ! -f "$built_prefix/.complete" ]; then
            echo "Building $name $built_version for Windows" >&2
            rm -rf "$built_prefix"
            local src
            src=$(find "$work/src/$name" -mindepth 1 -maxdepth 1 -type d | head -n1)
            "build_$name" "$src" "$built_prefix"
            # Its licence, shipped with the Windows programs that include it.
            cp "$src/debian/copyright" "$built_prefix/copyright"
            touch "$built_prefix/.complete"
        fi
        if [ "$built_prefix" != "$prefix" ]; then
            rm -rf "$prefix"
            ln -s "$built_prefix" "$prefix"
        fi
    fi
    echo "$prefix"
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
