#include "screens/OptionsScreen.h"

#include <array>
#include <sstream>
#include <string_view>

#include "app/MainLoop.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "input/Input.h"
#include "storage/Settings.h"

namespace Drobix {

namespace {

constexpr int kOptionCount = 7;
constexpr uint32_t kMaxRubbishRows = 10;
constexpr uint32_t kMaxStartingLevel = 9;
constexpr double kFrequencyStep = 0.1;
constexpr float kLowestFrequency = 0.1F;
constexpr float kPercent = 100.0F;

constexpr std::array<std::string_view, 3> kBlockTypeNames = {"Standard", "Standard + extra",
                                                             "You're crazy!"};
constexpr std::array<std::string_view, 3> kPreviewNames = {"On", "Off", "Random"};
constexpr std::array<std::string_view, 2> kColourNames = {"Fixed", "Random"};

constexpr int kPanelHalfWidth = 150;
constexpr int kPanelTop = 260;
constexpr int kPanelExtra = 40;
constexpr int kTextTop = 280;

// Where the text starts, fixed at the first drawing in the process, so that a value of another
// width shown later does not move the lines.
int optionsTextX = -1;

template <std::size_t N>
std::string_view NameOf(const std::array<std::string_view, N>& names, int32_t value) {
    return value >= 0 && static_cast<std::size_t>(value) < N
               ? names[static_cast<std::size_t>(value)]
               : std::string_view();
}

// 0 -> 1 -> .. -> count - 1 -> 0; a value outside the cycle stays.
int32_t NextInCycle(int32_t value, int32_t count) {
    if (value < 0 || value >= count) {
        return value;
    }
    return (value + 1) % count;
}

float NextFrequency(float frequency) {
    const auto next = static_cast<float>(static_cast<double>(frequency) + kFrequencyStep);
    return static_cast<int>(next) == 1 ? kLowestFrequency : next;
}

}  // namespace

std::string BuildOptionsText(const Settings& settings) {
    std::ostringstream text;
    text << "1) Sound: " << (settings.sound != 0 ? "On" : "Off");
    text << "\n2) Rubbish Rows: " << settings.rubbishRows;
    text << "\n3) Rubbish Frequency: " << settings.rubbishFrequency * kPercent;
    text << "%\n4) Starting Level: " << settings.startingLevel;
    text << "\n5) Block Types: " << NameOf(kBlockTypeNames, settings.blockTypes);
    text << "\n6) Block Preview: " << NameOf(kPreviewNames, settings.blockPreview);
    text << "\n7) Block Colour: " << NameOf(kColourNames, settings.blockColour);
    text << "\n\n(Esc) Back to main menu";
    return text.str();
}

void StepOption(Settings& settings, int digit) {
    switch (digit) {
        case 1:
            settings.sound = settings.sound != 0 ? 0 : 1;
            break;
        case 2:
            settings.rubbishRows =
                settings.rubbishRows + 1 > kMaxRubbishRows ? 0 : settings.rubbishRows + 1;
            break;
        case 3:
            settings.rubbishFrequency = NextFrequency(settings.rubbishFrequency);
            break;
        case 4:
            settings.startingLevel =
                settings.startingLevel + 1 > kMaxStartingLevel ? 0 : settings.startingLevel + 1;
            break;
        case 5:
            settings.blockTypes = NextInCycle(settings.blockTypes, kBlockTypeNames.size());
            break;
        case 6:
            settings.blockPreview = NextInCycle(settings.blockPreview, kPreviewNames.size());
            break;
        case 7:
            settings.blockColour = NextInCycle(settings.blockColour, kColourNames.size());
            break;
        default:
            break;
    }
}

void OptionsScreen::OnEnter() {
    NonGameScreenBase::OnEnter();
    keyTimer_ = 0;
}

void OptionsScreen::Update(unsigned elapsedMs) {
    NonGameScreenBase::Update(elapsedMs);
    if (AdvanceKeyGate(elapsedMs, keyTimer_)) {
        ReadKeys();
    }
}

void OptionsScreen::ReadKeys() {
    for (int digit = 1; digit <= kOptionCount; ++digit) {
        if (IsKeyDown(VirtualKey::kDigit0 + digit)) {
            StepOption(*GetSettings(), digit);
            keyTimer_ = 0;
            return;
        }
    }
    if (IsKeyDown(VirtualKey::kEscape)) {
        SwitchScreen(kIntroScreen);
    }
}

void OptionsScreen::Render() {
    NonGameScreenBase::Render();
    const std::string text = BuildOptionsText(*GetSettings());
    const TextSize size = MeasureText(kSmallFont, text);
    const int centre = kScreenWidth / 2;
    if (optionsTextX == -1) {
        optionsTextX = centre - size.width / 2;
    }
    const Rect body{centre - kPanelHalfWidth, kPanelTop, centre + kPanelHalfWidth,
                    kPanelTop + kPanelExtra + size.height};
    DrawTitledPanel(&body, "Options");
    DrawString(kSmallFont, text, optionsTextX, kTextTop);
}

}  // namespace Drobix
