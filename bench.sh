#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Release build (build/), runs every benchmark and prints each figure as a ratio to
# BM_FrameCopy (one 800 x 600 16-bit frame copied with memcpy) measured in the same run, beside
# its target where it has one; then the start-up figure that drobix-replay measures, beside its
# target. Ratios are of CPU time, which the other loads of a shared machine disturb least.
# Usage: ./bench.sh [BUILD FOLDER]
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh
build=${1:-build}
# Start-up runs measured, and repetitions of each benchmark; medians are quoted.
startup_runs=5
repetitions=3

drobix_install_deps >&2
drobix_build "$build" -DCMAKE_BUILD_TYPE=Release -DDROBIX_WERROR=ON >&2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The median of a few repetitions, which a busy machine disturbs less than a single run.
"$build/bench/drobix_bench" --benchmark_repetitions="$repetitions" \
    --benchmark_report_aggregates_only=true --benchmark_out="$work/bench.json" \
    --benchmark_out_format=json >/dev/null 2>&1

# name -> target ratio to the frame copy.
targets='BM_GameFrame 2.0
BM_GameFrameUnderPrompt 3.0
BM_MenuFrame 2.0
BM_DrawGridFullBoard 0.5
BM_PresenterConversion 3.0'

printf '%-28s %14s %10s %8s  %s\n' benchmark "cpu time (ns)" "x copy" target ""
# The JSON report holds one field per line: "name" (the median's ends in _median), then
# "cpu_time" and "time_unit".
awk -F'"' -v targets="$targets" '
    function nanoseconds(value, unit) {
        return value * (unit == "ms" ? 1e6 : unit == "us" ? 1e3 : unit == "s" ? 1e9 : 1)
    }
    BEGIN {
        count = split(targets, lines, "\n")
        for (i = 1; i <= count; ++i) {
            split(lines[i], pair, " ")
            target[pair[1]] = pair[2]
        }
    }
    $2 == "name" && $4 ~ /_median$/ { name = substr($4, 1, length($4) - 7); names[++rows] = name }
    $2 == "cpu_time" { value = $3; gsub(/[:, ]/, "", value); cpu = value + 0 }
    $2 == "time_unit" && name != "" { time[name] = nanoseconds(cpu, $4); name = "" }
    END {
        copy = time["BM_FrameCopy"]
        if (copy <= 0) { print "no BM_FrameCopy figure"; exit 1 }
        failed = 0
        for (i = 1; i <= rows; ++i) {
            name = names[i]
            ratio = time[name] / copy
            verdict = ""
            wanted = "-"
            if (name in target) {
                wanted = "<= " target[name]
                verdict = ratio <= target[name] + 0 ? "ok" : "OVER"
                failed += verdict == "OVER"
            }
            printf "%-28s %14.0f %10.3f %8s  %s\n", name, time[name], ratio, wanted, verdict
        }
        exit failed > 0
    }' "$work/bench.json" || status=$?

# Start-up, from process start to the first presented main-menu frame, against the decoding it
# must do; each run starts from an empty data folder.
ratios=()
for run in $(seq "$startup_runs"); do
    mkdir -p "$work/data$run"
    line=$(echo startup | XDG_DATA_HOME="$work/data$run" "$build/tools/replay/drobix-replay" - \
        2>/dev/null)
    ratios+=("$(awk '{ print $8 }' <<<"$line")")
    echo "$line" >>"$work/startup.txt"
done
median=$(printf '%s\n' "${ratios[@]}" | sort -g | sed -n "$(((startup_runs + 1) / 2))p")
median_line=$(grep -m1 "ratio $median\$" "$work/startup.txt")
printf '%-28s %s   x decoding %s  <= 1.3  %s\n' "start-up (median of $startup_runs)" \
    "$(awk '{ print $2 " ms, decoding " $5 " ms" }' <<<"$median_line")" "$median" \
    "$(awk -v r="$median" 'BEGIN { print (r <= 1.3 ? "ok" : "OVER") }')"
if [ "${status:-0}" -ne 0 ] || awk -v r="$median" 'BEGIN { exit !(r > 1.3) }'; then
    exit 1
fi
