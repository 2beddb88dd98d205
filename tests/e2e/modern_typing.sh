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
if [ -z "${DROBIX_UNDER_XVFB:-}" ]; then
    DROBIX_UNDER_XVFB=1 exec xvfb-run -a -s "-noreset -screen 0 1024x768x24" "$0" "$@"
fi
game=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/scratch_home.sh"
use_scratch_home "$work"
seed_low_scores
mkdir -p "$XDG_CONFIG_HOME/drobix"
printf '[play]\nhandling = "modern"\n' >"$XDG_CONFIG_HOME/drobix/settings.toml"

source "$here/keys.sh"

fail() {
    echo "$1"
    od -c "$data" | head -20
    cat "$work/game.log"
    kill -9 "$pid" 2>/dev/null || true
    exit 1
}

# The server repeats a held key, as a desktop does; without it the held Space would prove less.
xset r on

"$game" >"$work/game.log" 2>&1 &
pid=$!
if ! timeout 20 xdotool search --sync --name '^Drobix$' >/dev/null; then
    echo "no Drobix window appeared"; kill -9 "$pid"; exit 1
fi
sleep 1
press 3
sleep 0.5
# Ten rows of rubbish leave room for a few blocks: a drop every 50 ms fills the well in well under
# the four seconds Space is held, and the rest of the hold falls on the name entry.
xdotool keydown space sleep 4 keyup space
sleep 0.3
xdotool keydown x sleep 0.15 keydown y sleep 0.15 keyup x sleep 0.15 keyup y
sleep 0.3
press Return
sleep 0.3
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
if [ "$status" -ne 0 ]; then
    fail "exit status $status"
fi
# The name with its length in front, as the data file keeps it.
if ! LC_ALL=C grep -q -a -P '\x02\x00\x00\x00xy' "$data"; then
    fail "the table does not hold the name xy:"
fi
