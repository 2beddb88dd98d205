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
# Usage: session_end.sh PATH_TO_DROBIX display|hangup|kill DISPLAY_NUMBER
# The X server runs on DISPLAY_NUMBER or, when that display is taken, on another of 160..169.
set -euo pipefail
game=$1
scenario=$2
first_display=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    for pid in $game_pid $xvfb_pid; do
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
source "$here/scratch_home.sh"
use_scratch_home "$work"
# Offset of the starting level in the data file.
level_offset=25
lost_line='Drobix: the connection to the display was lost; saving and ending'

fail() {
    echo "$scenario: $*"
    echo "--- standard error of the game"
    cat "$work/stderr"
    exit 1
}

# Whether the server started on display NUMBER answers there. A server that some other program
# runs on that display answers too, so the display's lock file must name this one.
server_answers() {
    local number=$1
    for _ in $(seq 100); do
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            return 1
        fi
        if xdotool getdisplaygeometry >/dev/null 2>&1; then
            [ "$(tr -d ' \n' <"/tmp/.X$number-lock")" = "$xvfb_pid" ]
            return
        fi
        sleep 0.1
    done
    return 1
}

start_server() {
    local number
    for number in "$first_display" $(seq 160 169); do
        Xvfb ":$number" -noreset -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        export DISPLAY=:$number
        if server_answers "$number"; then
            return 0
        fi
        kill -9 "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    done
    xvfb_pid=
    echo "no X server of this test's own could start"; cat "$work/xvfb.log"; exit 1
}

start_game() {
    "$game" >"$work/stdout" 2>"$work/stderr" &
    game_pid=$!
    if ! timeout 20 xdotool search --sync --name '^Drobix$' >/dev/null; then
        fail "no Drobix window appeared"
    fi
    sleep 1
}

source "$here/keys.sh"

# From the main menu to the options screen, where holding 4 for a second steps the starting
# level from 0 a few times (a step every 150 ms at most, so it cannot come round to 0 again).
# Keys are held long, so that a frame that comes late on a busy machine still sees them.
change_option() {
    xdotool keydown 2
    sleep 0.3
    xdotool keyup 2
    sleep 1
    xdotool keydown 4
    sleep 1
    xdotool keyup 4
    sleep 0.3
}

# Waits for the game to end and puts its exit status in game_status; fails when it still runs
# after SECONDS.
game_status=
wait_for_game() {
    local seconds=$1 tenths=0
    while kill -0 "$game_pid" 2>/dev/null; do
        if [ "$tenths" -ge $((seconds * 10)) ]; then
            fail "the game still runs $seconds s after the end of its session"
        fi
        sleep 0.1
        tenths=$((tenths + 1))
    done
    game_status=0
    wait "$game_pid" || game_status=$?
    game_pid=
}

starting_level_saved() {
    [ -f "$data" ] || fail "no data file was written"
    local level
    level=$(od -An -tu1 -j "$level_offset" -N1 "$data" | tr -d ' ')
    [ "$level" -ge 1 ] || fail "the data file holds starting level '$level', not the changed one"
}

display_lost() {
    start_server
    start_game
    change_option
    kill -9 "$xvfb_pid"
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
    wait_for_game 2
    [ "$game_status" = 1 ] || fail "exit status $game_status, not 1"
    if grep -Eiq 'free|malloc|abort' "$work/stderr"; then
        fail "standard error tells of a heap fault or an abort"
    fi
    [ "$(tail -n 1 "$work/stderr")" = "$lost_line" ] || fail "the last line is not the reason"
    [ "$(grep -c "display" "$work/stderr")" = 1 ] || fail "the reason is not one line"
    starting_level_saved
}

hung_up() {
    start_server
    start_game
    change_option
    kill -HUP "$game_pid"
    wait_for_game 20
    [ "$game_status" = 0 ] || fail "exit status $game_status, not 0"
    starting_level_saved
}

killed_after_name_entry() {
    seed_low_scores
    start_server
    start_game
    play_to_an_empty_name_entry
    press k
    press i
    press m
    press Return
    sleep 1
    kill -9 "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=
    # The name with its length in front, as the data file keeps it. On a busy machine a key
    # may repeat; the typing itself is name_entry_typing.sh's to check.
    if ! LC_ALL=C grep -q -a -P '[\x03-\x14]\x00\x00\x00k+i+m+' "$data"; then
        od -c "$data" | head -20
        fail "the table in the data file does not hold the name kim"
    fi
}

case $scenario in
    display) display_lost ;;
    hangup) hung_up ;;
    kill) killed_after_name_entry ;;
    *) echo "unknown scenario $scenario"; exit 2 ;;
esac
