#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Stands in for drobix-replay under tools/soak/soak.sh: answers each "memory" line of the script
# with a state line and a heap figure of a pattern chosen by SOAK_HEAP_PATTERN:
#   screens  the game screen and the main menu in turn, the menu 3.6 MB heavier, neither growing
#            (a run whose first figure falls on the game screen);
#   leak     the main menu alone, 300 kB more at every mark.
# Usage: heap_replay.sh SCRIPT
set -euo pipefail
mark=0
while read -r command _; do
    [ "$command" = memory ] || continue
    mark=$((mark + 1))
    case $SOAK_HEAP_PATTERN in
        screens)
            if [ $((mark % 2)) = 1 ]; then
                echo "screen=4 mode=game-over"
                heap=6200
            else
                echo "screen=1 decorations=1"
                heap=9800
            fi
            ;;
        leak)
            echo "screen=1 decorations=1"
            heap=$((9000 + 300 * mark))
            ;;
    esac
    echo "memory rss_kb=1 peak_kb=1 heap_kb=$heap"
done <"$1"
