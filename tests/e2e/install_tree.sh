#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary prefix and checks what a desktop reads there: the desktop
# entry and the AppStream data validate, the latter without a single remark, the icon is a PNG of
# each theme size, man finds the page, and the installed program starts on a virtual X server and
# ends with status 0 when Esc is pressed on its main menu.
# Usage: install_tree.sh BUILD_FOLDER
set -euo pipefail
build=$1
app_id=org.quillbeam.drobix
source "$(dirname "$0")/lib/server.sh"
prefix=$e2e_work/prefix
fail() {
    e2e_fail "$*"
}

cmake --install "$build" --prefix "$prefix" >"$e2e_work/install.log"

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop"
appstreamcli validate --pedantic --no-net "$metainfo" >"$e2e_work/appstream.log" ||
    { cat "$e2e_work/appstream.log"; fail "the AppStream data does not validate"; }
# Nothing to remark on, pedantry included. Debian 12's validator (AppStream 0.16) predates the
# <developer> element that AppStream 1.0 puts in place of <developer_name>, and calls it an
# unknown tag: that remark alone is let through.
remarks=$(grep -E '^[EWIP]: ' "$e2e_work/appstream.log" |
    grep -vE '^I: [^ ]+: unknown-tag developer$' || true)
[ -z "$remarks" ] || { cat "$e2e_work/appstream.log"; fail "the AppStream data draws remarks"; }
grep -qx 'Categories=Game;BlocksGame;' "$desktop" || fail "the desktop entry's categories"
grep -q '^Comment\[de\]=.' "$desktop" || fail "the desktop entry has no German comment"
grep -q '<summary xml:lang="de">' "$metainfo" || fail "the AppStream data has no German summary"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's icon"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream data does not launch the desktop entry"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$prefix/bin/$exec_line" ] || fail "the desktop entry starts $exec_line, not installed"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [ -f "$icon" ] || fail "no icon of $size pixels"
    signature=$(od -An -tx1 -N8 "$icon" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "the $size-pixel icon is not a PNG"
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$width x $height" = "$size x $size" ] || fail "the $size-pixel icon is $width x $height"
done

page=$(MANPATH=$prefix/share/man man -w drobix)
[ "$page" = "$prefix/share/man/man6/drobix.6.gz" ] || fail "man finds $page"
zcat "$page" | grep -q '^\.SH GAMEPAD' || fail "the manual page has no gamepad section"

e2e_start_x
e2e_start_game "$prefix/bin/$exec_line"
e2e_press Escape
e2e_wait_for_game_end 5
[ "$e2e_game_status" -eq 0 ] || fail "the installed program ended with $e2e_game_status"
