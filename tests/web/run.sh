#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every test of the web build, beside the Linux build (its drobix-replay).
# Usage: tests/web/run.sh WEB_BUILD LINUX_BUILD
set -euo pipefail
here=$(dirname "$0")
"$here/replays.sh" "$1" "$2"
