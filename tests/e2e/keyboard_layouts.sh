#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the real game on a virtual X server under other keyboard layouts, with raw key codes
# (xdotool key 29 is the key right of T, whatever the layout types with it):
#   russian_yes      under Russian, Y leaves the exit prompt (then Esc ends the program)
#   german_name      under German, a name typed by key positions reaches the data file as the
#                    layout types it: z and y swapped, Shift+2 a double quote, AltGr+Q an at
#                    sign; with Num Lock off the keypad's 7 and 1 are Home and End and type
#                    nothing; keypad Enter confirms the name
#   switch_to_us     the layout goes from Russian to US while the game runs: the letter keys
#                    type Latin letters at once, and the keypad types digits and signs with
#                    Num Lock on
# Usage: keyboard_layouts.sh CASE PATH_TO_DROBIX DISPLAY_NUMBER
set -euo pipefail
case_name=$1
game=$2
display_number=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
source "$here/scratch_home.sh"
use_scratch_home "$work"

# X key codes of the evdev keymap that Xvfb uses; xdotool reads a number of two or more digits
# as a key code, and Escape, the same key in every layout, by its name.
readonly KEY_ESCAPE=Escape KEY_2=11 KEY_3=12 KEY_Q=24 KEY_Y=29 KEY_RETURN=36 KEY_A=38 KEY_SHIFT=50
readonly KEY_Z=52 KEY_SPACE=65 KEY_NUM_LOCK=77 KEY_KP_1=87 KEY_KP_MULTIPLY=63 KEY_KP_ENTER=104
readonly KEY_ALTGR=108 KEY_END=115 KEY_BACKSPACE=22 KEY_KP_7=79

# -noreset: without it the server resets when setxkbmap, its only client, disconnects, and the
# keymap set is lost.
Xvfb ":$display_number" -noreset -nolisten tcp -screen 0 1024x768x24 >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
game_pid=
# Keeps the script's own exit status, whatever the servers' ends return.
cleanup() {
    local status=$?
    if [ -n "$game_pid" ]; then
        kill -9 "$game_pid" 2>/dev/null || true
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
export DISPLAY=":$display_number"
for _ in $(seq 100); do
    xkbcomp "$DISPLAY" - >/dev/null 2>&1 && break
    sleep 0.1
done

# Sets a layout and checks that the server has it.
use_layout() {
    setxkbmap "$1"
    local keymap
    keymap=$(xkbcomp "$DISPLAY" - 2>/dev/null)
    if ! grep -q "xkb_symbols.*+$1" <<<"$keymap"; then
        echo "the server did not take the layout $1"; exit 1
    fi
}

# Holds a key long enough for a frame to see it but shorter than a key gate, in one xdotool
# call so that a busy machine cannot stretch the hold, then waits out the gate.
readonly HOLD_SECONDS=0.1
press() {
    xdotool keydown "$1" sleep $HOLD_SECONDS keyup "$1"
    sleep 0.25
}

# A key with a modifier, the modifier released last so that the key never acts without it.
press_with() {
    xdotool keydown "$1" keydown "$2" sleep $HOLD_SECONDS keyup "$2" keyup "$1"
    sleep 0.25
}

start_game() {
    "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    if ! timeout 20 xdotool search --sync --name '^Drobix$' >/dev/null; then
        echo "no Drobix window appeared"; exit 1
    fi
    sleep 1
    press $KEY_3
    sleep 0.3
}

# Ends the game and opens the name entry with an empty name: ten rows of rubbish and a table of
# zero scores make the game end soon, and any score qualifies.
reach_name_entry() {
    seed_low_scores
    start_game
    # Taps after the end type spaces into the name; End and Backspace take them out again.
    for _ in $(seq 40); do
        press $KEY_SPACE
        sleep 0.3
    done
    press $KEY_END
    for _ in $(seq 22); do
        press $KEY_BACKSPACE
    done
}

# Waits for the program to end by itself and checks its status.
expect_exit() {
    local status=0
    for _ in $(seq 50); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$game_pid" 2>/dev/null; then
        echo "the program did not end: $1"; exit 1
    fi
    wait "$game_pid" || status=$?
    game_pid=
    if [ "$status" -ne 0 ]; then
        echo "exit status $status"; cat "$work/game.log"; exit 1
    fi
}

# Ends the program with SIGTERM, so that it writes the data file, and looks for the name there,
# with its length in front.
expect_name() {
    if ! kill -TERM "$game_pid" 2>/dev/null; then
        echo "the program ended before it was told to"; cat "$work/game.log"; exit 1
    fi
    expect_exit "after SIGTERM"
    local name=$1
    local length
    length=$(printf '\\x%02x' "${#name}")
    if ! LC_ALL=C grep -q -a -P "${length}\\x00\\x00\\x00\\Q$name\\E" "$data"; then
        echo "the table does not hold the name $name:"; od -c "$data" | head -20; exit 1
    fi
}

case $case_name in
    russian_yes)
        use_layout ru
        start_game
        press $KEY_ESCAPE
        press $KEY_Y
        # On the main menu now, where Esc ends the program; in the prompt it would only close it.
        sleep 0.3
        press $KEY_ESCAPE
        expect_exit "Y did not leave the exit prompt"
        ;;
    german_name)
        use_layout de
        reach_name_entry
        press $KEY_Y
        press $KEY_Z
        press $KEY_KP_7
        press_with $KEY_SHIFT $KEY_2
        press $KEY_KP_1
        press_with $KEY_ALTGR $KEY_Q
        press $KEY_KP_ENTER
        expect_name '"zy@'
        ;;
    switch_to_us)
        use_layout ru
        press $KEY_NUM_LOCK
        reach_name_entry
        use_layout us
        sleep 0.5
        press $KEY_Y
        press $KEY_Z
        press $KEY_A
        press $KEY_KP_1
        press $KEY_KP_MULTIPLY
        press $KEY_RETURN
        expect_name 'yza1*'
        ;;
    *)
        echo "unknown case $case_name"; exit 2
        ;;
esac
