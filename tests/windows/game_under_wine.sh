#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real drobix.exe under Wine on a virtual X server: it tells the DirectX version it found
# (at least 7.0); the screen shows its main menu as the game presented it, scaled; a game played
# from key presses ends in a new high score, written into the machine-wide application-data
# folder of the Wine prefix; after a restart the menu shows the table with it; a window closed
# during a game saves the options changed before it, and so does the end of the session.
# Usage: game_under_wine.sh WINDOWS_BUILD LINUX_BUILD
# Screenshots are kept in $DROBIX_SCREENSHOTS when it names a folder.
set -euo pipefail
WINDOWS_BUILD=$(cd "$1" && pwd)
linux_build=$(cd "$2" && pwd)
export DROBIX_KEY_PRESS=$linux_build/tests/drobix-key-press
check=$linux_build/tests/drobix_screen_check
source "$(dirname "$0")/../e2e/lib/server.sh"
source "$(dirname "$0")/wine.sh"
game=$WINDOWS_BUILD/game/src/drobix.exe
shots=${DROBIX_SCREENSHOTS:-$e2e_work}
screen_width=1024 screen_height=768

# No GPU here: Wine's Direct3D would emulate one on the processor through Mesa, as Linux's
# OpenGL would, so the game takes the framebuffer route as the Linux build does here.
export LIBGL_ALWAYS_SOFTWARE=1

# The folders Windows gives: the data file in the machine-wide one, no settings file yet.
unset XDG_DATA_HOME XDG_CONFIG_HOME
wine_make_prefix
wine_wait_for_end
data=$(wine_common_appdata)/Quillbeam/Drobix/Drobix.dat
rm -rf "$(wine_common_appdata)/Quillbeam" "$wine_prefix"/drive_c/users/*/AppData/Roaming/Drobix

fail() { e2e_fail "under Wine: $*"; }

# check_picture NAME: the screen shows the game's last frame, taken with the game stopped between
# two presents. Wine sends a window's pixels to the X server when its thread next looks for
# messages, at most every 50 ms, so the screen may be a frame or more behind the last present:
# the game is stopped again, at other moments, until the two meet.
check_picture() {
    local name=$1 attempt status=1
    for attempt in $(seq 200); do
        kill -STOP "$e2e_game_pid"
        if [ $(($(od -An -t u8 -N 8 "$DROBIX_FRAME_COPY" | tr -d ' ') % 2)) = 0 ]; then
            status=0
            "$check" "$DROBIX_FRAME_COPY" "$shots/wine_$name.png" "$screen_width" \
                "$screen_height" >/dev/null || status=$?
        fi
        kill -CONT "$e2e_game_pid"
        [ "$status" != 0 ] || return 0
        sleep "0.0$((RANDOM % 10))"
    done
    fail "$name: the screen never showed the game's frame"
}

# quit_by_window_close: Alt+F4, which Windows turns into the window's close.
quit_by_window_close() {
    e2e_press Alt_L+F4
    e2e_wait_for_game_end "$E2E_TIMEOUT"
}

e2e_start_x 24 "${screen_width}x$screen_height"
e2e_seed_low_scores
e2e_start_game wine "$game" --verbose
version=$(sed -n 's/^DirectX \([0-9]*\)\.\([0-9]*\)\([a-z]\?\) detected\r\?$/\1 \2 \3/p' \
    "$e2e_game_log" | head -n 1)
[ -n "$version" ] || fail "no DirectX line: $(head -n 5 "$e2e_game_log")"
read -r major minor letter <<<"$version"
echo "DirectX under Wine: $major.$minor$letter"
[ "$major" -ge 7 ] || fail "DirectX $major.$minor is older than 7.0"
check_picture menu

# A game over rubbish and zero scores, ended at once; the name typed and taken.
e2e_play_to_an_empty_name_entry
for key in w i n e Return; do
    e2e_press "$key"
done
e2e_press Escape
quit_by_window_close
e2e_expect_name wine
echo "Data file under the prefix: ${data#"$wine_prefix"/}"

# Restarted, the menu is the one of the new table.
e2e_start_game wine "$game"
check_picture menu_after_restart
cmp -s "$shots/wine_menu.png" "$shots/wine_menu_after_restart.png" &&
    fail "the menu looks as it did before the new score"

# An option changed, a game started, the window closed during it: the option is saved.
before=$(md5sum <"$data")
e2e_press_into_menu 2
e2e_hold 4 1
e2e_press Escape
e2e_press 3
check_picture game
quit_by_window_close
[ "$(md5sum <"$data")" != "$before" ] || fail "the window closed during a game did not save"

# The session ends (Wine's log-off: each window asked, then told) during a game after an option
# changed: the game saves at once and ends with status 1, as when the display is lost on Linux.
e2e_start_game wine "$game"
before=$(md5sum <"$data")
e2e_press_into_menu 2
e2e_hold 4 1
e2e_press Escape
e2e_press 3
wineboot --end-session
e2e_wait_for_game_end "$E2E_TIMEOUT"
[ "$e2e_game_status" = 1 ] || fail "exit status $e2e_game_status at the session's end"
[ "$(md5sum <"$data")" != "$before" ] || fail "the session's end did not save"
echo "Under Wine: DirectX $major.$minor$letter, menu shown, high score saved and shown, saved on"
echo "the window's close and at the session's end"
