# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiling for 64-bit Windows with Debian's mingw-w64. The posix thread model, so that
# std::thread and std::mutex exist; everything is linked statically, so the programs need only the
# DLLs every Windows has.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(DROBIX_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${DROBIX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DROBIX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${DROBIX_MINGW_TRIPLET}-windres)
set(CMAKE_AR /usr/bin/${DROBIX_MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${DROBIX_MINGW_TRIPLET}-ranlib CACHE FILEPATH "")

# The cross build's libraries come from DROBIX_CROSS_PREFIXES (a list of install folders, set by
# tools/windows/build.sh) and the toolchain's own folder; programs come from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${DROBIX_MINGW_TRIPLET} ${DROBIX_CROSS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static libraries name what they need of others only in pkg-config's private fields.
set(PKG_CONFIG_ARGN --static)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
