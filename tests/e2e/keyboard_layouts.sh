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
# Usage: keyboard_layouts.sh CASE PATH_TO_DROBIX
set -euo pipefail
case_name=$1
game=$2
source "$(dirname "$0")/lib/server.sh"

# X key codes of the evdev keymap that Xvfb uses; xdotool reads a number of two or more digits
# as a key code, and Escape, the same key in every layout, by its name.
readonly KEY_ESCAPE=Escape KEY_2=11 KEY_3=12 KEY_Q=24 KEY_Y=29 KEY_RETURN=36 KEY_A=38 KEY_SHIFT=50
readonly KEY_Z=52 KEY_SPACE=65 KEY_NUM_LOCK=77 KEY_KP_1=87 KEY_KP_MULTIPLY=63 KEY_KP_ENTER=104
readonly KEY_ALTGR=108 KEY_BACKSPACE=22 KEY_KP_7=79

# Sets a layout and checks that the server has it.
use_layout() {
    setxkbmap "$1"
    local keymap
    keymap=$(xkbcomp "$DISPLAY" - 2>/dev/null)
    grep -q "xkb_symbols.*+$1" <<<"$keymap" || e2e_fail "the server did not take the layout $1"
}

start_game() {
    e2e_start_game "$game"
    e2e_press $KEY_3
}

# Ends the game and opens the name entry with an empty name: ten rows of rubbish and a table of
# zero scores make the game end soon, and any score qualifies.
reach_name_entry() {
    e2e_seed_low_scores
    e2e_start_game "$game"
    local background
    background=$(e2e_start_play $KEY_3)
    e2e_drop_until_name_entry "$background" $KEY_SPACE $KEY_BACKSPACE
}

# Waits for the program to end by itself and checks its status.
expect_exit() {
    e2e_wait_for_game_end 5
    [ "$e2e_game_status" -eq 0 ] || e2e_fail "exit status $e2e_game_status: $1"
}

# Ends the program with SIGTERM, so that it writes the data file, and looks there for a name
# matching PATTERN: each key once, or more often when a busy machine delivered its release late.
expect_name() {
    e2e_stop_game
    e2e_expect_name "$1"
}

e2e_start_x
case $case_name in
    russian_yes)
        use_layout ru
        start_game
        e2e_press $KEY_ESCAPE
        # On the main menu after Y, where Esc ends the program; in the prompt it would only
        # close it.
        e2e_press_into_menu $KEY_Y
        e2e_press $KEY_ESCAPE
        expect_exit "Y did not leave the exit prompt"
        ;;
    german_name)
        use_layout de
        reach_name_entry
        e2e_press $KEY_Y
        e2e_press $KEY_Z
        e2e_press $KEY_KP_7
        e2e_press $KEY_SHIFT+$KEY_2
        e2e_press $KEY_KP_1
        e2e_press $KEY_ALTGR+$KEY_Q
        e2e_press $KEY_KP_ENTER
        expect_name '"+z+y+@+'
        ;;
    switch_to_us)
        use_layout ru
        # Before the game starts: the server keeps the lock.
        xdotool key $KEY_NUM_LOCK
        reach_name_entry
        use_layout us
        # Frames that take the server's news of the new layout.
        e2e_wait_for_presents 5
        e2e_press $KEY_Y
        e2e_press $KEY_Z
        e2e_press $KEY_A
        e2e_press $KEY_KP_1
        e2e_press $KEY_KP_MULTIPLY
        e2e_press $KEY_RETURN
        expect_name 'y+z+a+1+\*+'
        ;;
    *)
        echo "unknown case $case_name"; exit 2
        ;;
esac
