#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What saves killed part-way left beside the data file, and the real game's start: while another
# process holds the data folder's lock (flock, as a copy of the game saving), the start removes
# nothing; the next start, with the lock free, removes the temporary files of the game's own
# naming and nothing else.
# Usage: leftover_saves.sh PATH_TO_DROBIX
set -euo pipefail
game=$1
source "$(dirname "$0")/lib/server.sh"
folder=$(dirname "$data")
leftovers=(Drobix.dat.Ab12Cd Drobix.dat.zz99ZZ)
kept=(Drobix.dat.bak Drobix.dat.Ab12C notes.txt.Ab12Cd)

plant() {
    mkdir -p "$folder"
    local name
    for name in "${leftovers[@]}" "${kept[@]}"; do
        echo "half a save" >"$folder/$name"
    done
}

# expect_present YES|NO NAME...: fails unless each file is there (YES) or gone (NO).
expect_present() {
    local wanted=$1 name
    shift
    for name in "$@"; do
        if [ -e "$folder/$name" ] && [ "$wanted" = NO ]; then
            e2e_fail "$name is still there"
        elif [ ! -e "$folder/$name" ] && [ "$wanted" = YES ]; then
            e2e_fail "$name is gone"
        fi
    done
}

plant
e2e_start_x
# Another copy saving: it holds the folder's lock until the file named here appears.
release=$e2e_work/release
flock "$folder" sh -c 'while [ ! -e "$1" ]; do sleep 0.05; done' _ "$release" &
holder=$!
e2e_pids+=("$holder")
e2e_until "$E2E_TIMEOUT" "the lock was not taken" sh -c "! flock -n '$folder' true"
e2e_start_game "$game"
expect_present YES "${leftovers[@]}" "${kept[@]}"
touch "$release"
wait "$holder"
e2e_stop_game

e2e_start_game "$game"
expect_present NO "${leftovers[@]}"
expect_present YES "${kept[@]}"
e2e_stop_game
echo "leftover saves: kept while the lock was held, removed at the next start, others kept"
