#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a program on a virtual X server of its own (24 bits, 1024 x 768), stopped afterwards;
# ends with the program's status.
# Usage: on_x_server.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/lib/server.sh"
e2e_start_x
status=0
"$@" || status=$?
exit "$status"
