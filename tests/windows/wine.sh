# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Wine for the Windows build's tests, sourced: a prefix of the build's own (made once), quiet,
# and drive letters for the build machine's paths. Sets wine_prefix.
#   WINDOWS_BUILD   the Windows build folder (tools/windows/build.sh's)

wine_prefix=$WINDOWS_BUILD/wine-prefix
export WINEPREFIX=$wine_prefix WINEDEBUG=-all WINEARCH=win64
# No dialogue asks for Mono or Gecko, which no test needs.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Makes the prefix once; wineboot's own display needs none.
wine_make_prefix() {
    [ -f "$wine_prefix/system.reg" ] && return 0
    mkdir -p "$wine_prefix"
    DISPLAY= wineboot --init >/dev/null 2>&1
    wineserver --wait
}

# Until Wine's server for the prefix has ended, with every program it ran: a program started
# after would join its desktop, which keeps the display (or none) of the programs before.
wine_wait_for_end() {
    wineserver --wait
}

# wine_keep_server: Wine's server for the prefix, and the services it starts, kept running until
# wine_stop_server: every program started meanwhile joins them rather than waiting for them to
# start anew (without a display: for programs that open no window).
wine_keep_server() {
    DISPLAY= wineserver -p
    DISPLAY= wine cmd /c exit >/dev/null 2>&1
}

# wine_stop_server: ends the server wine_keep_server kept, with every program it ran.
wine_stop_server() {
    wineserver -k 2>/dev/null || true
    wineserver --wait
}

# The machine-wide application-data folder inside the prefix.
wine_common_appdata() {
    echo "$wine_prefix/drive_c/ProgramData"
}
