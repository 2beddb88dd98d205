#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the real game to its end under a virtual X server and types a high-score name with real
# key events: letters, Shift for a capital and for the symbol over 2, Backspace, End, Enter. The
# name must reach the data file exactly as the keyboard layout types it (the server's US layout).
# Usage: name_entry_typing.sh PATH_TO_DROBIX
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

source "$here/keys.sh"

"$game" >"$work/game.log" 2>&1 &
pid=$!
if ! timeout 20 xdotool search --sync --name '^Drobix$' >/dev/null; then
    echo "no Drobix window appeared"; kill -9 "$pid"; exit 1
fi
sleep 1
play_to_an_empty_name_entry
press y
press z
press shift+a
press shift+2
press Return
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
if [ "$status" -ne 0 ]; then
    echo "exit status $status"; cat "$work/game.log"; exit 1
fi
expected='yzA@'
# The name with its length in front, as the data file keeps it.
if ! LC_ALL=C grep -q -a -P "\\x04\\x00\\x00\\x00\\Q$expected\\E" "$data"; then
    echo "the table does not hold the name $expected:"; od -c "$data" | head -20; exit 1
fi
