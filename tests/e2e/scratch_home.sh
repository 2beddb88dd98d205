# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real game's surroundings for an end-to-end test, sourced by it.

e2e_folder=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# use_scratch_home WORK: the data and settings folders inside the test's scratch folder WORK, no
# sound device, and no leak report (the system's graphics libraries keep some allocations until
# exit; leaks are the unit tests' job). Sets data, the data file's path.
use_scratch_home() {
    export XDG_DATA_HOME=$1/data XDG_CONFIG_HOME=$1/config
    export SDL_AUDIODRIVER=dummy
    export ASAN_OPTIONS=detect_leaks=0
    data=$XDG_DATA_HOME/Quillbeam/Drobix/Drobix.dat
}

# A data file of ten rows of rubbish and a table of zero scores: games end soon, and any score
# qualifies.
seed_low_scores() {
    mkdir -p "$(dirname "$data")"
    cp "$e2e_folder/low_scores.dat" "$data"
}
