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

#include "strings/Texts.h"

namespace Drobix {

// A number written out as an argument for a text's placeholder, without allocating: whole
// numbers in decimal, others as a stream writes them by default (printf's %g).
class NumberText {
public:
    template <std::integral Number>
    explicit NumberText(Number number) {
        const auto result = std::to_chars(digits_, digits_ + kRoom, number);
        length_ = static_cast<size_t>(result.ptr - digits_);
    }
    explicit NumberText(double number) {
        const int length = std::snprintf(digits_, sizeof digits_, "%g", number);
        length_ = static_cast<size_t>(std::clamp(length, 0, kRoom - 1));
    }
    operator std::string_view() const { return {digits_, length_}; }

private:
    static constexpr int kRoom = 24;
    char digits_[kRoom] = {};
    size_t length_ = 0;
};

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
    // Appends the text with its placeholders replaced by the arguments (see FormatText).
    FrameText& Format(std::string_view format, std::initializer_list<std::string_view> arguments) {
        AppendFormatted(text_, format, arguments);
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
