#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The command line and the window mode of the real game under a virtual X server: --help,
# --version (and -h, -v) and an unknown option give their output and exit codes; --window opens a
# window smaller than the screen and asks for no less than 400 x 300, Alt+Enter makes it cover the
# screen, and the mode last switched to is where the next run starts (written to the settings file
# as it changes);
# a damaged entry gives full screen; the older one-word mode file is carried over into the
# settings file once; the settings screen switches the mode too.
# Usage: window_mode.sh PATH_TO_DROBIX
set -euo pipefail
game=$1
source "$(dirname "$0")/lib/server.sh"
settings_file=$XDG_CONFIG_HOME/drobix/settings.toml
old_mode_file=$XDG_CONFIG_HOME/drobix/window-mode
saved_mode() { sed -n 's/^window = "\(.*\)"$/\1/p' "$settings_file"; }

fail() { e2e_fail "$*"; }

# expect_saved_mode MODE WHAT: until the settings file remembers MODE.
expect_saved_mode() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until [ -f "$settings_file" ] && [ "$(saved_mode)" = "$1" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$2 leaves the settings file without $1"
        sleep 0.05
    done
}

check_command_line() {
    local status=0
    "$game" --help >"$e2e_work/out" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "--help exits $status"
    grep -q -- '--window' "$e2e_work/out" || fail "--help does not list --window"
    "$game" -h >"$e2e_work/short" 2>&1 || fail "-h exits $?"
    cmp -s "$e2e_work/out" "$e2e_work/short" || fail "-h prints $(cat "$e2e_work/short")"
    status=0
    "$game" --version >"$e2e_work/out" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "--version exits $status"
    grep -qx 'drobix [0-9]*\.[0-9]*\.[0-9]*' "$e2e_work/out" ||
        fail "--version prints $(cat "$e2e_work/out")"
    "$game" -v >"$e2e_work/short" 2>&1 || fail "-v exits $?"
    cmp -s "$e2e_work/out" "$e2e_work/short" || fail "-v prints $(cat "$e2e_work/short")"
    status=0
    "$game" --bogus >"$e2e_work/out" 2>"$e2e_work/err" || status=$?
    [ "$status" -eq 2 ] || fail "an unknown option exits $status"
    [ "$(head -n 1 "$e2e_work/err")" = "drobix: unknown option '--bogus'" ] ||
        fail "an unknown option prints $(head -n 1 "$e2e_work/err")"
    grep -q '^Usage:' "$e2e_work/err" || fail "an unknown option does not print the usage"
}

# The game's window's size as WIDTHxHEIGHT.
window_size() {
    xdotool search --name '^Drobix$' getwindowgeometry | awk '/Geometry/ {print $2}'
}

window_has_size() {
    [ "$(window_size)" = "$1" ]
}

# expect_size SIZE WHAT: until the window has SIZE (the server's answer to a change comes when
# it comes); fails with the size it has after the time limit.
expect_size() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until window_has_size "$1"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$2 gives $(window_size), not $1"
        sleep 0.05
    done
}

# The least size the game's window asks the window manager for, as "W by H", or nothing.
minimum_size() {
    xprop -id "$(xdotool search --name '^Drobix$' | head -n 1)" WM_NORMAL_HINTS |
        sed -n 's/^[[:space:]]*program specified minimum size: //p'
}

# expect_minimum SIZE WHAT: until the window asks for SIZE as its least size.
expect_minimum() {
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until [ "$(minimum_size)" = "$1" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$2: the window's least size is '$(minimum_size)'"
        sleep 0.05
    done
}

start_game() {
    e2e_start_game "$game" "$@"
}

check_command_line
e2e_start_x
screen=$(xdotool getdisplaygeometry | tr ' ' x)

start_game --window
expect_size 800x600 "--window on a $screen screen"
expect_minimum "400 by 300" "--window"
e2e_press alt+Return
expect_size "$screen" "Alt+Enter"
expect_minimum "1 by 1" "full screen"
e2e_press F11
expect_size 800x600 "F11 back"
expect_minimum "400 by 300" "F11 back"
# Written when it changes, not at the end: another copy may write the file before then.
expect_saved_mode window "F11 back"
e2e_press F11
expect_size "$screen" "F11 again"
e2e_stop_game
[ "$(saved_mode)" = fullscreen ] || fail "the settings file holds $(cat "$settings_file")"

start_game
expect_size "$screen" "the run after full screen"
e2e_press F11
expect_size 800x600 "F11"
e2e_stop_game

start_game
expect_size 800x600 "the run after a window"
e2e_stop_game

printf 'window = "windowed"\n' >"$settings_file"
start_game
expect_size "$screen" "a damaged mode entry"
e2e_stop_game
grep -q 'settings.toml: window: "windowed" is neither' "$e2e_work/game.log" ||
    fail "a damaged mode entry is not reported"

rm "$settings_file"
printf 'window\n' >"$old_mode_file"
start_game
expect_size 800x600 "the old mode file's window"
e2e_stop_game
[ ! -e "$old_mode_file" ] || fail "the old mode file is still there"
[ "$(saved_mode)" = window ] || fail "the carried-over settings file holds $(cat "$settings_file")"

# The settings screen (4 on the main menu) switches the mode at once with its first line and
# writes the settings file there and then, before the game ends.
start_game
expect_size 800x600 "the run after the carry-over"
e2e_press_into_menu 4
e2e_press 1
expect_size "$screen" "the settings' window line"
[ "$(saved_mode)" = fullscreen ] || fail "the settings screen wrote $(cat "$settings_file")"
e2e_stop_game
