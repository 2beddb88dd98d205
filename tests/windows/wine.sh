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

# The machine-wide application-data folder inside the prefix.
wine_common_appdata() {
    echo "$wine_prefix/drive_c/ProgramData"
}
