#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The pause in the real game under a virtual X server, driven by real key events and watched on
# the screen: while a game plays the picture moves (the block falls); P stops it still, and it
# stays still while P is held; P again moves it on; and a focus taken away pauses the game,
# which is still paused when the focus comes back. Then a pause key bound in the settings file.
# Usage: pause_under_xvfb.sh PATH_TO_DROBIX PATH_TO_DROBIX_SCREEN_HASH
set -euo pipefail
game=$1
screen_hash=$2
source "$(dirname "$0")/lib/server.sh"
# A block falls a row every 600 ms at level 0: a second of frames shows it moving.
readonly FRAMES_TO_MOVE=60

# Whether the screen changes over the next FRAMES_TO_MOVE presents of the game: as many frames
# take at least as long in the game's time, however slowly they come.
moves() {
    local before
    before=$("$screen_hash")
    e2e_wait_for_presents "$FRAMES_TO_MOVE"
    [ "$("$screen_hash")" != "$before" ]
}

# Whether the game has stopped presenting frames: it does not while it has no focus.
presents_stopped() {
    local before
    before=$(e2e_presents)
    sleep 0.3
    [ "$(e2e_presents)" = "$before" ]
}

e2e_start_x
e2e_start_game "$game"
window=$e2e_window
# The main menu's 3 starts a game.
e2e_press 3
moves || e2e_fail "the game does not move while it plays"

xdotool keydown p
e2e_wait_for_presents 3
moves && e2e_fail "the game moves while it is paused, or a held P resumed it"
xdotool keyup p
moves && e2e_fail "the game moves while it is paused"
e2e_press p
moves || e2e_fail "P did not resume the game"

# The focus goes to the root window, and comes back.
xdotool windowfocus --sync "$("$screen_hash" --root)"
e2e_until "$E2E_TIMEOUT" "the game kept presenting frames without the focus" presents_stopped
xdotool windowfocus --sync "$window"
e2e_wait_for_presents 3
moves && e2e_fail "the game played on after the focus was lost"
e2e_press p
moves || e2e_fail "P did not resume the game after the focus came back"
e2e_stop_game

# A key bound in the settings file acts in the real game, and the default key it replaced does
# not: K pauses, P no longer does.
mkdir -p "$XDG_CONFIG_HOME/drobix"
printf '[keys]\npause = ["K"]\n' >"$XDG_CONFIG_HOME/drobix/settings.toml"
e2e_start_game "$game"
e2e_press 3
e2e_press p
moves || e2e_fail "P paused the game although the settings file binds pause to K"
e2e_press k
moves && e2e_fail "K, bound to pause in the settings file, did not pause the game"
e2e_stop_game
