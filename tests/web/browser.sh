#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one of the in-browser tests (a Node script beside this one) against the web build's page
# folder, in Debian's Chromium, driven by puppeteer-core. puppeteer-core is installed from npm
# once, into a cache outside the clone: ${XDG_CACHE_HOME:-~/.cache}/drobix-web/.
# Usage: tests/web/browser.sh PAGE_FOLDER TEST_SCRIPT [ARGUMENTS...]
set -euo pipefail
page=$(cd "$1" && pwd)
script=$2
shift 2
source "$(dirname "$0")/../../tools/install-deps.sh"
drobix_install_packages "${drobix_browser_test_packages[@]}"
command -v npm >/dev/null || drobix_install_packages npm

# The version is pinned, so that every run drives the browser the same way; this one still runs
# on Debian's Node.
readonly PUPPETEER_VERSION=24.43.1
modules=${XDG_CACHE_HOME:-$HOME/.cache}/drobix-web/puppeteer-core-$PUPPETEER_VERSION
if [ ! -f "$modules/node_modules/puppeteer-core/package.json" ]; then
    rm -rf "$modules.partial"
    npm install --silent --no-audit --no-fund --prefix "$modules.partial" \
        "puppeteer-core@$PUPPETEER_VERSION" >/dev/null
    rm -rf "$modules"
    mv "$modules.partial" "$modules"
fi
export NODE_PATH=$modules/node_modules
export DROBIX_CHROMIUM=${DROBIX_CHROMIUM:-/usr/bin/chromium}
exec node "$script" "$page" "$@"
