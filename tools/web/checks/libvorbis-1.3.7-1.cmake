# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Check results of a full configure run, for emscripten 3.1.6~dfsg-5, Debian clang version 14.0.6, cmake version 3.25.1, build_libvorbis 8aea43630443bf7a
# Recorded by DROBIX_WEB_RECORD_CHECKS=1 tools/web/libraries.sh.
set(HAVE_LIBM "1" CACHE INTERNAL "")
