# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Building for the browser with Debian's emscripten: its own platform file, with the node that
# runs CMake's checks given the one flag that keeps it from stopping at start (emcmake's default
# flag makes it exit), and the web build's libraries from DROBIX_CROSS_PREFIXES (a list of install
# folders, set by tools/web/build.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR "/usr/bin/node;--no-experimental-fetch")
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Before emscripten's own sysroot, whose SDL2 package would pull in its downloading port.
list(PREPEND CMAKE_FIND_ROOT_PATH ${DROBIX_CROSS_PREFIXES})

# Static libraries name what they need of others only in pkg-config's private fields.
set(PKG_CONFIG_ARGN --static)
