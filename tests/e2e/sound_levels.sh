#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The sound levels on the real game's own output: SDL's disk audio driver writes what the game
# plays to a file. The menu music at level 5 must be 15 dB (within 1 dB) under level 10, and the
# game's start sound, with the music silenced, likewise at effects level 5 against 10.
# Usage: sound_levels.sh PATH_TO_DROBIX
set -euo pipefail
game=$1
source "$(dirname "$0")/lib/server.sh"
export SDL_AUDIODRIVER=disk
# How much of the game's output each recording holds: a span of sound, not a wait.
readonly RECORD_SECONDS=3
e2e_start_x

# record NAME MUSIC EFFECTS [KEY]: the game's output for RECORD_SECONDS from its first frame, at
# these levels; KEY, when given, is pressed then.
record() {
    local name=$1 music=$2 effects=$3 key=${4:-}
    mkdir -p "$XDG_CONFIG_HOME/drobix"
    printf '[sound]\nmusic = %d\neffects = %d\n' "$music" "$effects" \
        >"$XDG_CONFIG_HOME/drobix/settings.toml"
    export SDL_DISKAUDIOFILE=$e2e_work/$name.raw
    e2e_start_game "$game"
    if [ -n "$key" ]; then
        e2e_press "$key"
    fi
    sleep "$RECORD_SECONDS"
    e2e_stop_game
}

# The energy of a recording's 16-bit samples, as decibels of their root mean square.
loudness_db() {
    od -An -v -t d2 -w2 "$e2e_work/$1.raw" |
        awk '{ sum += $1 * $1 } END { if (NR == 0 || sum == 0) print "silent"; else printf "%.2f\n", 10 * log(sum / NR) / log(10) }'
}

# check WHAT FULL HALF: HALF's loudness 15 dB (within 1 dB) under FULL's.
check() {
    local full half
    full=$(loudness_db "$2")
    half=$(loudness_db "$3")
    echo "$1: level 10 at $full dB, level 5 at $half dB"
    awk -v full="$full" -v half="$half" 'BEGIN { d = full - half; exit !(d >= 14 && d <= 16) }' ||
        { echo "$1: level 5 is not 15 dB under level 10"; exit 1; }
}

record music_full 10 0
record music_half 5 0
check music music_full music_half
# The main menu's 3 starts a game, whose start sound plays at once; the music is silent.
record effects_full 0 10 3
record effects_half 0 5 3
check effects effects_full effects_half
