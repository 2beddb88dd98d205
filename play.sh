#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Drobix (Release, in build/) and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh

drobix_install_deps
drobix_build build -DCMAKE_BUILD_TYPE=Release
exec build/src/drobix "$@"
