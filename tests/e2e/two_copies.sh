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
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
servers=()
games=()
cleanup() {
    local pid
    for pid in "${games[@]}" "${servers[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
source "$here/scratch_home.sh"
use_scratch_home "$work"
seed_low_scores

# Display numbers kept for this test; the first two free ones are taken.
displays=()
for number in $(seq 140 149); do
    [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -noreset -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb$number.log" 2>&1 &
    servers+=($!)
    displays+=(":$number")
    [ ${#displays[@]} -eq 2 ] && break
done
if [ ${#displays[@]} -ne 2 ]; then
    echo "no two free display numbers in 140..149"; exit 1
fi

for display in "${displays[@]}"; do
    for _ in $(seq 50); do
        DISPLAY=$display xdotool getmouselocation >/dev/null 2>&1 && break
        sleep 0.2
    done
    DISPLAY=$display "$game" >"$work/game${display#:}.log" 2>&1 &
    games+=($!)
    if ! DISPLAY=$display timeout 20 xdotool search --sync --name '^Drobix$' >/dev/null; then
        echo "no Drobix window appeared on $display"; exit 1
    fi
done
sleep 1

# Holds a key on both servers long enough for a frame to see it, then waits out the key gate.
press_both() {
    local display
    for display in "${displays[@]}"; do DISPLAY=$display xdotool keydown "$@"; done
    sleep 0.1
    for display in "${displays[@]}"; do DISPLAY=$display xdotool keyup "$@"; done
    sleep 0.25
}

type_name() {
    local display=$1
    shift
    local key
    for key in End $(printf 'BackSpace %.0s' $(seq 22)) "$@" Return; do
        DISPLAY=$display xdotool keydown "$key"
        sleep 0.1
        DISPLAY=$display xdotool keyup "$key"
        sleep 0.25
    done
}

stop_game() {
    local pid=$1
    kill -TERM "$pid"
    local status=0
    wait "$pid" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "exit status $status"; cat "$work"/game*.log; exit 1
    fi
}

press_both 3
sleep 0.3
# Drop blocks until both wells are full; taps after the end type spaces into the names.
for _ in $(seq 40); do
    press_both space
    sleep 0.3
done
type_name "${displays[0]}" f i r s t
type_name "${displays[1]}" s e c o n d
stop_game "${games[0]}"
stop_game "${games[1]}"

# Each name with a length in front, as the data file keeps it; a loaded machine may repeat a
# letter, which is the name entry's business, not this test's.
for name in 'f+i+r+s+t+' 's+e+c+o+n+d+'; do
    if ! LC_ALL=C grep -q -a -P "[\\x05-\\x14]\\x00\\x00\\x00$name" "$data"; then
        echo "the table does not hold the name $name:"; od -c "$data" | head -20; exit 1
    fi
done
