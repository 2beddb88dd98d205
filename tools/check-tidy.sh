#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs clang-tidy with the repository's .clang-tidy over the program, its tools and benchmarks
# from a build folder's compile_commands.json; fails on any finding. The Windows and web
# builds' own files are left out: a Linux build folder has no commands for them.
# Usage: tools/check-tidy.sh [BUILD FOLDER]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The files of the other system's folders are not in this build (windows/ beside posix/).
find src tools bench -name '*.cpp' -not -path '*/windows/*' -not -path '*/web/*' -print0 |
    xargs -0 -P2 -n4 clang-tidy -p "$build" --quiet >"$log" 2>&1 || true
if grep -E '(warning|error):' "$log"; then
    echo "clang-tidy found the above."
    exit 1
fi
echo "Tidy check: clang-tidy finds nothing."
