// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Drobix {

// A rectangle of pixels; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return left >= right || top >= bottom; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Where source lands when copied with its top-left corner at (x, y).
constexpr Rect PlacedAt(const Rect& source, int x, int y) {
    return {x, y, x + source.Width(), y + source.Height()};
}

constexpr Rect Intersect(const Rect& a, const Rect& b) {
    return Rect{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

}  // namespace Drobix
