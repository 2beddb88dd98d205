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
# With --wine, the Windows build's drobix.exe is measured the same way under Wine after the Linux
# build, in the same run (its processor use is that of its Wine process, without wineserver's,
# which is printed beside it).
# Usage: tools/measure-frames.sh [--weston] [--wine PATH_TO_DROBIX_EXE] [PATH_TO_DROBIX]
set -euo pipefail
server=x11
if [ "${1:-}" = --weston ]; then
    server=weston
    shift
fi
wine_game=
if [ "${1:-}" = --wine ]; then
    wine_game=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
    shift 2
fi
game=${1:-"$(dirname "$0")/../build/src/drobix"}
build=$(dirname "$game")/..
minimal=$build/tools/minimal-present/drobix-minimal-present
seconds=10
settle=1
source "$(dirname "$0")/../tests/e2e/lib/server.sh"
work=$e2e_work
e2e_start_x 24 1024x768
compositor=
if [ "$server" = weston ]; then
    e2e_start_weston "$build/tests/drobix-screen-hash"
    compositor=$e2e_compositor_pid
fi
# Processor time of every thread of the process, in nanoseconds (the scheduler's own account,
# finer than the clock ticks of /proc/PID/stat), as a whole number of any size: mawk's %d stops at
# 2^31 - 1, about 2 s of a long-running compositor.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%.0f", sum }'; }

# Whether the program has logged a few frames (its window is up).
logged_frames() {
    [ -f "$1" ] && [ "$(wc -l <"$1")" -ge 10 ]
}

# measure NAME PROGRAM [KEY]: one run of a program; KEY, when given, is pressed once its window
# is up. Prints the figures and leaves the processor use (per cent) in $work/NAME.cpu.
measure() {
    local name=$1 program=$2 key=${3:-}
    local log=$work/$name.frames
    DROBIX_FRAME_LOG=$log "$program" >"$work/$name.log" 2>&1 &
    local pid=$!
    e2e_pids+=("$pid")
    e2e_until "$E2E_TIMEOUT" "no frames from $program" logged_frames "$log"
    if [ -n "$key" ]; then
        # Past the menu's first half second, which takes no keys; held for longer than its key
        # gate, which looks at the keys held now and then. (No frame copy to count the frames
        # by here: it would add to what is measured.)
        sleep "$E2E_MENU_ENTRY_SECONDS"
        e2e_hold "$key" 0.3
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
if [ -n "$wine_game" ]; then
    WINDOWS_BUILD=$(cd "$(dirname "$wine_game")/../.." && pwd)
    source "$(dirname "$0")/../tests/windows/wine.sh"
    wine_make_prefix
    wine_wait_for_end
    # In the shell started for it, so that its process id is the game's.
    # The framebuffer route, as the Linux build takes it here: Wine would report its Direct3D
    # over Mesa on the processor as a hardware adapter.
    under_wine() { LIBGL_ALWAYS_SOFTWARE=1 exec wine "$wine_game"; }
    # One server for both runs, started now unless it runs already, so its time can be read.
    wineserver --persistent=60 2>/dev/null || true
    server_pid=$(pgrep -n wineserver)
    server_before=$(cpu_ns "$server_pid")
    measure w-menus under_wine
    measure w-game under_wine 3
    awk -v cpu=$(($(cpu_ns "$server_pid") - server_before)) -v span=$((2 * (seconds + settle))) \
        'BEGIN { printf "wineserver cpu %.2f %% over both Wine runs\n", 100 * cpu / 1e9 / span }'
fi
for name in menus game; do
    awk -v name="$name" -v own="$(cat "$work/$name.cpu")" -v minimal="$(cat "$work/minimal.cpu")" \
        'BEGIN { printf "%-7s cpu %.2f x the minimal program'"'"'s\n", name, own / minimal }'
done
