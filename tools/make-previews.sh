#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Pictures for a look at the resources: the screens as the game itself draws them (shots of
# drobix-replay running tools/replay/previews.replay), the asset tool's contact sheet of every
# picture and its zoomed views of the sprites and fonts. Nothing here is committed.
#
#     tools/make-previews.sh [FOLDER]      (default: build/previews)
#
# Builds what it needs in build/, which must be configured.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mkdir -p "${1:-$root/build/previews}" && cd "${1:-$root/build/previews}" && pwd)
cmake --build "$root/build" --target drobix-replay assetgen -j2 > /dev/null
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
(cd "$folder" && XDG_DATA_HOME="$data" "$root/build/tools/replay/drobix-replay" \
    "$root/tools/replay/previews.replay" > /dev/null 2>&1)
"$root/build/tools/assetgen/assetgen" "$data/resources" --contact-sheet \
    "$folder/contact-sheet.png" --preview "$folder" > /dev/null
echo "previews in $folder"
