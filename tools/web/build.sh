#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The web build, with Debian's emscripten: installs it, builds the libraries from Debian's sources
# once (tools/web/libraries.sh, cached outside the clone), then the game's module and
# drobix-replay's (for node), and makes the page folder BUILD_FOLDER/page (the page, its script
# and module, the licences) and drobix-<version>-web.zip of it.
#
#   tools/web/build.sh [BUILD_FOLDER]     (default: build-web)
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/install-deps.sh

build=${1:-build-web}
mkdir -p "$build"
build=$(cd "$build" && pwd)

drobix_install_packages "${drobix_web_packages[@]}"
# Debian's emscripten finds its own node modules (acorn, for the optimiser) there only.
export NODE_PATH=/usr/share/nodejs

mapfile -t prefixes < <(tools/web/libraries.sh "$build/libraries")
pkg_config_dirs=$build/libraries/none
for prefix in "${prefixes[@]}"; do
    pkg_config_dirs+=:$prefix/lib/pkgconfig
done
prefix_list=$(IFS=';' && echo "${prefixes[*]}")

export PKG_CONFIG_LIBDIR=$pkg_config_dirs
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DDROBIX_WERROR=ON \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/web/toolchain-emscripten.cmake" \
        -DDROBIX_CROSS_PREFIXES="$prefix_list" >/dev/null
fi
cmake --build "$build" -j2 --target drobix drobix-replay

# The page folder: what a static server serves, with the licences of the game and of every
# library built into it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
page=$build/page
rm -rf "$page"
mkdir -p "$page/LICENSES" "$page/third-party"
cp packaging/web/index.html "$build/src/drobix.js" "$build/src/drobix.wasm" "$page/"
cp LICENSES/*.txt "$page/LICENSES/"
for prefix in "${prefixes[@]}"; do
    cp "$prefix/copyright" "$page/third-party/$(basename "$(readlink -f "$prefix")").txt"
done
cp /usr/share/doc/emscripten/copyright "$page/third-party/emscripten.txt"

zip_file=$build/drobix-$version-web.zip
rm -f "$zip_file"
rm -rf "$build/package"
mkdir -p "$build/package"
cp -r "$page" "$build/package/drobix-$version-web"
(cd "$build/package" && TZ=UTC zip -q -X -r "$zip_file" "drobix-$version-web")
echo "$(basename "$zip_file"): $(stat -c %s "$zip_file") bytes"
