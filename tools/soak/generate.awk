# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes one drobix-replay script of random play: about FRAMES passes of held keys, idle
# stretches, screen switches, Esc where it leaves a screen, surface losses and focus changes, with a "state" line and a
# "memory" line after every MARK passes, so the driver can count the passes that ran and watch
# the memory. It ends with the high scores, the options and a quit, and so a save.
# Usage: awk -v SEED=N -v FRAMES=N -v MARK=N -f generate.awk
function pick(list,    items, count) {
    count = split(list, items, " ")
    return items[int(rand() * count) + 1]
}

# A few keys held together: mostly the game's, sometimes the menus' digits, letters for names.
# Esc is left out: on the main menu it ends the program, and a run should last.
function keys(    count, text, i, pool) {
    pool = rand()
    count = 1 + int(rand() * 2)
    text = ""
    for (i = 0; i < count; ++i) {
        if (pool < 0.55) {
            text = text " " pick("LEFT RIGHT UP DOWN SPACE SPACE SPACE DOWN")
        } else if (pool < 0.75) {
            text = text " " pick("1 2 3 4 5 6 7 3 3")
        } else if (pool < 0.93) {
            text = text " " pick("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z SHIFT BACKSPACE HOME END ENTER 0 9")
        } else {
            text = text " " pick("Y N GRAVE CAPSLOCK ENTER")
        }
    }
    return text
}

# Mostly whole frames of a 60 Hz display, sometimes a stall or no time at all.
function step(    roll) {
    roll = rand()
    return roll < 0.8 ? 16 : roll < 0.9 ? int(rand() * 17) : 17 + int(rand() * 200)
}

function emit(count, milliseconds, held,    room) {
    while (count > 0) {
        room = next_mark - done
        if (room > count) room = count
        print "frames " room " " milliseconds held
        done += room
        count -= room
        if (done >= next_mark) {
            print "state"
            print "memory"
            next_mark += MARK
        }
    }
}

BEGIN {
    srand(SEED)
    done = 0
    next_mark = MARK
    while (done < FRAMES) {
        roll = rand()
        if (roll < 0.55) {
            emit(1 + int(rand() * 12), step(), keys())
        } else if (roll < 0.85) {
            emit(1 + int(rand() * 60), step(), "")
        } else if (roll < 0.9) {
            # A whole game from the main menu: blocks dropped until the well is full, then a
            # name typed and entered if the score made the table.
            print "screen 1"
            emit(12, 16, "")
            emit(2, 16, " 3")
            emit(12, 16, "")
            emit(200 + int(rand() * 200), 16, " SPACE")
            emit(10, 16, "")
            for (letter = 0; letter < 3; ++letter) {
                emit(2, 16, " " pick("A B C D E F G H I J"))
                emit(8, 16, "")
            }
            emit(2, 16, " ENTER")
        } else if (roll < 0.92) {
            print "screen " (1 + int(rand() * 4))
        } else if (roll < 0.94) {
            # Esc where it cannot end the program: it leaves the options or the instructions,
            # or asks in a game whether to leave, answered at random.
            print "screen " (2 + int(rand() * 3))
            print "frame 16 ESC"
            emit(10 + int(rand() * 20), 16, "")
            emit(1, 16, " " pick("Y N"))
        } else if (roll < 0.97) {
            print "loss"
        } else {
            print "focus off"
            emit(1 + int(rand() * 5), step(), "")
            print "focus on"
        }
    }
    print "highscores"
    print "settings"
    # Half the runs end as a player ends them, by Esc on the main menu; the others by a quit.
    if (rand() < 0.5) {
        print "screen 1"
        print "frames 12 16"
        print "frames 2 16 ESC"
    }
    print "quit"
}
