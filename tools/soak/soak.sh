#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Random play through drobix-replay: runs of the real program, one after another, each playing a
# script from generate.awk and quitting; the data file is carried from each run to the next. Fails
# when a run ends with an error status or prints a sanitizer report, when its high scores are not
# ranked, or when the heap on a screen grows past its settled figure by more than a small slack.
# Usage: tools/soak/soak.sh REPLAY FRAMES [SEED [FRAMES PER RUN]]
set -euo pipefail
replay=$1
frames=$2
seed=${3:-1}
run_frames=${4:-50000}
# Passes between two "state" and "memory" lines.
mark=1000
# A screen's heap may rise this much past its settled figure: the menus' music stream and
# backdrop hold a little more or less from one mark to the next.
slack_kb=${SOAK_MEMORY_SLACK_KB:-1024}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data
# A small quarantine: freed memory held back to catch late uses would otherwise grow the
# resident memory for the first quarter of a gigabyte.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}:quarantine_size_mb=16
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# The first run starts from a table of zero scores and ten rubbish rows, so games end soon and
# every game ends in a name entry until the table fills with real scores.
mkdir -p "$XDG_DATA_HOME/Quillbeam/Drobix"
cp "$here/../../tests/e2e/low_scores.dat" "$XDG_DATA_HOME/Quillbeam/Drobix/Drobix.dat"

played=0
run=0
start=$SECONDS
while [ "$played" -lt "$frames" ]; do
    run=$((run + 1))
    this_run=$((frames - played < run_frames ? frames - played : run_frames))
    awk -v SEED=$((seed * 100003 + run)) -v FRAMES="$this_run" -v MARK="$mark" \
        -f "$here/generate.awk" >"$work/run.replay"
    status=0
    "$replay" "$work/run.replay" >"$work/run.out" 2>"$work/run.err" || status=$?
    if [ "$status" -ne 0 ] || grep -q -E 'Sanitizer|runtime error' "$work/run.err"; then
        echo "run $run (seed $((seed * 100003 + run))) failed with status $status:"
        tail -40 "$work/run.err"
        cp "$work/run.replay" "soak-failure-$run.replay"
        echo "script kept in soak-failure-$run.replay"
        exit 1
    fi
    marks=$(grep -c '^screen=' "$work/run.out" || true)
    # A run that ended early (Esc on the main menu) counts only the passes it marked.
    played=$((played + (marks * mark < this_run ? marks * mark : this_run)))
    if [ "$marks" -eq 0 ]; then
        played=$((played + 1))
    fi
    if ! awk '/^[0-4] [0-9]+ / { if (n++ && $2 > last) bad = 1; last = $2 } END { exit bad }' \
        "$work/run.out"; then
        echo "run $run: the high scores are not ranked:"; grep -E '^[0-4] ' "$work/run.out"
        exit 1
    fi
    # The heap is compared screen by screen: the menus hold their music and backdrop, megabytes
    # that the game screen does not, so a figure on one screen says nothing of a leak on another.
    # Each screen's reference is its first figure after the heap has settled: from the first mark
    # after a game has ended (every picture and sound of play loaded by then; the middle mark
    # when no game ended). No later figure of that screen may lie above it by more than the slack.
    read -r growth screen first < <(awk '
        /mode=(game-over|name-entry)/ { ended = 1 }
        /^screen=/ { screen = substr($1, 8) }
        /^memory / {
            heap[++n] = substr($0, index($0, "heap_kb=") + 8) + 0
            on[n] = screen
            if (ended && !settled) settled = n
        }
        END {
            if (!settled) settled = int((n + 1) / 2)
            growth = 0; worst = "-"; reference = 0
            for (i = settled; i <= n; i++) {
                if (!(on[i] in base)) base[on[i]] = heap[i]
                if (heap[i] - base[on[i]] > growth) {
                    growth = heap[i] - base[on[i]]; worst = on[i]; reference = base[on[i]]
                }
            }
            print growth, worst, reference
        }' "$work/run.out")
    if [ "$marks" -gt 1 ] && [ "$growth" -gt "$slack_kb" ]; then
        echo "run $run: the heap on screen $screen grew by $growth kB from $first kB once settled"
        exit 1
    fi
    echo "run $run: $marks marks, the heap at most $growth kB above each screen's settled figure"
done
echo "soak: $played passes in $run runs, $((SECONDS - start)) s, no error"
