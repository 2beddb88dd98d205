#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, checks the sources (format, layers, every file's licence, clang-tidy),
# builds Drobix and runs every test: once in the Release build (build/), once with AddressSanitizer
# and UndefinedBehaviorSanitizer (build-asan/), then a short run of each fuzz target (build-fuzz/,
# clang).
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh

drobix_install_deps
tools/check-format.sh
tools/check-layers.sh
# Every file states its copyright and licence (a header, or .reuse/dep5): the report only when not.
reuse lint --quiet || { reuse lint; exit 1; }

drobix_build build -DCMAKE_BUILD_TYPE=Release -DDROBIX_WERROR=ON
tools/check-tidy.sh build
ctest --test-dir build --output-on-failure -j2

# The keyboard layouts and the install are checked once, in the Release build: they test how keys
# and files are mapped, not memory, and each layout test plays a whole game.
drobix_build build-asan -DCMAKE_BUILD_TYPE=Debug -DDROBIX_WERROR=ON -DDROBIX_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j2 --label-exclude 'layout|install'

drobix_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDROBIX_WERROR=ON -DDROBIX_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++
fuzz_scratch=$(mktemp -d)
trap 'rm -rf "$fuzz_scratch"' EXIT
for fuzzer in build-fuzz/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    echo "Fuzzing briefly: $fuzzer"
    # The committed seeds are read, never written: new inputs go to a scratch folder.
    seeds=fuzz/corpus/${fuzzer##*/fuzz_}
    mkdir -p "$fuzz_scratch/${fuzzer##*/}"
    UBSAN_OPTIONS=halt_on_error=1 "$fuzzer" -max_total_time=10 -print_final_stats=0 "$fuzz_scratch/${fuzzer##*/}" "$seeds" \
        >/dev/null 2>"$fuzzer.log" || { cat "$fuzzer.log"; exit 1; }
done
echo "All tests passed."
