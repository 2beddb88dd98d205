#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Two copies of the real game at once, each on its own virtual X server, sharing one data file.
# Both play to a new high score and enter a name; the first ends, then the second. Both names
# must be in the data file afterwards: the second copy's save must not drop the first one's score.
# Usage: two_copies.sh PATH_TO_DROBIX
set -euo pipefail
game=$1
source "$(dirname "$0")/lib/server.sh"
e2e_seed_low_scores

# Each copy's display, frame copy and process, by its number.
displays=()
frame_copies=()
games=()
for copy in 0 1; do
    e2e_start_x
    e2e_game_log=$e2e_work/game$copy.log
    e2e_start_game "$game"
    displays+=("$DISPLAY")
    frame_copies+=("$DROBIX_FRAME_COPY")
    games+=("$e2e_game_pid")
done

# use_copy N: what the helpers act on is copy N.
use_copy() {
    export DISPLAY=${displays[$1]} DROBIX_FRAME_COPY=${frame_copies[$1]}
    e2e_game_pid=${games[$1]}
}

# Presses a key on both copies at once, as e2e_press does on one.
press_both() {
    local copy holds=()
    for copy in 0 1; do
        DISPLAY=${displays[copy]} "$e2e_key_press" "${frame_copies[copy]}" "${games[copy]}" "$1" &
        holds+=($!)
    done
    for copy in 0 1; do
        wait "${holds[copy]}" || e2e_fail "the key press $1 was not seen through on copy $copy"
    done
    sleep "$E2E_KEY_GATE_SECONDS"
}

type_name() {
    use_copy "$1"
    shift
    local key
    for key in "$@" Return; do
        e2e_press "$key"
    done
}

# Both games begin; then blocks are dropped into both wells at once until each is full.
press_both 3
backgrounds=()
for copy in 0 1; do
    use_copy "$copy"
    backgrounds+=("$(e2e_steady_name_panel_strip)")
done
drops=()
for copy in 0 1; do
    (use_copy "$copy" && e2e_drop_until_name_entry "${backgrounds[copy]}") &
    drops+=($!)
done
for copy in 0 1; do
    wait "${drops[copy]}" || e2e_fail "copy $copy: no name entry"
done
type_name 0 f i r s t
type_name 1 s e c o n d
use_copy 0
e2e_stop_game
use_copy 1
e2e_stop_game

# Each name whole; a loaded machine may repeat a letter, which is the name entry's business, not
# this test's.
e2e_expect_name 'f+i+r+s+t+'
e2e_expect_name 's+e+c+o+n+d+'
