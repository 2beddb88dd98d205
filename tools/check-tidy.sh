#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs clang-tidy with the repository's .clang-tidy over the sources of a build folder's
# compile_commands.json under the given folders (default: the program, its tools and benchmarks);
# fails on any finding. Files found clean before, with everything they depend on unchanged, are
# not checked again (tools/check-tidy.py; the verdicts are kept in $DROBIX_TIDY_CACHE, by default
# drobix/tidy in the user's cache folder). Arguments after -- go to clang-tidy.
# Usage: tools/check-tidy.sh [BUILD FOLDER [FOLDER...] [-- CLANG-TIDY ARGUMENTS...]]
#        (default: build src tools bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
folders=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    folders+=("$1")
    shift
done
[ ${#folders[@]} -gt 0 ] || folders=(src tools bench)
cache=${DROBIX_TIDY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/drobix/tidy}
if ! python3 tools/check-tidy.py "$build" "$cache" "${folders[@]/%//}" "$@"; then
    echo "clang-tidy found the above."
    exit 1
fi
echo "Tidy check: clang-tidy finds nothing."
