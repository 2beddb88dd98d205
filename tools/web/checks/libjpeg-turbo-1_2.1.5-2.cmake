# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Check results of a full configure run, for emscripten 3.1.6~dfsg-5, Debian clang version 14.0.6, cmake version 3.25.1, build_libjpeg-turbo fc1196f4b25af642
# Recorded by DROBIX_WEB_RECORD_CHECKS=1 tools/web/libraries.sh.
set(HAVE_BUILTIN_CTZL "1" CACHE INTERNAL "")
set(HAVE_SIZE_T "TRUE" CACHE INTERNAL "")
set(HAVE_STDDEF_H "1" CACHE INTERNAL "")
set(HAVE_STDINT_H "1" CACHE INTERNAL "")
set(HAVE_SYS_TYPES_H "1" CACHE INTERNAL "")
set(HAVE_UNSIGNED_LONG "TRUE" CACHE INTERNAL "")
set(HAVE_VERSION_SCRIPT "1" CACHE INTERNAL "")
set(INLINE_WORKS "1" CACHE INTERNAL "")
set(SIZE_T "4" CACHE INTERNAL "")
set(SIZE_T_run_result "4" CACHE INTERNAL "")
set(UNSIGNED_LONG "4" CACHE INTERNAL "")
set(UNSIGNED_LONG_run_result "4" CACHE INTERNAL "")
