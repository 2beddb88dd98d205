# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Key helpers for the end-to-end tests, sourced by them. Needs xdotool and a DISPLAY.

# Holds a key (or keys joined by +, released in reverse order so that a modifier outlasts its
# key) long enough for a frame to see it but shorter than the name entry's key gate, in one
# xdotool call so that a busy machine cannot stretch the hold into a repeat; then waits out the
# key gate.
press() {
    local keys
    IFS=+ read -r -a keys <<<"$1"
    local actions=()
    local i
    for ((i = 0; i < ${#keys[@]}; i++)); do
        actions+=(keydown "${keys[i]}")
    done
    actions+=(sleep 0.1)
    for ((i = ${#keys[@]} - 1; i >= 0; i--)); do
        actions+=(keyup "${keys[i]}")
    done
    xdotool "${actions[@]}"
    sleep 0.25
}

# From the main menu, a game over a data file of rubbish and zero scores played to its end: the
# name entry is open and empty.
play_to_an_empty_name_entry() {
    press 3
    sleep 0.3
    # Drop blocks until the well is full; taps after the end type spaces into the name.
    for _ in $(seq 40); do
        press space
        sleep 0.3
    done
    press End
    for _ in $(seq 22); do
        press BackSpace
    done
}
