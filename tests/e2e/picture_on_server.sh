#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The main menu as a display server shows it: the real game runs on a virtual X server at depth
# 16, 24 or 30, or under Weston (nested in a virtual X server) on SDL's Wayland driver, full
# screen or in a window; the screen read back from the server must show the frame the game
# presented, scaled, within the rounding of the server's depth. Under Weston in a window, F11
# must then take the game to full screen, with the same check; there the game runs with
# --verbose, which must tell its progress lines and the presenter's choice.
# Usage: picture_on_server.sh CASE PATH_TO_DROBIX PATH_TO_SCREEN_CHECK PATH_TO_SCREEN_HASH
#   CASE: x11_16, x11_16_window, x11_24, x11_30, x11_24_accelerated, x11_24_accelerated_reset,
#   wayland_fullscreen or wayland_window.
# Screenshots are kept in $DROBIX_SCREENSHOTS when it names a folder.
set -euo pipefail
case_name=$1 game=$2 check=$3 screen_hash=$4
screen_width=1024 screen_height=768
source "$(dirname "$0")/lib/server.sh"
shots=${DROBIX_SCREENSHOTS:-$e2e_work}
# The server (and the compositor) show what they were handed a little later: how long a check
# may wait for that.
readonly SHOW_SECONDS=5

fail() { e2e_fail "$case_name: $*"; }

# shown NAME WIDTH HEIGHT: the check's answer for the screen as it is now.
check_status=
shown() {
    check_status=0
    "$check" "$DROBIX_FRAME_COPY" "$shots/$1.png" "$2" "$3" || check_status=$?
    [ "$check_status" != 1 ]
}

# Whether the game is in the middle of a present: its frame copy's count is odd then.
presenting() {
    [ $(($(od -An -t u8 -N 8 "$DROBIX_FRAME_COPY" | tr -d ' ') % 2)) = 1 ]
}

# Stops the game between two presents (a present can take long on a busy machine: it is
# waited out, not stopped in).
stop_between_presents() {
    local attempt
    for attempt in $(seq 100); do
        kill -STOP "$e2e_game_pid"
        presenting || return 0
        kill -CONT "$e2e_game_pid"
        sleep 0.01
    done
    fail "the game was always in the middle of a present"
}

# check_picture NAME WIDTH HEIGHT: the game stopped between two presents, the server's screen
# must show its last frame at WIDTH x HEIGHT.
check_picture() {
    local name=$1 width=$2 height=$3
    stop_between_presents
    local deadline=$((SECONDS + SHOW_SECONDS))
    until shown "$name" "$width" "$height" || [ "$SECONDS" -ge "$deadline" ]; do
        sleep 0.1
    done
    kill -CONT "$e2e_game_pid"
    [ "$check_status" = 0 ] || fail "$name: the server's screen does not show the game's frame"
}

# The game, once it has presented a second's frames.
run_game() {
    e2e_start_game "$game" "$@"
    e2e_wait_for_presents 60
}

log=$e2e_work/game.log
case $case_name in
    x11_16 | x11_24 | x11_30)
        e2e_start_x "${case_name#x11_}" "${screen_width}x$screen_height"
        run_game
        check_picture "$case_name" "$screen_width" "$screen_height"
        ;;
    x11_16_window)
        # A window of the frame's own size on a 16-bit server takes the frame's pixels as
        # they are.
        e2e_start_x 16 "${screen_width}x$screen_height"
        run_game --window
        check_picture "$case_name" 800 600
        ;;
    x11_24_accelerated)
        # The texture route through an accelerated renderer, here Mesa's OpenGL on the
        # processor, as a GPU's would be taken; in a window of the frame's own size, where the
        # renderer copies the frame pixel for pixel.
        e2e_start_x 24 "${screen_width}x$screen_height"
        DROBIX_ACCELERATED_ROUTE=1 run_game --window --verbose
        grep -q "^Presenting through a texture, scaled by the opengl.*renderer" "$log" ||
            fail "not the accelerated texture route: $(grep Presenting "$log")"
        check_picture "$case_name" 800 600
        ;;
    x11_24_accelerated_reset)
        # The same route through a reset of its rendering device, as a driver reports one
        # (pushed here by a signal that only this variable turns on): the renderer and its
        # textures are made again, every picture is rebuilt, and the screen shows the game's
        # frame again.
        e2e_start_x 24 "${screen_width}x$screen_height"
        DROBIX_ACCELERATED_ROUTE=1 DROBIX_TEST_RESET_SIGNAL=1 run_game --window --verbose
        check_picture "${case_name}_before" 800 600
        kill -USR1 "$e2e_game_pid"
        e2e_wait_for_line "$log" "^Rendering device reset: renderer and textures made again$"
        grep -q "^Surfaces lost: every picture made again$" "$log" ||
            fail "the pictures were not rebuilt"
        e2e_wait_for_presents 2
        check_picture "${case_name}_after" 800 600
        ;;
    wayland_fullscreen)
        e2e_start_x 24 "${screen_width}x$screen_height"
        e2e_start_weston "$screen_hash"
        run_game --fullscreen
        check_picture "$case_name" "$screen_width" "$screen_height"
        ;;
    wayland_window)
        e2e_start_x 24 "${screen_width}x$screen_height"
        e2e_start_weston "$screen_hash"
        run_game --window --verbose
        check_picture "$case_name" 800 600
        # --verbose tells the progress lines and which way the frames go, and why.
        grep -q "^Initialising Game$" "$log" || fail "no progress line with --verbose"
        grep -q "^Presenting through .*: " "$log" || fail "no presenter line with --verbose"
        # Weston's window on the X server has the pointer, and so the keys.
        e2e_press F11
        e2e_wait_for_presents 30
        check_picture "${case_name}_then_f11" "$screen_width" "$screen_height"
        ;;
    *)
        fail "unknown case"
        ;;
esac
