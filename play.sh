#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what building and running the game needs and is missing, builds the game alone
# (Release, in build-play/, without the tests, benchmarks and tools) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh

drobix_install_deps play
drobix_configure build-play -DCMAKE_BUILD_TYPE=Release -DDROBIX_TESTS=OFF
cmake --build build-play --target drobix -j"$(nproc)"
exec build-play/src/drobix "$@"
