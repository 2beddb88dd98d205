#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The installer under Wine: installs the game, its Start-menu entries and its uninstall entry;
# the uninstaller removes them all and leaves the player's data file. Lists what was put where
# and what was left.
# Usage: install_under_wine.sh WINDOWS_BUILD
set -euo pipefail
WINDOWS_BUILD=$(cd "$1" && pwd)
source "$(dirname "$0")/wine.sh"
wine_make_prefix
wine_wait_for_end
setup=$(ls "$WINDOWS_BUILD"/drobix-*-setup.exe)
program_files=$wine_prefix/drive_c/Program\ Files/Drobix
start_menu=$(wine_common_appdata)/Microsoft/Windows/Start\ Menu/Programs/Drobix
data_folder=$(wine_common_appdata)/Quillbeam/Drobix
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Drobix'

fail() {
    echo "installer under Wine: $*"
    exit 1
}

# A data file as a player leaves it.
mkdir -p "$data_folder"
[ -f "$data_folder/Drobix.dat" ] || printf '\1\0\0\0' >"$data_folder/Drobix.dat"

wine "$setup" /S
wineserver --wait
echo "Installed:"
(cd "$wine_prefix/drive_c" && find "Program Files/Drobix" "${start_menu#"$wine_prefix/drive_c/"}" \
    -type f | sort | sed 's/^/  C:\\/; s|/|\\|g')
[ -f "$program_files/drobix.exe" ] || fail "no drobix.exe in Program Files"
[ -f "$start_menu/Drobix.lnk" ] || fail "no Start-menu entry"
wine reg query "$uninstall_key" /v UninstallString 2>/dev/null | tr -d '\r' | grep -q Uninstall.exe ||
    fail "no uninstall entry in the registry"
echo "  registry: $uninstall_key"

# In place (_?=), so that it has ended when wine returns.
wine "$program_files/Uninstall.exe" /S "_?=C:\\Program Files\\Drobix"
wineserver --wait
# The uninstaller cannot delete itself while it runs in place.
rm -f "$program_files/Uninstall.exe"
rmdir "$program_files" 2>/dev/null || true
[ ! -e "$program_files" ] || fail "left in Program Files: $(ls "$program_files")"
[ ! -e "$start_menu" ] || fail "left in the Start menu: $(ls "$start_menu")"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall entry is still there"
[ -f "$data_folder/Drobix.dat" ] || fail "the uninstaller removed the player's data file"
echo "Uninstalled; left: C:\\ProgramData\\Quillbeam\\Drobix\\Drobix.dat"
