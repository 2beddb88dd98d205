#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary prefix and checks what a desktop reads there: the desktop
# entry and the AppStream data validate, the latter without a single remark, the icon is a PNG of
# each theme size, man finds the page, and the installed program starts on a virtual X server and
# ends with status 0 when Esc is pressed on its main menu.
# Usage: install_tree.sh BUILD_FOLDER DISPLAY_NUMBER
set -euo pipefail
build=$1
display_number=$2
app_id=org.quillbeam.drobix
work=$(mktemp -d)
prefix=$work/prefix
source "$(dirname "$0")/scratch_home.sh"
use_scratch_home "$work"
xvfb_pid=
# Keeps the script's own exit status, whatever the server's end returns.
cleanup() {
    local status=$?
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
fail() {
    echo "$*"; exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log"

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop"
appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream.log" ||
    { cat "$work/appstream.log"; fail "the AppStream data does not validate"; }
# Nothing to remark on, pedantry included. Debian 12's validator (AppStream 0.16) predates the
# <developer> element that AppStream 1.0 puts in place of <developer_name>, and calls it an
# unknown tag: that remark alone is let through.
remarks=$(grep -E '^[EWIP]: ' "$work/appstream.log" |
    grep -vE '^I: [^ ]+: unknown-tag developer$' || true)
[ -z "$remarks" ] || { cat "$work/appstream.log"; fail "the AppStream data draws remarks"; }
grep -qx 'Categories=Game;BlocksGame;' "$desktop" || fail "the desktop entry's categories"
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

Xvfb ":$display_number" -noreset -nolisten tcp -screen 0 1024x768x24 >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display_number"
for _ in $(seq 100); do
    xkbcomp "$DISPLAY" - >/dev/null 2>&1 && break
    sleep 0.1
done
"$prefix/bin/$exec_line" >"$work/game.log" 2>&1 &
game_pid=$!
if ! timeout 20 xdotool search --sync --name '^Drobix$' >/dev/null; then
    kill -9 "$game_pid"; fail "the installed program showed no window"
fi
sleep 1
xdotool keydown Escape
sleep 0.1
xdotool keyup Escape
status=0
for _ in $(seq 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$game_pid" 2>/dev/null; then
    kill -9 "$game_pid"; fail "the installed program did not end on Esc"
fi
wait "$game_pid" || status=$?
[ "$status" -eq 0 ] || { cat "$work/game.log"; fail "the installed program ended with $status"; }
