#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every test of the web build, beside the Linux build (its drobix-replay).
# Usage: tests/web/run.sh WEB_BUILD LINUX_BUILD
set -euo pipefail
here=$(dirname "$0")
"$here/replays.sh" "$1" "$2"
# The page in headless Chromium: its picture in a small and a large tab, and a game played, saved
# and reloaded.
"$here/browser.sh" "$1/page" "$here/picture_in_browser.js"
"$here/browser.sh" "$1/page" "$here/play_and_reload.js"
