#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build against the Linux build, under Wine: every replay script gives the same
# output, exit status and files (data file, settings file) under drobix-replay.exe as under the
# Linux drobix-replay, byte for byte; then the unit tests run as a Windows program.
# Usage: replays_and_units.sh WINDOWS_BUILD LINUX_BUILD
set -euo pipefail
WINDOWS_BUILD=$(cd "$1" && pwd)
linux_build=$(cd "$2" && pwd)
source "$(dirname "$0")/wine.sh"
scripts=$(cd "$(dirname "$0")/../scripts" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wine_make_prefix

# prepare FOLDER NAME: the data and settings folders as tests/scripts/RunReplay.cmake makes them.
prepare() {
    local folder=$1 name=$2
    mkdir -p "$folder/config/drobix" "$folder/Quillbeam/Drobix"
    [ ! -f "$scripts/$name.toml" ] || cp "$scripts/$name.toml" "$folder/config/drobix/settings.toml"
    [ ! -f "$scripts/$name.dat" ] || cp "$scripts/$name.dat" "$folder/Quillbeam/Drobix/Drobix.dat"
}

# run FOLDER PROGRAM...: one replay with its data in FOLDER; output and status kept there.
run() {
    local folder=$1
    shift
    local status=0
    (cd "$work" && XDG_DATA_HOME=$folder XDG_CONFIG_HOME=$folder/config "$@" \
        >"$folder.out" 2>"$folder.err") || status=$?
    echo "$status" >"$folder.status"
}

compared=0 lines=0 failed=0
for script in "$scripts"/*.replay; do
    name=$(basename "$script" .replay)
    prepare "$work/linux-$name" "$name"
    prepare "$work/windows-$name" "$name"
    run "$work/linux-$name" "$linux_build/tools/replay/drobix-replay" "$script"
    run "$work/windows-$name" wine "$WINDOWS_BUILD/game/tools/replay/drobix-replay.exe" "$script"
    # Files by their contents, folder names as Windows compares them (without case).
    if ! cmp -s "$work/linux-$name.out" "$work/windows-$name.out" ||
        ! cmp -s "$work/linux-$name.status" "$work/windows-$name.status" ||
        ! diff -r <(cd "$work/linux-$name" && find . -type f | tr 'A-Z' 'a-z' | sort) \
            <(cd "$work/windows-$name" && find . -type f | tr 'A-Z' 'a-z' | sort) >/dev/null; then
        echo "replay $name: the Windows build differs"
        diff <(cat "$work/linux-$name.status" "$work/linux-$name.out") \
            <(cat "$work/windows-$name.status" "$work/windows-$name.out") | head -20 || true
        failed=$((failed + 1))
    else
        while IFS= read -r file; do
            windows_file=$(cd "$work/windows-$name" && find . -type f -ipath "$file" | head -n1)
            cmp -s "$work/linux-$name/$file" "$work/windows-$name/$windows_file" || {
                echo "replay $name: $file differs"
                failed=$((failed + 1))
            }
        done < <(cd "$work/linux-$name" && find . -type f)
    fi
    compared=$((compared + 1))
    lines=$((lines + $(wc -l <"$work/linux-$name.out")))
done
echo "Replays under Wine: $compared scripts, $lines lines of output, $failed differing"
[ "$failed" -eq 0 ]

# The unit tests, from the build folder (the tests read the sources by their Linux paths, which
# Wine finds on its drive of the whole file system).
cd "$WINDOWS_BUILD/game"
wine tests/drobix_tests.exe --gtest_brief=1 2>&1 | tr -d '\r' | tee "$work/units.log" | tail -n 5
grep -q '^\[  PASSED  \]' "$work/units.log" && ! grep -q '^\[  FAILED  \]' "$work/units.log"
