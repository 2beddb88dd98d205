#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Packs the Windows build: drobix-<version>-windows-x86_64.zip (the game, its README for Windows
# players, the licences of the game and of every library in it) and drobix-<version>-setup.exe
# (NSIS). Prints the two files' paths and sizes.
#   tools/windows/package.sh BUILD_FOLDER PREFIX...   (tools/windows/build.sh's, and the
#                                                     libraries' install folders)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(cd "$1" && pwd)
shift
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/game/CMakeCache.txt")
name=drobix-$version
stage=$build/package/$name
rm -rf "$build/package"
mkdir -p "$stage/LICENSES" "$stage/third-party"

x86_64-w64-mingw32-strip -o "$stage/drobix.exe" "$build/game/src/drobix.exe"
# Windows' own line endings for the texts a player opens.
sed 's/$/\r/' packaging/windows/README.txt >"$stage/README.txt"
for licence in LICENSES/*.txt; do
    sed 's/$/\r/' "$licence" >"$stage/$licence"
done
# The libraries linked in: Debian's copyright file of each source, and the compiler's runtime.
for prefix in "$@"; do
    library=$(basename "$(readlink -f "$prefix")")
    sed 's/$/\r/' "$prefix/copyright" >"$stage/third-party/$library.txt"
done
sed 's/$/\r/' /usr/share/doc/libz-mingw-w64-dev/copyright >"$stage/third-party/zlib.txt"
sed 's/$/\r/' /usr/share/doc/mingw-w64-common/copyright >"$stage/third-party/mingw-w64.txt"
sed 's/$/\r/' /usr/share/doc/gcc-mingw-w64-base/copyright >"$stage/third-party/gcc-runtime.txt"

zip_file=$build/$name-windows-x86_64.zip
setup_file=$build/$name-setup.exe
rm -f "$zip_file" "$setup_file"
(cd "$build/package" && TZ=UTC zip -q -X -r "$zip_file" "$name")
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup_file" \
    packaging/windows/drobix.nsi
for file in "$zip_file" "$setup_file"; do
    echo "$(basename "$file"): $(stat -c %s "$file") bytes"
done
