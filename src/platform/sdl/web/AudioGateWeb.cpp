// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <emscripten.h>

#include "platform/Audio.h"

namespace Drobix::Platform {

namespace {

// SDL's audio context, made when the device opened, runs only once the browser lets it: after
// the player's first key press or click, when emscripten's autoResumeAudioContext resumes it.
// clang-format off
EM_JS(int, drobix_audio_context_waits, (), {
    const audio = Module['SDL2'] && Module['SDL2'].audioContext;
    return audio && audio.state !== 'running' ? 1 : 0;
});
// clang-format on

}  // namespace

bool AudioAwaitsPlayer() {
    return drobix_audio_context_waits() != 0;
}

}  // namespace Drobix::Platform
