#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every test of the Windows build under Wine, beside the Linux build (its drobix-replay, and the
# end-to-end tests' key presser and screen reader).
# Usage: tests/windows/run.sh WINDOWS_BUILD LINUX_BUILD
set -euo pipefail
here=$(dirname "$0")
"$here/replays_and_units.sh" "$1" "$2"
"$here/game_under_wine.sh" "$1" "$2"
"$here/install_under_wine.sh" "$1"
