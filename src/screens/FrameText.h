// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <charconv>
#include <concepts>
#include <cstdio>
#include <string>
#include <string_view>

namespace Drobix {

// Text composed afresh for every frame in storage that outlives the frame: once the text has
// been as long as it gets, composing it again allocates nothing.
class FrameText {
public:
    FrameText& Clear() {
        text_.clear();
        return *this;
    }
    FrameText& operator<<(std::string_view text) {
        text_.append(text);
        return *this;
    }
    FrameText& operator<<(char character) {
        text_.push_back(character);
        return *this;
    }
    template <std::integral Number>
    FrameText& operator<<(Number number) {
        char digits[kMaxDigits];
        const auto result = std::to_chars(digits, digits + kMaxDigits, number);
        text_.append(std::string_view(digits, static_cast<size_t>(result.ptr - digits)));
        return *this;
    }
    // As a stream writes it by default: six significant digits, no trailing zeros.
    FrameText& operator<<(double number) {
        char digits[kMaxFloatText];
        const int length = std::snprintf(digits, sizeof digits, "%g", number);
        text_.append(digits, static_cast<size_t>(std::max(length, 0)));
        return *this;
    }
    const std::string& Str() const { return text_; }

private:
    // A 64-bit number in decimal with its sign.
    static constexpr int kMaxDigits = 21;
    // Six significant digits with sign, point and exponent.
    static constexpr int kMaxFloatText = 16;

    std::string text_;
};

}  // namespace Drobix
