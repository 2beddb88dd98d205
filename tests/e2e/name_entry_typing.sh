#!/usr/bin/env bash
# Plays the real game to its end under a virtual X server and types a high-score name with real
# key events: letters, Shift for a capital and for the symbol over 2, Backspace, End, Enter. The
# name must reach the data file exactly as the keyboard layout types it (the server's US layout).
# Usage: name_entry_typing.sh PATH_TO_DROBIX
set -euo pipefail
if [ -z "${DROBIX_UNDER_XVFB:-}" ]; then
    DROBIX_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
game=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=0
data=$XDG_DATA_HOME/Quillbeam/Drobix/Drobix.dat
mkdir -p "$(dirname "$data")"
# Ten rows of rubbish and a table of zero scores: the game ends soon, and any score qualifies.
cp "$here/low_scores.dat" "$data"

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

"$game" >"$work/game.log" 2>&1 &
pid=$!
if ! timeout 20 xdotool search --sync --name '^Drobix$' >/dev/null; then
    echo "no Drobix window appeared"; kill -9 "$pid"; exit 1
fi
sleep 1
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
press y
press z
press shift+a
press shift+2
press Return
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
if [ "$status" -ne 0 ]; then
    echo "exit status $status"; cat "$work/game.log"; exit 1
fi
expected='yzA@'
# The name with its length in front, as the data file keeps it.
if ! LC_ALL=C grep -q -a -P "\\x04\\x00\\x00\\x00\\Q$expected\\E" "$data"; then
    echo "the table does not hold the name $expected:"; od -c "$data" | head -20; exit 1
fi
