#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the real game under a virtual X server (1024 x 768) for 10 s in the menus and 10 s in a
# game, each after a second to settle, and prints for each: the mean frame rate, the standard
# deviation and 95th percentile of the frame intervals, the processor use (share of one core)
# and the peak resident memory of the process since it started.
# Usage: tools/measure-frames.sh [PATH_TO_DROBIX] [DISPLAY_NUMBER]
set -euo pipefail
game=${1:-"$(dirname "$0")/../build/src/drobix"}
display=${2:-120}
seconds=10
settle=1
work=$(mktemp -d)
Xvfb ":$display" -noreset -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=":$display" XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
export SDL_AUDIODRIVER=dummy
# Processor time of every thread of the process, in nanoseconds (the scheduler's own account,
# finer than the clock ticks of /proc/PID/stat).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d", sum }'; }

# measure NAME [KEY]: one run of the game; KEY, when given, is pressed once the window is up.
measure() {
    local name=$1 key=${2:-}
    local log=$work/$name.frames
    DROBIX_FRAME_LOG=$log "$game" >"$work/$name.log" 2>&1 &
    local pid=$!
    timeout 20 xdotool search --sync --name '^Drobix$' >/dev/null
    if [ -n "$key" ]; then
        sleep 0.5
        # Held for longer than the menus' key gate, which looks at the keys held now and then.
        xdotool keydown "$key"
        sleep 0.3
        xdotool keyup "$key"
    fi
    sleep "$settle"
    local before after peak
    before=$(cpu_ns "$pid")
    sleep "$seconds"
    after=$(cpu_ns "$pid")
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" || true
    # The intervals of the measured stretch: the last ten seconds before the game was ended.
    sort -n "$log" | awk -v span="$seconds" '
        { t[NR] = $1 / 1e6 }
        END {
            first = NR
            while (first > 1 && t[NR] - t[first - 1] <= span * 1000) first--
            for (i = first + 1; i <= NR; i++) print t[i] - t[i - 1]
        }' | sort -n | awk -v name="$name" -v span="$seconds" -v cpu=$((after - before)) \
        -v peak="$peak" '
        { d[NR] = $1; sum += $1; sq += $1 * $1 }
        END {
            mean = sum / NR
            p95 = d[int(NR * 0.95 + 0.5)]
            printf "%-6s %6.2f fps  interval sd %5.3f ms  p95 %6.3f ms  cpu %5.2f %%  peak %5.1f MiB\n",
                name, 1000 / mean, sqrt(sq / NR - mean * mean), p95,
                100 * cpu / 1e9 / span, peak / 1024
        }'
}

measure menus
measure game 3
