#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The refresh rate the game paces its frames at, as --verbose tells it, on a virtual X server:
# none known at first (its RandR mode has no timings), so 60 Hz; then, with a mode of 59.939 Hz
# set through RandR before the game starts, exactly that, fraction and all.
# Usage: refresh_rate.sh PATH_TO_DROBIX
set -euo pipefail
game=$1
work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/scratch_home.sh"
use_scratch_home "$work"

fail() { echo "$*"; exit 1; }

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "the X server did not start"
export DISPLAY=":$(head -n 1 "$work/display")"

# The rate line the game prints with --verbose once its window is open.
rate_line() {
    "$game" --verbose >"$work/game.log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    for _ in $(seq 100); do
        grep -q '^Refresh rate: ' "$work/game.log" && break
        sleep 0.1
    done
    kill -TERM "$pid"
    wait "$pid" || true
    grep '^Refresh rate: ' "$work/game.log" || true
}

line=$(rate_line)
[ "$line" = "Refresh rate: 0.000 Hz unknown, paced at 60 Hz" ] || fail "without a rate: '$line'"

# 63.52 MHz over 1328 x 798 pixels a frame: 59.939 Hz.
xrandr --newmode drobix_5994 63.52 1024 1072 1176 1328 768 771 775 798 -hsync +vsync
xrandr --addmode screen drobix_5994
xrandr --output screen --mode drobix_5994
line=$(rate_line)
[ "$line" = "Refresh rate: 59.939 Hz" ] || fail "with a 59.939 Hz mode: '$line'"
