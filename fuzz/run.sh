#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets (build-fuzz/, clang, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs one of them for the given number of seconds, starting from its committed seeds in
# fuzz/corpus/NAME/. New inputs go to a scratch folder, never into the committed seeds; a
# finding is written to build-fuzz/fuzz/ and ends the run with a failure.
# Usage: fuzz/run.sh NAME SECONDS [LIBFUZZER OPTIONS...]
#        NAME: settings_file, preferences_file, picture_decode, sound_decode, font_build
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/install-deps.sh
name=$1
seconds=$2
shift 2

drobix_install_deps >&2
drobix_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDROBIX_WERROR=ON -DDROBIX_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ >&2
fuzzer=build-fuzz/fuzz/fuzz_$name
# Undefined behaviour is a finding too, not a line in the log.
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/fuzz/"$name"- "$@" "$scratch" "fuzz/corpus/$name"
