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
if [ -z "${DROBIX_UNDER_XVFB:-}" ]; then
    DROBIX_UNDER_XVFB=1 exec xvfb-run -a -s "-noreset -screen 0 1024x768x24" "$0" "$@"
fi
game=$1
screen_hash=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/scratch_home.sh"
use_scratch_home "$work"

fail() {
    echo "$1"
    kill -9 "$pid" 2>/dev/null || true
    exit 1
}

# Held for a few frames: the game reads the keys once a frame.
press() {
    xdotool keydown "$1"
    sleep 0.1
    xdotool keyup "$1"
}

# Whether the screen changes within the given seconds.
moves_within() {
    local before
    before=$("$screen_hash")
    sleep "$1"
    [ "$("$screen_hash")" != "$before" ]
}

"$game" >"$work/game.log" 2>&1 &
pid=$!
window=$(timeout 20 xdotool search --sync --name '^Drobix$' | head -n 1) || fail "no Drobix window"
sleep 1
# The main menu's 3 starts a game.
press 3
sleep 0.5
moves_within 1.5 || fail "the game does not move while it plays"

xdotool keydown p
sleep 0.3
moves_within 2 && fail "the game moves while it is paused, or a held P resumed it"
xdotool keyup p
moves_within 1.5 && fail "the game moves while it is paused"
press p
moves_within 1.5 || fail "P did not resume the game"

# The focus goes to the root window, and comes back.
root=$("$screen_hash" --root)
xdotool windowfocus --sync "$root"
sleep 0.5
xdotool windowfocus --sync "$window"
sleep 0.5
moves_within 2 && fail "the game played on after the focus was lost"
press p
moves_within 1.5 || fail "P did not resume the game after the focus came back"

# stop_game: ends the game as a desktop would, and fails on an exit status other than 0.
stop_game() {
    kill -TERM "$pid"
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || { echo "exit status $status"; cat "$work/game.log"; exit 1; }
}
stop_game

# A key bound in the settings file acts in the real game, and the default key it replaced does
# not: K pauses, P no longer does.
mkdir -p "$XDG_CONFIG_HOME/drobix"
printf '[keys]\npause = ["K"]\n' >"$XDG_CONFIG_HOME/drobix/settings.toml"
"$game" >"$work/game.log" 2>&1 &
pid=$!
timeout 20 xdotool search --sync --name '^Drobix$' >/dev/null || fail "no Drobix window"
sleep 1
press 3
sleep 0.5
press p
moves_within 1.5 || fail "P paused the game although the settings file binds pause to K"
press k
moves_within 1.5 && fail "K, bound to pause in the settings file, did not pause the game"
stop_game
