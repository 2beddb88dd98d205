#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a program on a virtual X server of its own (24 bits, 1024 x 768 or DROBIX_X_SCREEN),
# stopped afterwards;
# ends with the program's status.
# Usage: on_x_server.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/lib/server.sh"
e2e_start_x 24 "${DROBIX_X_SCREEN:-1024x768}"
status=0
"$@" || status=$?
exit "$status"
