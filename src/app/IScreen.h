#pragma once

namespace Drobix {

// Screen numbers of the screen table; 0 means none.
constexpr int kNoScreen = 0;
constexpr int kIntroScreen = 1;
constexpr int kOptionsScreen = 2;
constexpr int kInstructionScreen = 3;
constexpr int kGameScreen = 4;

// One screen of the program. The frame calls Update, then Render, once per active pass.
class IScreen {
public:
    virtual ~IScreen() = default;

    virtual void OnEnter() {}
    // nextScreen is the screen about to become current, kNoScreen when the program quits.
    virtual void OnLeave(int nextScreen) { static_cast<void>(nextScreen); }
    virtual void Render() = 0;
    virtual void Update(unsigned elapsedMs) = 0;
};

}  // namespace Drobix
