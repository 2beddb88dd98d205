#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The modern handling, chosen in the settings file, on a virtual X server with real key events.
# Space held from the start of a game drops block after block until the game ends and is still
# held, the server repeating it, when the name entry opens: it types nothing there. Then "x" goes
# down, "y" goes down before "x" is released, both are released, and Enter keeps the name: the
# data file holds "xy", typed in the order the keys went down.
# Usage: modern_typing.sh PATH_TO_DROBIX
set -euo pipefail
game=$1
source "$(dirname "$0")/lib/server.sh"
e2e_seed_low_scores
mkdir -p "$XDG_CONFIG_HOME/drobix"
printf '[play]\nhandling = "modern"\n' >"$XDG_CONFIG_HOME/drobix/settings.toml"

e2e_start_x
# The server repeats a held key, as a desktop does; without it the held Space would prove less.
xset r on
e2e_start_game "$game"
e2e_press 3
# Ten rows of rubbish leave room for a few blocks: a drop every 50 ms fills the well in well under
# the four seconds Space is held, and the rest of the hold falls on the name entry.
e2e_hold space 4
e2e_wait_for_presents 2
# Each key's press is seen by a frame before the next change of the keys.
xdotool keydown x
e2e_wait_for_presents 2
xdotool keydown y
e2e_wait_for_presents 2
xdotool keyup x
e2e_wait_for_presents 2
xdotool keyup y
e2e_wait_for_presents 2
e2e_press Return
e2e_stop_game
e2e_expect_name 'xy'
