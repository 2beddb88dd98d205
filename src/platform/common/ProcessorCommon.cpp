// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Processor.h"

namespace Drobix::Platform {

namespace {

bool ProcessorHasAvx2() {
#if defined(__x86_64__)
    static const bool hasAvx2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2") != 0);
    return hasAvx2;
#else
    return false;
#endif
}

bool portableOnly = false;

}  // namespace

bool UseAvx2() {
    return !portableOnly && ProcessorHasAvx2();
}

void SetPortableCodeOnly(bool portable) {
    portableOnly = portable;
}

}  // namespace Drobix::Platform
