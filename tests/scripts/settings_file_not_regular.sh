#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A folder or a FIFO where the settings file goes: drobix-replay's settingsfile says so in one
# line and the script goes on, as the game itself does at start (the defaults stand), without
# blocking on the FIFO.
# Usage: settings_file_not_regular.sh PATH_TO_DROBIX_REPLAY
set -euo pipefail
replay=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
# A hang is a failure, not a test that never ends.
readonly LIMIT_SECONDS=20
line='settingsfile $XDG_CONFIG_HOME/drobix/settings.toml: the file: is not a regular file'

for kind in folder fifo; do
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME/drobix"
    case $kind in
        folder) mkdir "$XDG_CONFIG_HOME/drobix/settings.toml" ;;
        fifo) mkfifo "$XDG_CONFIG_HOME/drobix/settings.toml" ;;
    esac
    status=0
    printf 'settingsfile\nloadsettings\nsettingsfile\npreferences\n' |
        timeout "$LIMIT_SECONDS" "$replay" - >"$work/out" 2>"$work/err" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "$kind: exit status $status"
        cat "$work/err"
        exit 1
    fi
    # Between the two, the game's own one line on the file, from loadsettings.
    if [ "$(sed -n 1p "$work/out")" != "$line" ] || [ "$(sed -n 3p "$work/out")" != "$line" ] ||
        [[ "$(sed -n 2p "$work/out")" != '$XDG_CONFIG_HOME/drobix/settings.toml: '* ]]; then
        echo "$kind: the output begins otherwise:"
        head -n 3 "$work/out"
        exit 1
    fi
    # The script went on to its end: the preferences' first line, the defaults.
    grep -q '^window=' "$work/out" || { echo "$kind: the script did not go on"; exit 1; }
done
echo "settingsfile: a folder and a FIFO each said so in one line"
