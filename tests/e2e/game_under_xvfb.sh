#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the real game under a virtual X server: its window must take the keyboard focus, real key
# events (through XTEST) must start a game from the main menu and be played without harm, and
# SIGTERM must end it normally, with the data file written and no progress lines printed.
# Usage: game_under_xvfb.sh PATH_TO_DROBIX
set -euo pipefail
game=$1
source "$(dirname "$0")/lib/server.sh"

e2e_start_x
e2e_start_game "$game"
focused_on_the_game() {
    [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = Drobix ]
}
e2e_until "$E2E_TIMEOUT" "the window does not have the keyboard focus" focused_on_the_game
# The main menu's 3 starts a game.
e2e_press 3
for key in Left Left Up Right Down grave space Escape n; do
    e2e_press "$key"
done
e2e_running "$e2e_game_pid" || e2e_fail "the game ended while keys were pressed"
e2e_stop_game
[ "$(stat -c %s "$data" 2>/dev/null)" = 114 ] ||
    e2e_fail "the data file was not written with the default record"
# Quiet by default: the progress lines are for --verbose.
if grep -q -e "Initialising Game" -e "Ogg resource retrieved" "$e2e_work/game.log"; then
    e2e_fail "progress lines printed without --verbose"
fi
