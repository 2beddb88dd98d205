#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The soak's memory check on made-up heap figures (heap_replay.sh): screens that differ by
# megabytes but hold steady pass; a heap that grows on one screen fails.
# Usage: heap_check.sh PATH_TO_SOAK_SH
set -euo pipefail
soak=$1
here=$(cd "$(dirname "$0")" && pwd)
SOAK_HEAP_PATTERN=screens "$soak" "$here/heap_replay.sh" 10000 1 10000 ||
    { echo "steady screens were taken for a leak"; exit 1; }
if SOAK_HEAP_PATTERN=leak "$soak" "$here/heap_replay.sh" 10000 1 10000; then
    echo "a growing heap passed"
    exit 1
fi
echo "heap check: steady screens pass, a growing heap fails"
