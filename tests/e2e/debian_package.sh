#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package from the build and checks its contents, its control fields, that
# lintian finds nothing to say about it, and that the program, the package, its changelog, the
# AppStream release and the manual page all carry the project's version.
# Usage: debian_package.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
app_id=org.quillbeam.drobix
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "$*"; exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
package=$(ls "$work"/drobix_*.deb)
contents=$(dpkg-deb -c "$package" | awk '{print $6}')
for file in ./usr/games/drobix ./usr/share/doc/drobix/changelog.gz \
    ./usr/share/doc/drobix/copyright ./usr/share/applications/$app_id.desktop \
    ./usr/share/metainfo/$app_id.metainfo.xml ./usr/share/man/man6/drobix.6.gz; do
    grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done
for size in 16 32 48 64 128 256; do
    file=./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done
[ "$(dpkg-deb -f "$package" Package)" = drobix ] || fail "the package's name"
[ "$(dpkg-deb -f "$package" Section)" = games ] || fail "the package's section"
# The libraries the program links, found by dpkg-shlibdeps.
depends=$(dpkg-deb -f "$package" Depends)
grep -q 'libsdl2-2.0-0' <<<"$depends" || fail "the package does not depend on SDL: $depends"
# Debian keeps games in /usr/games, which not every PATH holds: the menu entry names the place.
tree=$work/tree
dpkg-deb -x "$package" "$tree"
grep -qx 'Exec=/usr/games/drobix' "$tree/usr/share/applications/$app_id.desktop" ||
    fail "the package's menu entry does not start /usr/games/drobix"

# Every tag at every level, information and pedantry included. Its tags go to standard output;
# standard error has only its own remarks (such as being run as root).
lintian --pedantic --display-info --display-experimental "$package" >"$work/lintian.log" \
    2>"$work/lintian.errors" ||
    { cat "$work/lintian.log" "$work/lintian.errors"; fail "lintian failed"; }
[ ! -s "$work/lintian.log" ] || { cat "$work/lintian.log"; fail "lintian has something to say"; }

# One version everywhere.
expect_version() {
    local what=$1 found=$2 expected=$3
    [ "$found" = "$expected" ] || fail "$what says '$found', not '$expected'"
}
expect_version "the package" "$(dpkg-deb -f "$package" Version)" "$version"
expect_version "drobix --version" "$("$tree/usr/games/drobix" --version)" "drobix $version"
expect_version "the changelog" "$(zcat "$tree/usr/share/doc/drobix/changelog.gz" | sed -n 1p)" \
    "drobix ($version) unstable; urgency=medium"
expect_version "the AppStream data's newest release" \
    "$(grep -m1 -o '<release version="[^"]*"' "$tree/usr/share/metainfo/$app_id.metainfo.xml")" \
    "<release version=\"$version\""
# The .TH line's fourth field: "Drobix VERSION".
expect_version "the manual page" \
    "$(zcat "$tree/usr/share/man/man6/drobix.6.gz" | grep '^\.TH' | cut -d'"' -f4)" \
    "Drobix $version"
