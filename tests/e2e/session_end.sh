#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Ends the real game badly under a virtual X server of its own and checks that nothing is lost:
#   display  an option changed, then the X server killed: the game ends with status 1 within
#            2 s, its last line on standard error says why, nothing there mentions free, malloc
#            or abort, and the data file holds the option;
#   hangup   an option changed, then SIGHUP: status 0 and the option in the data file;
#   kill     a high score won and a name entered, then kill -9: the name in the data file.
# The option is changed on the options screen and the game ended there, before leaving it
# saves anything.
# Usage: session_end.sh PATH_TO_DROBIX display|hangup|kill
set -euo pipefail
game=$1
scenario=$2
source "$(dirname "$0")/lib/server.sh"
# Offset of the starting level in the data file.
level_offset=25
lost_line='Drobix: the connection to the display was lost; saving and ending'
# The name kim; on a busy machine a key may repeat, and the typing itself is
# name_entry_typing.sh's to check.
readonly KIM_PATTERN='k+i+m+'

fail() {
    e2e_fail "$scenario: $*"
}

# From the main menu to the options screen, where holding 4 for a second steps the starting
# level from 0 a few times (a step every 150 ms at most, so it cannot come round to 0 again).
change_option() {
    e2e_press_into_menu 2
    e2e_hold 4 1
}

starting_level_saved() {
    [ -f "$data" ] || fail "no data file was written"
    local level
    level=$(od -An -tu1 -j "$level_offset" -N1 "$data" | tr -d ' ')
    [ "$level" -ge 1 ] || fail "the data file holds starting level '$level', not the changed one"
}

display_lost() {
    e2e_start_x
    e2e_start_game "$game"
    change_option
    kill -9 "$e2e_server_pid"
    wait "$e2e_server_pid" 2>/dev/null || true
    e2e_wait_for_game_end 2
    [ "$e2e_game_status" = 1 ] || fail "exit status $e2e_game_status, not 1"
    local log=$e2e_work/game.log
    if grep -Eiq 'free|malloc|abort' "$log"; then
        fail "standard error tells of a heap fault or an abort"
    fi
    [ "$(tail -n 1 "$log")" = "$lost_line" ] || fail "the last line is not the reason"
    [ "$(grep -c "display" "$log")" = 1 ] || fail "the reason is not one line"
    starting_level_saved
}

hung_up() {
    e2e_start_x
    e2e_start_game "$game"
    change_option
    kill -HUP "$e2e_game_pid"
    e2e_wait_for_game_end 20
    [ "$e2e_game_status" = 0 ] || fail "exit status $e2e_game_status, not 0"
    starting_level_saved
}


killed_after_name_entry() {
    e2e_seed_low_scores
    e2e_start_x
    e2e_start_game "$game"
    e2e_play_to_an_empty_name_entry
    local key
    for key in k i m Return; do
        e2e_press "$key"
    done
    # The table is saved as the name is confirmed, not at the end.
    e2e_until "$E2E_TIMEOUT" "the name kim was not saved" e2e_table_holds "$KIM_PATTERN"
    kill -9 "$e2e_game_pid"
    wait "$e2e_game_pid" 2>/dev/null || true
    e2e_expect_name "$KIM_PATTERN"
}

case $scenario in
    display) display_lost ;;
    hangup) hung_up ;;
    kill) killed_after_name_entry ;;
    *) echo "unknown scenario $scenario"; exit 2 ;;
esac
