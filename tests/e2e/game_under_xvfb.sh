#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the real game under a virtual X server: its window must take the keyboard focus, real key
# events (through XTEST) must start a game from the main menu and be played without harm, and
# SIGTERM must end it normally, with the data file written and no progress lines printed.
# Usage: game_under_xvfb.sh PATH_TO_DROBIX
set -euo pipefail
if [ -z "${DROBIX_UNDER_XVFB:-}" ]; then
    DROBIX_UNDER_XVFB=1 exec xvfb-run -a -s "-noreset -screen 0 1024x768x24" "$0" "$@"
fi
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/scratch_home.sh"
use_scratch_home "$work"

run_session() {
    "$game" >"$work/game.log" 2>&1 &
    local pid=$!
    if ! timeout 20 xdotool search --sync --name '^Drobix$' >/dev/null; then
        echo "no Drobix window appeared"; kill -9 "$pid"; return 1
    fi
    sleep 1
    local focused
    focused=$(xdotool getwindowfocus getwindowname)
    if [ "$focused" != "Drobix" ]; then
        echo "the window does not have the keyboard focus (focus: $focused)"; kill -9 "$pid"
        return 1
    fi
    # The main menu's 3 starts a game.
    xdotool keydown 3; sleep 0.1; xdotool keyup 3
    sleep 0.5
    for key in Left Left Up Right Down grave space Escape n; do
        xdotool key --delay 200 "$key"
    done
    sleep 0.5
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "the game ended while keys were pressed"; cat "$work/game.log"; return 1
    fi
    kill -TERM "$pid"
    local status=0
    wait "$pid" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "exit status $status"; cat "$work/game.log"; return 1
    fi
    local data=$XDG_DATA_HOME/Quillbeam/Drobix/Drobix.dat
    if [ "$(stat -c %s "$data" 2>/dev/null)" != 114 ]; then
        echo "the data file was not written with the default record"; return 1
    fi
    # Quiet by default: the progress lines are for --verbose.
    if grep -q -e "Initialising Game" -e "Ogg resource retrieved" "$work/game.log"; then
        echo "progress lines printed without --verbose"; cat "$work/game.log"; return 1
    fi
}
run_session
