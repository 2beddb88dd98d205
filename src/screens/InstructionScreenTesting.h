// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Only tests, benchmarks and drobix-replay use this: the instructions screen's picture of the
// help text.

namespace Drobix {

class ImageSurface;

namespace Testing {

// Null while the instructions screen is not current.
const ImageSurface* GetHelpTextSurface();

}  // namespace Testing

}  // namespace Drobix
