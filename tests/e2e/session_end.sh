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
# saves anything. The session also ends during a name entry, with a name half typed, in each way
# a desktop ends it; the score is kept with the name as typed so far:
#   name_hangup, name_terminate, name_interrupt   SIGHUP, SIGTERM, SIGINT: status 0;
#   name_display   the X server killed: status 1;
#   name_close     the window closed as a window manager closes it: status 0;
#   name_empty     SIGTERM before a letter is typed: the score with an empty name, as Enter
#                  would keep it.
# Usage: session_end.sh PATH_TO_DROBIX display|hangup|kill|name_... [PATH_TO_CLOSE_WINDOW]
set -euo pipefail
game=$1
scenario=$2
close_window=${3:-}
source "$(dirname "$0")/lib/server.sh"
# Offset of the starting level in the data file.
level_offset=25
lost_line='Drobix: the connection to the display was lost; saving and ending'
# The name kim; on a busy machine a key may repeat, and the typing itself is
# name_entry_typing.sh's to check.
readonly KIM_PATTERN='k+i+m+'
# The name half typed: ki.
readonly KI_PATTERN='k+i+'

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

# end_during_name_entry HOW STATUS NAME_PATTERN LETTERS...: a high score won, LETTERS typed
# into its name and nothing more, then the session ended HOW (a signal's name, display or
# close); the game ends with STATUS and the table holds the score under a name that matches
# NAME_PATTERN.
end_during_name_entry() {
    local how=$1 status=$2 pattern=$3
    shift 3
    e2e_seed_low_scores
    e2e_start_x
    e2e_start_game "$game"
    e2e_play_to_an_empty_name_entry
    local key
    for key in "$@"; do
        e2e_press "$key"
    done
    # Nothing of the game over is written before the name is kept.
    if e2e_scored_entry "$pattern"; then
        fail "the score was saved before the session ended"
    fi
    case $how in
        display)
            kill -9 "$e2e_server_pid"
            wait "$e2e_server_pid" 2>/dev/null || true
            ;;
        close) "$close_window" "$e2e_window" || fail "the window could not be asked to close" ;;
        *) kill -"$how" "$e2e_game_pid" ;;
    esac
    e2e_wait_for_game_end 20
    [ "$e2e_game_status" = "$status" ] || fail "exit status $e2e_game_status, not $status"
    if ! e2e_scored_entry "$pattern"; then
        od -c "$data" | head -20
        fail "the table holds no score under a name '$pattern'"
    fi
}

case $scenario in
    display) display_lost ;;
    hangup) hung_up ;;
    kill) killed_after_name_entry ;;
    name_hangup) end_during_name_entry HUP 0 "$KI_PATTERN" k i ;;
    name_terminate) end_during_name_entry TERM 0 "$KI_PATTERN" k i ;;
    name_interrupt) end_during_name_entry INT 0 "$KI_PATTERN" k i ;;
    name_display) end_during_name_entry display 1 "$KI_PATTERN" k i ;;
    name_close) end_during_name_entry close 0 "$KI_PATTERN" k i ;;
    name_empty) end_during_name_entry TERM 0 '' ;;
    *) echo "unknown scenario $scenario"; exit 2 ;;
esac
