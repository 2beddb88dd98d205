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
# Usage: picture_on_server.sh CASE PATH_TO_DROBIX PATH_TO_SCREEN_CHECK
#   CASE: x11_16, x11_16_window, x11_24, x11_30, x11_24_accelerated, wayland_fullscreen or
#   wayland_window.
# Screenshots are kept in $DROBIX_SCREENSHOTS when it names a folder.
set -euo pipefail
case_name=$1 game=$2 check=$3
screen_width=1024 screen_height=768
work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill -CONT "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/scratch_home.sh"
use_scratch_home "$work"
export DROBIX_FRAME_COPY=$work/frame
shots=${DROBIX_SCREENSHOTS:-$work}

fail() { echo "$case_name: $*"; exit 1; }

# The server picks a free display number itself and tells it once it takes connections, so that
# no other test's server is ever taken for this one's.
start_x_server() {
    local depth=$1
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${screen_width}x${screen_height}x$depth" \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || { cat "$work/xvfb.log"; fail "the X server did not start"; }
    export DISPLAY=":$(head -n 1 "$work/display")"
    xdpyinfo >/dev/null || fail "the X server does not answer"
}

start_weston() {
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=x11-backend.so --socket=drobix --width="$screen_width" \
        --height="$screen_height" --idle-time=0 >"$work/weston.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/drobix" ] && break
        sleep 0.1
    done
    [ -S "$XDG_RUNTIME_DIR/drobix" ] || { cat "$work/weston.log"; fail "Weston did not start"; }
    # The pointer over Weston's panel, where it never covers a window (a window shows it).
    xdotool mousemove 0 0
    # Its desktop shell up before the game's window comes.
    sleep 1
    export WAYLAND_DISPLAY=drobix SDL_VIDEODRIVER=wayland
}

# The count of presents in the frame copy (0 before the first).
presents() {
    if [ -f "$DROBIX_FRAME_COPY" ]; then
        od -An -t u8 -N 8 "$DROBIX_FRAME_COPY" | tr -d ' '
    else
        echo 0
    fi
}

# Waits until the game has presented a couple of seconds' frames.
wait_for_frames() {
    for _ in $(seq 200); do
        [ "$(presents)" -ge 120 ] && return 0
        sleep 0.1
    done
    cat "$work/game.log"
    fail "the game did not present its frames (presents: $(presents))"
}

# check_picture PID NAME WIDTH HEIGHT: the game stopped between two presents, the server's
# screen must show its last frame at WIDTH x HEIGHT.
check_picture() {
    local pid=$1 name=$2 width=$3 height=$4 status
    for _ in $(seq 10); do
        kill -STOP "$pid"
        # Time for the server (and the compositor) to show what it was handed.
        sleep 0.5
        status=0
        "$check" "$DROBIX_FRAME_COPY" "$shots/$name.png" "$width" "$height" || status=$?
        kill -CONT "$pid"
        case $status in
            0) return 0 ;;
            3) sleep 0.1 ;;
            *) fail "$name: the server's screen does not show the game's frame" ;;
        esac
    done
    fail "$name: the game was always stopped in the middle of a present"
}

run_game() {
    "$game" "$@" >"$work/game.log" 2>&1 &
    game_pid=$!
    pids+=("$game_pid")
    wait_for_frames
}

case $case_name in
    x11_16 | x11_24 | x11_30)
        start_x_server "${case_name#x11_}"
        run_game
        check_picture "$game_pid" "$case_name" "$screen_width" "$screen_height"
        ;;
    x11_16_window)
        # A window of the frame's own size on a 16-bit server takes the frame's pixels as
        # they are.
        start_x_server 16
        run_game --window
        check_picture "$game_pid" "$case_name" 800 600
        ;;
    x11_24_accelerated)
        # The texture route through an accelerated renderer, here Mesa's OpenGL on the
        # processor, as a GPU's would be taken; in a window of the frame's own size, where the
        # renderer copies the frame pixel for pixel.
        start_x_server 24
        DROBIX_ACCELERATED_ROUTE=1 run_game --window --verbose
        grep -q "^Presenting through a texture, scaled by the opengl.*renderer" "$work/game.log" ||
            fail "not the accelerated texture route: $(grep Presenting "$work/game.log")"
        check_picture "$game_pid" "$case_name" 800 600
        ;;
    wayland_fullscreen)
        start_x_server 24
        start_weston
        run_game --fullscreen
        check_picture "$game_pid" "$case_name" "$screen_width" "$screen_height"
        ;;
    wayland_window)
        start_x_server 24
        start_weston
        run_game --window --verbose
        check_picture "$game_pid" "$case_name" 800 600
        # --verbose tells the progress lines and which way the frames go, and why.
        grep -q "^Initialising Game$" "$work/game.log" || fail "no progress line with --verbose"
        grep -q "^Presenting through .*: " "$work/game.log" ||
            fail "no presenter line with --verbose"
        # Weston's window on the X server has the pointer, and so the keys.
        xdotool key F11
        sleep 1
        check_picture "$game_pid" "${case_name}_then_f11" "$screen_width" "$screen_height"
        ;;
    *)
        fail "unknown case"
        ;;
esac
