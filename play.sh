#!/usr/bin/env bash
# Installs what is missing, builds Drobix (Release, in build/) and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh

drobix_install_deps
drobix_build build -DCMAKE_BUILD_TYPE=Release

if [ -x build/src/drobix ]; then
    exec build/src/drobix
fi
echo "Drobix is built, but the game itself is not there yet: only its rules and storage exist so far."
echo "Run ./test.sh to see them tested."
