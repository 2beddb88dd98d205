#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, checks the sources (format, layers, the names the architecture pages
# give, every file's licence, clang-tidy), builds Drobix and runs every test: once in the Release
# build (build/), once cross-built for Windows and run under Wine (build-windows/), once for the
# browser with emscripten (build-web/), once with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/), then a short run of each fuzz target (build-fuzz/, clang).
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh

# step NAME COMMAND...: runs one step and tells how long it took.
step() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    echo "Step $name: $((SECONDS - start)) s"
}

# Every file states its copyright and licence (a header, or .reuse/dep5): the report only when not.
check_rights() {
    reuse lint --quiet || { reuse lint; exit 1; }
}

# Every catalogue of po/ as msgfmt checks it (format, placeholders, header), with its counts of
# translated, fuzzy and untranslated texts, and holding every text of the template.
check_catalogues() {
    local catalogue
    for catalogue in po/*.po; do
        printf '%s: ' "$catalogue"
        msgfmt --check --statistics -o /dev/null "$catalogue"
        msgcmp --use-fuzzy --use-untranslated "$catalogue" po/drobix.pot
    done
}

# fuzz_briefly FUZZER: ten seconds of one fuzz target. The committed seeds are read, never
# written: new inputs go to a scratch folder.
fuzz_briefly() {
    local fuzzer=$1 name=${1##*/} options=()
    [ -x "$fuzzer" ] || return 0
    # The settings file is read up to 64 KiB: its reader sees inputs that long.
    [ "$name" != fuzz_preferences_file ] || options=(-max_len=65536)
    echo "Fuzzing briefly: $fuzzer"
    mkdir -p "$fuzz_scratch/$name"
    UBSAN_OPTIONS=halt_on_error=1 "$fuzzer" -max_total_time=10 -print_final_stats=0 \
        "${options[@]}" "$fuzz_scratch/$name" "fuzz/corpus/${name#fuzz_}" >/dev/null \
        2>"$fuzzer.log" ||
        { cat "$fuzzer.log"; return 1; }
}

# The targets two at a time, one to a core: each still fuzzes for its ten seconds.
fuzz_all() {
    fuzz_scratch=$(mktemp -d)
    trap 'rm -rf "$fuzz_scratch"' EXIT
    export fuzz_scratch
    export -f fuzz_briefly
    printf '%s\0' build-fuzz/fuzz/fuzz_* | xargs -0 -n1 -P2 bash -c 'fuzz_briefly "$1"' fuzz
}

# The Windows-only files, with the Windows build's compile commands: clang-tidy reads them as
# code for MinGW, with the C++ library and system headers the cross compiler uses (not its own
# built-in headers, which are GCC's).
check_windows_tidy() {
    local folders=() folder
    while read -r folder; do
        case $folder in
            */include/c++* | */mingw32/include) folders+=("--extra-arg=-isystem$folder") ;;
        esac
    done < <(x86_64-w64-mingw32-g++-posix -E -x c++ -v /dev/null 2>&1 |
        sed -n '/^#include <...> search starts here:/,/^End of search list./p')
    tools/check-tidy.sh build-windows/game src/platform/windows src/platform/sdl/windows -- \
        --extra-arg=--target=x86_64-w64-mingw32 "${folders[@]}"
}

step dependencies drobix_install_deps test
step format tools/check-format.sh
step layers tools/check-layers.sh
step docs tools/check-docs.sh
step rights check_rights
step catalogues check_catalogues

step release-build drobix_build build -DCMAKE_BUILD_TYPE=Release -DDROBIX_WERROR=ON
# clang-tidy's clean verdicts are kept in the cache folder: only files changed since, or whose
# headers changed, are checked again.
step tidy tools/check-tidy.sh build
step release-tests ctest --test-dir build --output-on-failure -j2

# The Windows build, cross-compiled from Debian's sources (its libraries cached outside the
# clone), and its tests under Wine beside the Linux build: replays, unit tests, the real game,
# the installer.
step windows-build tools/windows/build.sh build-windows
step windows-tidy check_windows_tidy
step windows-tests tests/windows/run.sh build-windows build

# The web build, with Debian's emscripten, its libraries built from Debian's sources (cached
# outside the clone), and its tests beside the Linux build: the replays under node, and the page
# in headless Chromium.
step web-build tools/web/build.sh build-web
step web-tests tests/web/run.sh build-web build

# The keyboard layouts, the install and the tests labelled release are run once, in the Release
# build: they test how keys, files, sound levels and copies behave, not memory, and the code they
# run is run with the sanitizers by other tests.
step asan-build drobix_build build-asan -DCMAKE_BUILD_TYPE=Debug -DDROBIX_WERROR=ON \
    -DDROBIX_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    step asan-tests ctest --test-dir build-asan --output-on-failure -j2 \
    --label-exclude 'layout|install|release'

step fuzz-build drobix_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDROBIX_WERROR=ON \
    -DDROBIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
step fuzz fuzz_all
echo "All tests passed in $SECONDS s."
