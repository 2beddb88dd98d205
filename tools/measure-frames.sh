#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the real game at 1024 x 768 for 10 s in the menus and 10 s in a game, each after a second
# to settle, and prints for each: the mean frame rate, the standard deviation and 95th percentile
# of the frame intervals, the processor use (share of one core) and the peak resident memory of
# the process since it started. Then the same for a minimal SDL program that fills and presents
# its whole window surface every frame at 60 Hz (tools/minimal-present), measured in the same
# run, and the game's processor use as a ratio to it.
# On a virtual X server by default; with --weston, on SDL's Wayland driver under Weston (nested
# in a virtual X server), where the compositor's processor use is printed too.
# Usage: tools/measure-frames.sh [--weston] [PATH_TO_DROBIX] [DISPLAY_NUMBER]
set -euo pipefail
server=x11
if [ "${1:-}" = --weston ]; then
    server=weston
    shift
fi
game=${1:-"$(dirname "$0")/../build/src/drobix"}
display=${2:-120}
minimal=$(dirname "$game")/../tools/minimal-present/drobix-minimal-present
seconds=10
settle=1
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
Xvfb ":$display" -noreset -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
sleep 1
export DISPLAY=":$display" XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
export SDL_AUDIODRIVER=dummy
compositor=
if [ "$server" = weston ]; then
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=x11-backend.so --socket=drobix-measure --width=1024 --height=768 \
        --idle-time=0 >"$work/weston.log" 2>&1 &
    compositor=$!
    pids+=("$compositor")
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/drobix-measure" ] && break
        sleep 0.1
    done
    sleep 1
    export WAYLAND_DISPLAY=drobix-measure SDL_VIDEODRIVER=wayland
fi
# Processor time of every thread of the process, in nanoseconds (the scheduler's own account,
# finer than the clock ticks of /proc/PID/stat), as a whole number of any size: mawk's %d stops at
# 2^31 - 1, about 2 s of a long-running compositor.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%.0f", sum }'; }

# Waits until the program has logged a few frames (its window is up).
wait_for_frames() {
    for _ in $(seq 200); do
        [ -f "$1" ] && [ "$(wc -l <"$1")" -ge 10 ] && return 0
        sleep 0.1
    done
    echo "no frames from the program" >&2
    return 1
}

# measure NAME PROGRAM [KEY]: one run of a program; KEY, when given, is pressed once its window
# is up. Prints the figures and leaves the processor use (per cent) in $work/NAME.cpu.
measure() {
    local name=$1 program=$2 key=${3:-}
    local log=$work/$name.frames
    DROBIX_FRAME_LOG=$log "$program" >"$work/$name.log" 2>&1 &
    local pid=$!
    wait_for_frames "$log"
    if [ -n "$key" ]; then
        sleep 0.5
        # Held for longer than the menus' key gate, which looks at the keys held now and then.
        xdotool keydown "$key"
        sleep 0.3
        xdotool keyup "$key"
    fi
    sleep "$settle"
    local before after peak composited_before=0 composited_after=0
    [ -n "$compositor" ] && composited_before=$(cpu_ns "$compositor")
    before=$(cpu_ns "$pid")
    sleep "$seconds"
    after=$(cpu_ns "$pid")
    [ -n "$compositor" ] && composited_after=$(cpu_ns "$compositor")
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" || true
    awk -v cpu=$((after - before)) -v span="$seconds" \
        'BEGIN { printf "%.4f\n", 100 * cpu / 1e9 / span }' >"$work/$name.cpu"
    # The intervals of the measured stretch: the last ten seconds before the program was ended.
    sort -n "$log" | awk -v span="$seconds" '
        { t[NR] = $1 / 1e6 }
        END {
            first = NR
            while (first > 1 && t[NR] - t[first - 1] <= span * 1000) first--
            for (i = first + 1; i <= NR; i++) print t[i] - t[i - 1]
        }' | sort -n | awk -v name="$name" -v span="$seconds" -v cpu=$((after - before)) \
        -v peak="$peak" -v composited=$((composited_after - composited_before)) \
        -v compositor="$compositor" '
        { d[NR] = $1; sum += $1; sq += $1 * $1 }
        END {
            mean = sum / NR
            p95 = d[int(NR * 0.95 + 0.5)]
            printf "%-7s %6.2f fps  interval sd %5.3f ms  p95 %6.3f ms  cpu %5.2f %%  peak %5.1f MiB",
                name, 1000 / mean, sqrt(sq / NR - mean * mean), p95,
                100 * cpu / 1e9 / span, peak / 1024
            if (compositor != "") printf "  weston cpu %5.2f %%", 100 * composited / 1e9 / span
            printf "\n"
        }'
}

measure menus "$game"
measure game "$game" 3
measure minimal "$minimal"
for name in menus game; do
    awk -v name="$name" -v own="$(cat "$work/$name.cpu")" -v minimal="$(cat "$work/minimal.cpu")" \
        'BEGIN { printf "%-7s cpu %.2f x the minimal program'"'"'s\n", name, own / minimal }'
done
