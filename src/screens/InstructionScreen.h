// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "screens/NonGameScreenBase.h"

namespace Drobix {

// Screen 3: the help text in a large panel. The text is drawn once into a picture of its own
// while the screen is shown, and drawn again by the display after a loss of surfaces.
class InstructionScreen final : public NonGameScreenBase {
public:
    void OnEnter() override;
    void OnLeave(ScreenNumber nextScreen) override;
    void Render() override;
    void Update(unsigned elapsedMs) override;

private:
    uint32_t keyTimer_ = 0;
};

}  // namespace Drobix
