// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <SDL.h>

#include <cstdio>
#include <string>

#include "platform/MessageBox.h"

namespace Drobix::Platform {

void ShowMessageBox(std::string_view caption, std::string_view text) {
    const std::string captionText(caption);
    const std::string bodyText(text);
    std::fprintf(stderr, "%s: %s\n", captionText.c_str(), bodyText.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, captionText.c_str(), bodyText.c_str(),
                             nullptr);
}

}  // namespace Drobix::Platform
