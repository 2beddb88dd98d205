#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The web build against the Linux build: every replay script (and the text-fit script once more
# in each language with a catalogue, as the Linux tests run it) gives the same output, exit
# status and files (data file, settings file, lock files) under node with the web build's
# drobix-replay as under the Linux drobix-replay, byte for byte.
# Usage: replays.sh WEB_BUILD LINUX_BUILD
set -euo pipefail
web_replay=$(cd "$1" && pwd)/tools/replay/drobix-replay.js
linux_replay=$(cd "$2" && pwd)/tools/replay/drobix-replay
here=$(cd "$(dirname "$0")" && pwd)
scripts=$here/../scripts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# prepare FOLDER NAME: the data and settings folders as tests/scripts/RunReplay.cmake makes them.
prepare() {
    local folder=$1 name=$2
    mkdir -p "$folder/config/drobix" "$folder/Quillbeam/Drobix"
    [ ! -f "$scripts/$name.toml" ] || cp "$scripts/$name.toml" "$folder/config/drobix/settings.toml"
    [ ! -f "$scripts/$name.dat" ] || cp "$scripts/$name.dat" "$folder/Quillbeam/Drobix/Drobix.dat"
}

# run FOLDER SCRIPT PROGRAM...: one replay with its data in FOLDER; output and status kept there.
run() {
    local folder=$1 script=$2
    shift 2
    local status=0
    (cd "$work" && env -i PATH="$PATH" XDG_DATA_HOME="$folder" XDG_CONFIG_HOME="$folder/config" \
        "$@" "$script" >"$folder.out" 2>"$folder.err") || status=$?
    echo "$status" >"$folder.status"
}

# compare CASE SCRIPT NAME: both builds on one script; a line and status 1 when they differ.
compare() {
    local case=$1 script=$2 name=$3
    prepare "$work/linux-$case" "$name"
    prepare "$work/web-$case" "$name"
    run "$work/linux-$case" "$script" "$linux_replay"
    run "$work/web-$case" "$script" node --no-experimental-fetch "$web_replay"
    if ! cmp -s "$work/linux-$case.out" "$work/web-$case.out" ||
        ! cmp -s "$work/linux-$case.status" "$work/web-$case.status"; then
        echo "replay $case: the web build's output differs"
        diff <(cat "$work/linux-$case.status" "$work/linux-$case.out") \
            <(cat "$work/web-$case.status" "$work/web-$case.out") | head -20 || true
        return 1
    fi
    if ! diff -r "$work/linux-$case" "$work/web-$case" >/dev/null; then
        echo "replay $case: the web build's files differ"
        diff -r "$work/linux-$case" "$work/web-$case" | head -5 || true
        return 1
    fi
}

cases=()
for script in "$scripts"/*.replay; do
    cases+=("$(basename "$script" .replay) $script")
done
while IFS= read -r code; do
    [ -f "$here/../../po/$code.po" ] || continue
    printf 'setting language %s\n' "$code" >"$work/text_fit-$code.replay"
    cat "$scripts/text_fit.replay" >>"$work/text_fit-$code.replay"
    cases+=("text_fit-$code $work/text_fit-$code.replay")
done < <(grep '^[a-z]' "$here/../../po/LINGUAS")

# Two at a time, one to a core.
export -f prepare run compare
export work scripts web_replay linux_replay
failed=0
printf '%s\n' "${cases[@]}" |
    xargs -P2 -L1 bash -c 'compare "$1" "$2" "${1%%-*}" >"$work/$1.result" || echo >>"$work/failed"' \
        compare || true
cat "$work"/*.result
[ ! -f "$work/failed" ] || failed=$(wc -l <"$work/failed")
lines=$(cat "$work"/linux-*.out | wc -l)
echo "Replays under node: ${#cases[@]} scripts, $lines lines of output, $failed differing"
[ "$failed" -eq 0 ]
