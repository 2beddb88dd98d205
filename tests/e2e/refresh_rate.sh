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
source "$(dirname "$0")/lib/server.sh"

# The rate line the game prints with --verbose once its window is open, in line.
read_rate_line() {
    e2e_start_game "$game" --verbose
    e2e_wait_for_line "$e2e_game_log" '^Refresh rate: '
    e2e_stop_game
    line=$(grep '^Refresh rate: ' "$e2e_game_log")
}

e2e_start_x
read_rate_line
[ "$line" = "Refresh rate: 0.000 Hz unknown, paced at 60 Hz" ] || e2e_fail "without a rate: '$line'"

# 63.52 MHz over 1328 x 798 pixels a frame: 59.939 Hz.
xrandr --newmode drobix_5994 63.52 1024 1072 1176 1328 768 771 775 798 -hsync +vsync
xrandr --addmode screen drobix_5994
xrandr --output screen --mode drobix_5994
read_rate_line
[ "$line" = "Refresh rate: 59.939 Hz" ] || e2e_fail "with a 59.939 Hz mode: '$line'"
