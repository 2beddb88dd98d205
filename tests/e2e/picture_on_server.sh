#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The main menu as a display server shows it: the real game runs on a virtual X server at depth
# 16, 24 or 30, or under Weston (nested in a virtual X server) on SDL's Wayland driver, full
# screen or in a window; the screen read back from the server must show the frame the game
# presented, scaled, within the rounding of the server's depth. Under Weston, F11 and Alt+Enter
# must switch between full screen and a window, with the same check after each switch once the
# game tells (--verbose) the size it now draws into; a window must lie below Weston's panel. Under
# Weston at scale 2 the frame must fill the output at its real pixel size, full screen and in a
# window. With --verbose the game must tell its progress lines and the presenter's choice.
# Usage: picture_on_server.sh CASE PATH_TO_DROBIX PATH_TO_SCREEN_CHECK PATH_TO_SCREEN_HASH
#   CASE: x11_16, x11_16_window, x11_24, x11_30, x11_24_accelerated, x11_24_accelerated_reset,
#   wayland_fullscreen, wayland_window, wayland_scale2_fullscreen or wayland_scale2_window.
# Screenshots are kept in $DROBIX_SCREENSHOTS when it names a folder.
set -euo pipefail
case_name=$1 game=$2 check=$3 screen_hash=$4
screen_width=1024 screen_height=768
source "$(dirname "$0")/lib/server.sh"
shots=${DROBIX_SCREENSHOTS:-$e2e_work}
# The server (and the compositor) show what they were handed a little later: how long a check
# may wait for that. A compositor with a large output nested in a virtual X server takes longer.
show_seconds=5

fail() { e2e_fail "$case_name: $*"; }

# shown NAME WIDTH HEIGHT: the check's answer for the screen as it is now; what it said in
# check_said.
check_status=
check_said=
shown() {
    check_status=0
    check_said=$("$check" "$DROBIX_FRAME_COPY" "$shots/$1.png" "$2" "$3") || check_status=$?
    [ "$check_status" != 1 ]
}

# Whether the game is in the middle of a present: its frame copy's count is odd then.
presenting() {
    [ $(($(od -An -t u8 -N 8 "$DROBIX_FRAME_COPY" | tr -d ' ') % 2)) = 1 ]
}

# Stops the game, between two presents where it can within a second (a present can take long on
# a busy machine, or where the compositor holds the frames back, as a large output nested in a
# virtual X server does; the gaps between presents are short then).
stop_between_presents() {
    local attempt
    for attempt in $(seq 100); do
        kill -STOP "$e2e_game_pid"
        presenting || return 0
        kill -CONT "$e2e_game_pid"
        sleep 0.00$((RANDOM % 9 + 1))
    done
    kill -STOP "$e2e_game_pid"
}

# check_picture NAME WIDTH HEIGHT: the game stopped, the server's screen must show its last frame
# at WIDTH x HEIGHT. Stopped in the middle of a present, the screen may show the frame before:
# then it is let go on and stopped again.
check_picture() {
    local name=$1 width=$2 height=$3 deadline=$((SECONDS + E2E_TIMEOUT)) shown_by
    while :; do
        stop_between_presents
        shown_by=$((SECONDS + show_seconds))
        until shown "$name" "$width" "$height" || [ "$SECONDS" -ge "$shown_by" ]; do
            sleep 0.1
        done
        kill -CONT "$e2e_game_pid"
        [ "$check_status" = 3 ] && [ "$SECONDS" -lt "$deadline" ] || break
    done
    [ "$check_status" = 0 ] ||
        fail "$name: the server's screen does not show the game's frame: $check_said"
}

# The game, once it has presented a second's frames.
run_game() {
    e2e_start_game "$game" "$@"
    e2e_wait_for_presents 60
}

# check_window NAME WIDTH HEIGHT: as check_picture, for a window, which must also lie where the
# compositor placed it: wholly below its panel.
check_window() {
    check_picture "$@"
    local top
    top=$(sed -n 's/^the frame is shown at [0-9]*,\([0-9]*\),.*/\1/p' <<<"$check_said")
    [ -n "$top" ] && [ "$top" -ge "$e2e_panel_bottom" ] ||
        fail "$1: the window is over the panel ($check_said; the panel ends at row $e2e_panel_bottom)"
}

# switch_and_check NAME KEYS MODE WIDTH HEIGHT: the keys switch the window's mode; once the game
# tells that it draws into the whole screen (full screen) or a window's pixels (windowed), of
# WIDTH x HEIGHT either way, the screen must show its frame there, the whole screen when full.
switch_and_check() {
    local name=$1 keys=$2 mode=$3 width=$4 height=$5
    e2e_press "$keys"
    e2e_wait_for_drawing "$width" "$height" "$mode"
    if [ "$mode" = windowed ]; then
        check_window "$name" "$width" "$height"
    else
        check_picture "$name" "$width" "$height"
    fi
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
        # Started full screen, then F11 to a window, which the compositor places, and back.
        e2e_start_x 24 "${screen_width}x$screen_height"
        e2e_start_weston "$screen_hash"
        run_game --fullscreen --verbose
        e2e_wait_for_drawing "$screen_width" "$screen_height" "full screen"
        check_picture "$case_name" "$screen_width" "$screen_height"
        switch_and_check "${case_name}_then_window" F11 windowed 800 600
        switch_and_check "${case_name}_then_full" F11 "full screen" "$screen_width" "$screen_height"
        ;;
    wayland_window)
        # Started in a window, then three switches: F11, Alt+Enter, F11.
        e2e_start_x 24 "${screen_width}x$screen_height"
        e2e_start_weston "$screen_hash"
        run_game --window --verbose
        e2e_wait_for_drawing 800 600 windowed
        check_window "$case_name" 800 600
        # --verbose tells the progress lines and which way the frames go, and why.
        grep -q "^Initialising Game$" "$log" || fail "no progress line with --verbose"
        grep -q "^Presenting through .*: " "$log" || fail "no presenter line with --verbose"
        # Weston's window on the X server has the pointer, and so the keys.
        switch_and_check "${case_name}_1_full" F11 "full screen" "$screen_width" "$screen_height"
        switch_and_check "${case_name}_2_window" Alt_L+Return windowed 800 600
        switch_and_check "${case_name}_3_full" F11 "full screen" "$screen_width" "$screen_height"
        ;;
    wayland_scale2_fullscreen | wayland_scale2_window)
        # An output of twice the density, as on most high-density laptop screens: the frame is
        # drawn at the output's real pixel size, sharp, full screen and in a window, which is
        # 800 x 600 in the compositor's units. Weston composes its 2048 x 1536 output on the
        # processor: on a busy machine that can take many seconds.
        show_seconds=45
        e2e_start_x 24 "$((2 * screen_width))x$((2 * screen_height))"
        e2e_start_weston "$screen_hash" 2
        if [ "$case_name" = wayland_scale2_fullscreen ]; then
            run_game --fullscreen --verbose
            e2e_wait_for_drawing "$((2 * screen_width))" "$((2 * screen_height))" "full screen"
            check_picture "$case_name" "$((2 * screen_width))" "$((2 * screen_height))"
            switch_and_check "${case_name}_then_window" F11 windowed 1600 1200
        else
            run_game --window --verbose
            e2e_wait_for_drawing 1600 1200 windowed
            check_window "$case_name" 1600 1200
            switch_and_check "${case_name}_then_full" F11 "full screen" \
                "$((2 * screen_width))" "$((2 * screen_height))"
        fi
        ;;
    *)
        fail "unknown case"
        ;;
esac
