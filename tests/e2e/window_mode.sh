#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The command line and the window mode of the real game under a virtual X server: --help,
# --version, their short forms -h and -v, and an unknown option give their output and exit codes;
# --window opens a window smaller than the screen that asks the window system to keep it no
# smaller than 400 x 300, Alt+Enter makes it cover the screen with no such floor, and the mode last switched to is
# where the next run starts (kept in the settings file); a damaged entry gives full screen; the
# older one-word mode file is carried over into the settings file once; the settings screen
# switches the mode too.
# Usage: window_mode.sh PATH_TO_DROBIX
set -euo pipefail
if [ -z "${DROBIX_UNDER_XVFB:-}" ]; then
    DROBIX_UNDER_XVFB=1 exec xvfb-run -a -s "-noreset -screen 0 1024x768x24" "$0" "$@"
fi
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/scratch_home.sh"
source "$(dirname "$0")/keys.sh"
use_scratch_home "$work"
settings_file=$XDG_CONFIG_HOME/drobix/settings.toml
old_mode_file=$XDG_CONFIG_HOME/drobix/window-mode
saved_mode() { sed -n 's/^window = "\(.*\)"$/\1/p' "$settings_file"; }

fail() { echo "$*"; exit 1; }

check_command_line() {
    local status=0
    "$game" --help >"$work/out" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "--help exits $status"
    grep -q -- '--window' "$work/out" || fail "--help does not list --window"
    "$game" -h >"$work/short" 2>&1 || fail "-h exits $?"
    cmp -s "$work/out" "$work/short" || fail "-h prints $(cat "$work/short")"
    status=0
    "$game" --version >"$work/out" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "--version exits $status"
    grep -qx 'drobix [0-9]*\.[0-9]*\.[0-9]*' "$work/out" || fail "--version prints $(cat "$work/out")"
    "$game" -v >"$work/short" 2>&1 || fail "-v exits $?"
    cmp -s "$work/out" "$work/short" || fail "-v prints $(cat "$work/short")"
    status=0
    "$game" --bogus >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 2 ] || fail "an unknown option exits $status"
    [ "$(head -n 1 "$work/err")" = "drobix: unknown option '--bogus'" ] ||
        fail "an unknown option prints $(head -n 1 "$work/err")"
    grep -q '^Usage:' "$work/err" || fail "an unknown option does not print the usage"
}

# The game's window's size as WIDTHxHEIGHT, once it has settled.
window_size() {
    sleep 1
    xdotool search --name '^Drobix$' getwindowgeometry | awk '/Geometry/ {print $2}'
}

# The least size the game's window asks the window manager for, as "W by H", or nothing.
minimum_size() {
    xprop -id "$(xdotool search --name '^Drobix$' | head -n 1)" WM_NORMAL_HINTS |
        sed -n 's/^[[:space:]]*program specified minimum size: //p'
}

start_game() {
    "$game" "$@" >"$work/game.log" 2>&1 &
    pid=$!
    timeout 20 xdotool search --sync --name '^Drobix$' >/dev/null || fail "no Drobix window"
}

end_game() {
    kill -TERM "$pid"
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || { cat "$work/game.log"; fail "exit status $status"; }
}

check_command_line
screen=$(xdotool getdisplaygeometry | tr ' ' x)

start_game --window
[ "$(window_size)" = 800x600 ] || fail "--window opens $(window_size) on a $screen screen"
[ "$(minimum_size)" = "400 by 300" ] || fail "the window's least size is '$(minimum_size)'"
xdotool key alt+Return
[ "$(window_size)" = "$screen" ] || fail "Alt+Enter gives $(window_size), not $screen"
[ "$(minimum_size)" = "1 by 1" ] || fail "full screen's least size is '$(minimum_size)'"
xdotool key F11
[ "$(window_size)" = 800x600 ] || fail "F11 back gives $(window_size)"
[ "$(minimum_size)" = "400 by 300" ] || fail "the window's least size is '$(minimum_size)' again"
xdotool key F11
[ "$(window_size)" = "$screen" ] || fail "F11 gives $(window_size), not $screen"
end_game
[ "$(saved_mode)" = fullscreen ] || fail "the settings file holds $(cat "$settings_file")"

start_game
[ "$(window_size)" = "$screen" ] || fail "the run after full screen opens $(window_size)"
xdotool key F11
[ "$(window_size)" = 800x600 ] || fail "F11 gives $(window_size)"
end_game

start_game
[ "$(window_size)" = 800x600 ] || fail "the run after a window opens $(window_size)"
end_game

printf 'window = "windowed"\n' >"$settings_file"
start_game
[ "$(window_size)" = "$screen" ] || fail "a damaged mode entry opens $(window_size)"
end_game
grep -q 'settings.toml: window: "windowed" is neither' "$work/game.log" ||
    fail "a damaged mode entry is not reported: $(cat "$work/game.log")"

rm "$settings_file"
printf 'window\n' >"$old_mode_file"
start_game
[ "$(window_size)" = 800x600 ] || fail "the old mode file's window opens $(window_size)"
end_game
[ ! -e "$old_mode_file" ] || fail "the old mode file is still there"
[ "$(saved_mode)" = window ] || fail "the carried-over settings file holds $(cat "$settings_file")"

# The settings screen (4 on the main menu) switches the mode at once with its first line and
# writes the settings file there and then, before the game ends.
start_game
[ "$(window_size)" = 800x600 ] || fail "the run after the carry-over opens $(window_size)"
sleep 0.5
press 4
sleep 0.5
press 1
[ "$(window_size)" = "$screen" ] || fail "the settings' window line gives $(window_size)"
[ "$(saved_mode)" = fullscreen ] || fail "the settings screen wrote $(cat "$settings_file")"
end_game
