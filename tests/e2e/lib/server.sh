# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What every end-to-end test (and tools/measure-frames.sh) runs the real game with, sourced by
# it: a scratch folder, virtual display servers, the game itself, waits that poll for what they
# need until a time limit, and keys pressed through XTEST until the game has read them. Everything
# started here is stopped when the script ends, whatever its end. Needs Xvfb, xdpyinfo, xdotool
# and drobix-key-press (tests/e2e/tools); Weston for e2e_start_weston.
#
# Sourcing it sets:
#   e2e_work   the scratch folder, removed at the end
#   data       the data file's path inside it (the game's data and settings folders are there)

e2e_lib_folder=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
e2e_work=$(mktemp -d)
# Processes to stop at the end, stopped last first: the game before its servers.
e2e_pids=()
# The time limit of every wait, in seconds: generous, since a busy machine slows everything.
readonly E2E_TIMEOUT=${E2E_TIMEOUT:-30}

# The data and settings folders inside the scratch folder, no sound device, and no leak report
# (the system's graphics libraries keep some allocations until exit; leaks are the unit tests'
# job).
export XDG_DATA_HOME=$e2e_work/data XDG_CONFIG_HOME=$e2e_work/config
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=0
data=$XDG_DATA_HOME/Quillbeam/Drobix/Drobix.dat

# e2e_fail MESSAGE: ends the test as failed, with what the game and the servers printed.
e2e_fail() {
    echo "$*"
    local log
    for log in "$e2e_work"/*.log; do
        [ -s "$log" ] || continue
        echo "--- the end of ${log##*/}"
        tail -n 20 "$log"
    done
    exit 1
}

# Whether process PID still runs (a child that ended but is not yet waited for does not).
e2e_running() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

# At the end of the script: stops what it started, the game first, and keeps its exit status.
e2e_end() {
    local status=$? i pid
    for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do
        pid=${e2e_pids[i]}
        kill -CONT "$pid" 2>/dev/null || true
        kill -TERM "$pid" 2>/dev/null || true
        e2e_wait_for_end "$pid" 5 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$e2e_work"
    exit "$status"
}
trap e2e_end EXIT

# e2e_until SECONDS MESSAGE COMMAND...: runs COMMAND every 50 ms until it succeeds; fails the
# test with MESSAGE when it has not after SECONDS.
e2e_until() {
    local seconds=$1 message=$2
    shift 2
    local deadline=$((SECONDS + seconds + 1))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || e2e_fail "$message (waited $seconds s)"
        sleep 0.05
    done
}

# e2e_wait_for_end PID SECONDS: succeeds once PID has ended, fails (without ending the test)
# when it still runs after SECONDS.
e2e_wait_for_end() {
    local deadline=$((SECONDS + $2 + 1))
    while e2e_running "$1"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

e2e_wait_for_file() {
    e2e_until "$E2E_TIMEOUT" "no file $1" test -e "$1"
}

# e2e_wait_for_line FILE PATTERN: until a line of FILE matches the extended regular expression.
e2e_wait_for_line() {
    e2e_until "$E2E_TIMEOUT" "no line '$2' in $1" grep -Eq -- "$2" "$1"
}

# e2e_start_x [DEPTH] [WIDTHxHEIGHT]: a virtual X server of its own (24 bits, 1024 x 768 unless
# told), exported as DISPLAY once it accepts clients; its process id in e2e_server_pid. The server
# picks a free display number itself, so no other test's server is ever taken for this one's.
# -noreset: without it the server resets whenever its last client leaves (setxkbmap, xdotool),
# and loses the keymap set.
e2e_start_x() {
    local depth=${1:-24} size=${2:-1024x768}
    local number_file
    number_file=$(mktemp "$e2e_work/display.XXXXXX")
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${size}x$depth" \
        3>"$number_file" >"$e2e_work/xvfb.log" 2>&1 &
    e2e_server_pid=$!
    e2e_pids+=("$e2e_server_pid")
    e2e_until "$E2E_TIMEOUT" "the X server did not start" test -s "$number_file"
    export DISPLAY=":$(head -n 1 "$number_file")"
    e2e_until "$E2E_TIMEOUT" "the X server $DISPLAY does not accept clients" e2e_x_answers
}

e2e_x_answers() {
    xdpyinfo >/dev/null 2>&1
}

# e2e_start_weston SCREEN_HASH_PROGRAM [SCALE]: Weston on the X server of DISPLAY (its X11
# backend, filling the server's screen with an output of that scale, 1 unless told), exported as
# WAYLAND_DISPLAY with SDL's Wayland driver chosen; its process id in e2e_compositor_pid, the
# first screen row below its panel in e2e_panel_bottom. Returns once its desktop shell has drawn
# its panel and fade-in, so that a window that comes later is placed beside the panel. The
# pointer is put over the panel, where it never covers a window (a window shows it).
e2e_start_weston() {
    local screen_hash=$1 scale=${2:-1} width height
    read -r width height < <(xdotool getdisplaygeometry)
    export XDG_RUNTIME_DIR=$e2e_work/runtime
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=x11-backend.so --socket=drobix --width=$((width / scale)) \
        --height=$((height / scale)) --scale="$scale" --idle-time=0 >"$e2e_work/weston.log" 2>&1 &
    e2e_compositor_pid=$!
    e2e_pids+=("$e2e_compositor_pid")
    e2e_until "$E2E_TIMEOUT" "Weston did not start" test -S "$XDG_RUNTIME_DIR/drobix"
    xdotool mousemove 0 0
    e2e_until "$E2E_TIMEOUT" "Weston's desktop shell drew no panel" e2e_panel_drawn "$screen_hash"
    # The panel is one colour across its middle, down to its bottom edge.
    local middle=$((width / 2)) panel
    panel=$("$screen_hash" --pixel "$middle" 1)
    e2e_panel_bottom=1
    while [ "$e2e_panel_bottom" -lt "$height" ] &&
        [ "$("$screen_hash" --pixel "$middle" "$e2e_panel_bottom")" = "$panel" ]; do
        e2e_panel_bottom=$((e2e_panel_bottom + 1))
    done
    export WAYLAND_DISPLAY=drobix SDL_VIDEODRIVER=wayland
}

# Whether Weston's panel shows (its top left pixel is not the black of an empty output) and the
# screen has held still for three looks, a tenth of a second apart (the shell fades in).
e2e_panel_drawn() {
    local screen_hash=$1 first look
    [ "$("$screen_hash" --pixel 1 1)" != 0 ] || return 1
    first=$("$screen_hash")
    for look in 1 2; do
        sleep 0.1
        [ "$("$screen_hash")" = "$first" ] || return 1
    done
}

# e2e_start_game PROGRAM [ARGUMENTS...]: the game on DISPLAY, its output in e2e_game_log
# (game.log in the scratch folder unless set before),
# its process id in e2e_game_pid; returns once its window is up, it has presented frames there
# and its main menu takes keys. Its presents are counted in the frame copy file (see
# e2e_presents).
e2e_start_game() {
    local program=$1
    shift
    export DROBIX_FRAME_COPY=$e2e_work/frame.$RANDOM
    e2e_game_log=${e2e_game_log:-$e2e_work/game.log}
    "$program" "$@" >"$e2e_game_log" 2>&1 &
    e2e_game_pid=$!
    e2e_pids+=("$e2e_game_pid")
    # On Wayland the window is the compositor's, not the X server's: its frames tell it is up.
    if [ "${SDL_VIDEODRIVER:-}" != wayland ]; then
        e2e_wait_for_window
    fi
    e2e_wait_for_presents 2
    e2e_wait_out_menu_entry
}

# Whether the game, run with --verbose, last told that it draws into WIDTH x HEIGHT pixels in
# MODE ("full screen" or "windowed").
e2e_drawing_into() {
    grep '^Drawing into ' "$e2e_game_log" | tail -n 1 |
        grep -q "^Drawing into $1x$2 pixels (.*, $3)$"
}

# e2e_wait_for_drawing WIDTH HEIGHT MODE: until the game, run with --verbose, tells that it draws
# into WIDTH x HEIGHT pixels in MODE: the size the window system gave it after a switch or a
# resize, however long the window system took.
e2e_wait_for_drawing() {
    e2e_until "$E2E_TIMEOUT" "the game does not draw into $1x$2 pixels $3" \
        e2e_drawing_into "$@"
}

# e2e_wait_for_window: until the game's window is on DISPLAY; prints its id.
e2e_wait_for_window() {
    local window
    window=$(timeout "$E2E_TIMEOUT" xdotool search --sync --name '^Drobix$' | head -n 1) ||
        e2e_fail "no Drobix window appeared on $DISPLAY"
    e2e_window=$window
}

# The count of the game's presents so far: its frame copy counts two for each, one as the frame
# is taken and one once it is shown (0 before the first).
e2e_presents() {
    local count=0
    [ -s "$DROBIX_FRAME_COPY" ] && count=$(od -An -t u8 -N 8 "$DROBIX_FRAME_COPY" | tr -d ' ')
    echo $((count / 2))
}

# Whether the game has presented TARGET frames in all; fails the test when it ended before.
e2e_presents_reach() {
    [ "$(e2e_presents)" -ge "$1" ] && return 0
    e2e_running "$e2e_game_pid" || e2e_fail "the game ended before its frame $1"
    return 1
}

# e2e_wait_for_presents N: until the game has presented N more frames.
e2e_wait_for_presents() {
    local target=$(($(e2e_presents) + $1))
    e2e_until "$E2E_TIMEOUT" "the game presented no frames up to $target" \
        e2e_presents_reach "$target"
}

# The game reads the keys once a frame and acts on a key only when its key gate (150 ms, 120 ms
# in the name entry) has run out since its last action. A press is held until a frame surely
# read it, however late frames come, and released as soon as that frame has drawn, before the
# next one reads the keys (drobix-key-press, whose path DROBIX_KEY_PRESS gives); then the gate is
# waited out. What a machine too busy to deliver the release in time does (a repeated key) is
# for the test to allow for: it checks what happened, not how many frames it took.
readonly E2E_KEY_GATE_SECONDS=0.2
e2e_key_press=${DROBIX_KEY_PRESS:-$e2e_lib_folder/../../../build/tests/drobix-key-press}
# A menu screen takes no keys for its first 500 ms of frames.
readonly E2E_MENU_ENTRY_SECONDS=0.55

# e2e_press KEY[+KEY...]: presses the keys (key symbols' names, or X key codes of two digits or
# more) together and releases them in reverse order, so that a modifier outlasts its key. A key
# may end the game: the hold ends then.
e2e_press() {
    local keys
    IFS=+ read -r -a keys <<<"$1"
    "$e2e_key_press" "$DROBIX_FRAME_COPY" "$e2e_game_pid" "${keys[@]}" ||
        e2e_fail "the key press $1 was not seen through"
    sleep "$E2E_KEY_GATE_SECONDS"
}

# e2e_wait_out_menu_entry: after a menu screen was entered, until it takes keys. Its time runs
# with the clock from frame to frame, so a wait on the clock and then a frame are enough.
e2e_wait_out_menu_entry() {
    sleep "$E2E_MENU_ENTRY_SECONDS"
    e2e_wait_for_presents 1
}

# e2e_press_into_menu KEY: presses a key that opens a menu screen, and waits until that screen
# takes keys.
e2e_press_into_menu() {
    e2e_press "$1"
    e2e_wait_out_menu_entry
}

# e2e_hold KEY SECONDS: holds a key for a time the game's rules need (longer than a key gate, to
# repeat it or to see a held key ignored), then releases it.
e2e_hold() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}

# e2e_wait_for_game_end SECONDS: until the game has ended by itself; its exit status in
# e2e_game_status. Fails the test when it still runs after SECONDS.
e2e_wait_for_game_end() {
    e2e_wait_for_end "$e2e_game_pid" "$1" || e2e_fail "the game still runs $1 s later"
    e2e_game_status=0
    wait "$e2e_game_pid" || e2e_game_status=$?
}

# e2e_stop_game: ends the game as a desktop would (SIGTERM) and fails on an exit status other
# than 0.
e2e_stop_game() {
    kill -TERM "$e2e_game_pid" 2>/dev/null || e2e_fail "the game ended before it was told to"
    e2e_wait_for_game_end "$E2E_TIMEOUT"
    [ "$e2e_game_status" -eq 0 ] || e2e_fail "exit status $e2e_game_status"
}

# A data file of ten rows of rubbish and a table of zero scores: games end soon, and any score
# qualifies.
e2e_seed_low_scores() {
    mkdir -p "$(dirname "$data")"
    cp "$e2e_lib_folder/../low_scores.dat" "$data"
}

# e2e_table_holds NAME_PATTERN: whether a name in the data file's table, which keeps each name
# with its length in front, matches the Perl regular expression NAME_PATTERN whole.
e2e_table_holds() {
    [ -f "$data" ] || return 1
    NAME_PATTERN=$1 perl -0777 -ne '
        while (/([\x01-\x14])\x00\x00\x00/g) {
            $found = 1 if substr($_, pos($_), ord($1)) =~ /^(?:$ENV{NAME_PATTERN})$/;
        }
        END { exit !$found }' "$data"
}

# e2e_scored_entry NAME_PATTERN: whether the data file's table, read entry by entry, holds a
# score above zero under a name (empty too) that matches the Perl regular expression
# NAME_PATTERN whole.
e2e_scored_entry() {
    [ -f "$data" ] || return 1
    NAME_PATTERN=$1 perl -0777 -ne '
        # The options before the table: the version, the sound byte and six four-byte fields.
        my $at = 29;
        for my $entry (1 .. 5) {
            last if $at + 8 > length;
            my ($score, $length) = unpack("VV", substr($_, $at, 8));
            my $name = substr($_, $at + 8, $length);
            $at += 8 + $length;
            exit 0 if $score > 0 && $name =~ /^(?:$ENV{NAME_PATTERN})$/;
        }
        exit 1' "$data"
}

# e2e_expect_name NAME_PATTERN: fails the test unless the table holds such a name.
e2e_expect_name() {
    e2e_table_holds "$1" && return 0
    od -c "$data" | head -20
    e2e_fail "the table does not hold a name $1"
}

# The game's frame holds this strip left of the well, under which the name entry's panel opens:
# left, top, width, height in pixels, and the frame's width.
readonly E2E_NAME_PANEL_STRIP=(204 250 58 100 800)
# A block is dropped only half a second after it appeared.
readonly E2E_HARD_DROP_SECONDS=0.55
# The most blocks ten rows of rubbish leave room for, with room to spare.
readonly E2E_MOST_DROPS=40

# A checksum of the strip of the last frame presented where the name entry's panel opens.
e2e_name_panel_strip() {
    local left top width height pitch row
    read -r left top width height pitch <<<"${E2E_NAME_PANEL_STRIP[*]}"
    for ((row = top; row < top + height; row += 4)); do
        od -An -tx2 -j $((8 + 2 * (row * pitch + left))) -N $((2 * width)) "$DROBIX_FRAME_COPY"
    done | cksum
}

# e2e_drop_until_name_entry BACKGROUND [SPACE [BACKSPACE]]: in a game over a data file of rubbish
# and zero scores, drops blocks (SPACE, by default the key space) until the name entry's panel
# covers what the strip showed when the game began (BACKGROUND, e2e_name_panel_strip's). Each
# press waits until a frame has acted on it, so the drop that ends the game is the last; two
# Backspaces then take out anything a release delivered late typed.
e2e_drop_until_name_entry() {
    local background=$1 space=${2:-space} backspace=${3:-BackSpace} drop
    for ((drop = 0; drop < E2E_MOST_DROPS; drop++)); do
        if [ "$(e2e_name_panel_strip)" != "$background" ]; then
            e2e_press "$backspace"
            e2e_press "$backspace"
            return 0
        fi
        e2e_press "$space"
        sleep "$E2E_HARD_DROP_SECONDS"
    done
    e2e_fail "no name entry opened after $E2E_MOST_DROPS blocks"
}

# e2e_steady_name_panel_strip: e2e_name_panel_strip's checksum once it is the same in two frames
# one after the other (a new screen shown whole).
e2e_steady_name_panel_strip() {
    local last now frame
    last=$(e2e_name_panel_strip)
    for frame in $(seq 100); do
        e2e_wait_for_presents 1
        now=$(e2e_name_panel_strip)
        [ "$now" != "$last" ] || break
        last=$now
    done
    echo "$now"
}

# e2e_start_play KEY: presses KEY (3 on the main menu starts a game); prints
# e2e_steady_name_panel_strip's checksum of the game's screen.
e2e_start_play() {
    e2e_press "$1"
    e2e_steady_name_panel_strip
}

# From the main menu, a game over a data file of rubbish and zero scores played to its end: the
# name entry is open and empty.
e2e_play_to_an_empty_name_entry() {
    local background
    background=$(e2e_start_play 3)
    e2e_drop_until_name_entry "$background"
}
