// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReplayTextFit.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "graphics/Display.h"
#include "graphics/LayoutRecord.h"
#include "strings/Texts.h"

namespace Drobix::Replay {

namespace {

constexpr size_t kShownLength = 48;

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Holds(const Rect& panel, int x, int y) {
    return x >= panel.left && x < panel.right && y >= panel.top && y < panel.bottom;
}

int Area(const Rect& r) {
    return r.Width() * r.Height();
}

// The smallest panel around the text's centre.
std::optional<Rect> PanelOf(const RecordedText& text, const std::vector<Rect>& panels) {
    const int x = (text.bounds.left + text.bounds.right) / 2;
    const int y = (text.bounds.top + text.bounds.bottom) / 2;
    std::optional<Rect> best;
    for (const Rect& panel : panels) {
        if (Holds(panel, x, y) && (!best || Area(panel) < Area(*best))) {
            best = panel;
        }
    }
    return best;
}

std::string Shown(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

std::string Shown(const RecordedText& text) {
    std::string words = text.text.substr(0, kShownLength);
    for (char& c : words) {
        c = c == '\n' ? '|' : c;
    }
    return "\"" + words + "\" at " + Shown(text.bounds);
}

bool Checked(const RecordedText& text) {
    return !text.clipped && !text.text.empty() && text.font != FontId::Digits &&
           text.bounds.Width() > 0;
}

}  // namespace

void PrintTextFit(std::ostream& out) {
    const LayoutRecord& record = Testing::GetLayoutRecord();
    const Rect screen{0, 0, kScreenWidth, kScreenHeight};
    int faults = 0;
    const auto fault = [&](const std::string& line) {
        out << "textfit: " << line << "\n";
        ++faults;
    };
    std::vector<std::pair<const RecordedText*, std::optional<Rect>>> placed;
    for (const RecordedText& text : record.texts) {
        if (!Checked(text)) {
            continue;
        }
        if (!text.onScreen) {
            const Rect picture{0, 0, text.surfaceWidth, text.surfaceHeight};
            if (!Inside(text.bounds, picture)) {
                fault(Shown(text) + " runs past its picture " + Shown(picture));
            }
            continue;
        }
        if (!Inside(text.bounds, screen)) {
            fault(Shown(text) + " runs off the screen");
        }
        const std::optional<Rect> panel = PanelOf(text, record.panels);
        if (panel && !Inside(text.bounds, *panel)) {
            fault(Shown(text) + " runs past its panel " + Shown(*panel));
        }
        for (const Rect& inner : record.panels) {
            const bool within = panel ? Inside(inner, *panel) && Area(inner) < Area(*panel) : true;
            if (within && !Inside(text.bounds, inner) && Overlap(text.bounds, inner)) {
                fault(Shown(text) + " runs over the panel " + Shown(inner));
            }
        }
        placed.emplace_back(&text, panel);
    }
    for (size_t i = 0; i < placed.size(); ++i) {
        for (size_t j = i + 1; j < placed.size(); ++j) {
            const auto same = [](const std::optional<Rect>& a, const std::optional<Rect>& b) {
                return a.has_value() == b.has_value() && (!a || *a == *b);
            };
            if (same(placed[i].second, placed[j].second) &&
                Overlap(placed[i].first->bounds, placed[j].first->bounds)) {
                fault(Shown(*placed[i].first) + " runs over " + Shown(*placed[j].first));
            }
        }
    }
    if (faults == 0) {
        out << "textfit ok\n";
    }
}

namespace {

// Accented forms of the letters; the others stay.
constexpr std::array<std::pair<char, std::string_view>, 20> kAccented{{
    {'a', "\xC3\xA1"}, {'e', "\xC3\xA9"}, {'i', "\xC3\xAD"}, {'o', "\xC3\xB6"}, {'u', "\xC3\xBC"},
    {'c', "\xC4\x8D"}, {'n', "\xC3\xB1"}, {'s', "\xC5\xA1"}, {'z', "\xC5\xBE"}, {'y', "\xC3\xBD"},
    {'A', "\xC3\x85"}, {'E', "\xC3\x89"}, {'I', "\xC3\x8E"}, {'O', "\xC3\x98"}, {'U', "\xC3\x9C"},
    {'C', "\xC4\x8C"}, {'N', "\xC3\x91"}, {'S', "\xC5\xA0"}, {'Z', "\xC5\xBD"}, {'L', "\xC5\x81"},
}};

std::string_view Accented(char c) {
    for (const auto& [plain, accented] : kAccented) {
        if (plain == c) {
            return accented;
        }
    }
    return {};
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Every third letter of a word comes twice, so words are a third longer; a placeholder, a key
// in parentheses and the texts the game reads back (Y, N) keep their letters.
std::string Pseudo(std::string_view english) {
    std::string out;
    int letters = 0;
    for (size_t i = 0; i < english.size(); ++i) {
        const char c = english[i];
        size_t kept = 0;
        if (c == '%') {
            kept = english.find_first_not_of("0123456789$", i + 1) + 1 - i;
        } else if (c == '(') {
            kept = english.find(')', i) + 1 - i;
        }
        if (kept != 0) {
            out.append(english.substr(i, kept));
            i += std::min(kept, english.size() - i) - 1;
            letters = 0;
            continue;
        }
        const std::string_view accented = Accented(c);
        if (!IsLetter(c)) {
            out += c;
            letters = 0;
            continue;
        }
        const std::string letter = accented.empty() ? std::string(1, c) : std::string(accented);
        out += letter;
        if (++letters % 3 == 0) {
            out += letter;
        }
    }
    return out;
}

}  // namespace

void UsePseudoTranslation() {
    static std::map<std::string, std::string> translations;
    if (translations.empty()) {
        for (const TextEntry& entry : kTextTable) {
            const std::string key = CatalogueKey(entry);
            const std::string_view english = std::string_view(key).substr(
                key.find('\x04') == std::string::npos ? 0 : key.find('\x04') + 1);
            translations[key] = Pseudo(english);
        }
    }
    UseCatalogue("pseudo", [](std::string_view key) -> std::string_view {
        const auto found = translations.find(std::string(key));
        return found == translations.end() ? std::string_view() : std::string_view(found->second);
    });
}

}  // namespace Drobix::Replay
