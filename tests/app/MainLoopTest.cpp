// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainLoopTesting.h"
#include "graphics/Display.h"
#include "platform/Events.h"
#include "platform/Keyboard.h"
#include "platform/scripted/ClockScripted.h"
#include "platform/scripted/EventsScripted.h"
#include "platform/scripted/KeyboardScripted.h"
#include "platform/scripted/PresenterScripted.h"

namespace Drobix {
namespace {

namespace Scripted = Platform::Scripted;

// Records every call the frame makes, in order, into a shared log.
class RecordingScreen : public IScreen {
public:
    RecordingScreen(std::string name, std::vector<std::string>& log)
        : name_(std::move(name)), log_(log) {}

    void OnEnter() override { log_.push_back(name_ + " enter"); }
    void OnLeave(ScreenNumber next) override {
        log_.push_back(name_ + " leave " + std::to_string(static_cast<int>(next)));
    }
    void OnFocusLost() override { log_.push_back(name_ + " focus lost"); }
    void OnSessionEnd() override { log_.push_back(name_ + " session end"); }
    void Render() override {
        log_.push_back(name_ + " render");
        if (picture_ != nullptr) {
            DrawImage(picture_, 0, 0);
        }
    }
    void Update(unsigned elapsed) override {
        log_.push_back(name_ + " update " + std::to_string(elapsed));
        if (switchOnUpdate_ != ScreenNumber::None) {
            SwitchScreen(switchOnUpdate_);
            switchOnUpdate_ = ScreenNumber::None;
        }
    }

    ScreenNumber switchOnUpdate_ = ScreenNumber::None;
    // Drawn at the top left by every Render, when set.
    ImageSurface* picture_ = nullptr;

private:
    std::string name_;
    std::vector<std::string>& log_;
};

class MainLoopTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenDisplay());
        Scripted::ClearEvents();
        Scripted::ReleaseAllKeys();
        Scripted::SetTimeMs(1000);
        Testing::ResetMainLoop();
        auto intro = std::make_unique<RecordingScreen>("intro", log_);
        intro_ = intro.get();
        AddScreen(ScreenNumber::Intro, std::move(intro));
        AddScreen(ScreenNumber::Game, std::make_unique<RecordingScreen>("game", log_));
        SwitchScreen(ScreenNumber::Intro);
        Testing::SetApplicationActive(true);
        log_.clear();
    }

    void TearDown() override {
        DestroyScreens();
        Testing::ResetMainLoop();
        Scripted::ClearEvents();
        Scripted::ReleaseAllKeys();
        CloseDisplay();
    }

    void Pass(uint32_t advanceMs) {
        Scripted::AdvanceTimeMs(advanceMs);
        ASSERT_TRUE(RunMainLoopPass());
    }

    std::vector<std::string> log_;
    RecordingScreen* intro_ = nullptr;
};

TEST_F(MainLoopTest, FirstPassGetsZeroThenTheMeasuredTime) {
    Pass(16);
    Pass(17);
    Pass(0);
    EXPECT_EQ(log_, (std::vector<std::string>{"intro update 0", "intro render", "intro update 17",
                                              "intro render", "intro update 0", "intro render"}));
}

TEST_F(MainLoopTest, InactiveProgramOnlySleepsAndThenCatchesUp) {
    Pass(20);
    Scripted::PushEvent(Platform::Event::Deactivated);
    for (int i = 0; i < 100; ++i) {
        Pass(0);  // each inactive pass sleeps 100 ms
    }
    Scripted::PushEvent(Platform::Event::Activated);
    Pass(0);
    // The deactivating pass already slept, so 100 sleeps of 100 ms lie between the updates.
    EXPECT_EQ(log_, (std::vector<std::string>{"intro update 0", "intro render", "intro focus lost",
                                              "intro update 10000", "intro render"}));
}

// A screen hears of a lost focus once per loss, from the window's event or from a script, and
// only while the program was active.
TEST_F(MainLoopTest, TheCurrentScreenHearsOfEachLossOfFocusOnce) {
    Scripted::PushEvent(Platform::Event::Deactivated);
    Pass(0);
    Scripted::PushEvent(Platform::Event::Deactivated);
    Pass(0);
    Testing::SetApplicationActive(false);
    Scripted::PushEvent(Platform::Event::Activated);
    Pass(0);
    SwitchScreen(ScreenNumber::Game);
    Testing::SetApplicationActive(false);
    EXPECT_EQ(log_, (std::vector<std::string>{"intro focus lost", "intro update 0", "intro render",
                                              "intro leave 4", "game enter", "game focus lost"}));
}

TEST_F(MainLoopTest, ScreenSwitchedDuringUpdateIsEnteredAndRenderedInTheSamePass) {
    intro_->switchOnUpdate_ = ScreenNumber::Game;
    Pass(10);
    EXPECT_EQ(log_, (std::vector<std::string>{"intro update 0", "intro leave 4", "game enter",
                                              "game render"}));
    EXPECT_EQ(Testing::GetCurrentScreenNumber(), ScreenNumber::Game);
}

// The screen keeps what the session earned before it is left, so the shutdown's save holds it.
TEST_F(MainLoopTest, QuitEndsTheSessionThenLeavesTheCurrentScreenForNone) {
    Pass(10);
    RequestQuit();
    EXPECT_FALSE(RunMainLoopPass());
    const std::vector<std::string> expected{"intro update 0", "intro render", "intro session end",
                                            "intro leave 0"};
    EXPECT_EQ(log_, expected);
}

TEST_F(MainLoopTest, FpsKeyTogglesAtMostOncePerGate) {
    Scripted::SetKeyDown(Platform::VirtualKey::kGrave, true);
    Pass(0);
    EXPECT_FALSE(Testing::IsFpsShown());  // the gate needs more than 150 ms
    Pass(151);
    EXPECT_TRUE(Testing::IsFpsShown());
    Pass(100);
    Pass(50);
    EXPECT_TRUE(Testing::IsFpsShown());  // 150 ms since the toggle: not more than the gate
    Pass(1);
    EXPECT_FALSE(Testing::IsFpsShown());
}

TEST_F(MainLoopTest, FpsFigureAppearsOnceMoreThanHalfASecondIsCounted) {
    Pass(0);
    Scripted::SetKeyDown(Platform::VirtualKey::kGrave, true);
    Pass(151);
    Scripted::SetKeyDown(Platform::VirtualKey::kGrave, false);
    ASSERT_TRUE(Testing::IsFpsShown());
    // The toggling frame counts 151 ms; 17 more of 20 ms make 491, not yet more than 500.
    for (int i = 0; i < 17; ++i) {
        Pass(20);
        EXPECT_EQ(Testing::GetFpsText(), "");
    }
    Pass(20);
    EXPECT_EQ(Testing::GetFpsText(), "37.2 FPS");  // 19 frames in 511 ms
}

// A lost rendering device, as the window system reports it, has every picture rebuilt before the
// pass draws: the frame of that very pass is drawn whole from the rebuilt pictures and presented.
TEST_F(MainLoopTest, LostSurfacesRebuildEveryPictureBeforeThePassDraws) {
    const uint16_t grey = BorderImage()->Pixels()[0];
    const Rect one{0, 0, 1, 1};
    const Rect all{0, 0, 8, 8};
    int rebuilt = 0;
    ImageSurface* picture = nullptr;
    picture = CreateBlankImage(8, 8, [&] {
        ++rebuilt;
        StretchImage(BorderImage(), &one, &all, picture);
    });
    StretchImage(BorderImage(), &one, &all, picture);
    intro_->picture_ = picture;
    Pass(16);
    ASSERT_EQ(Scripted::GetLastFrame()[0], grey);
    // What the device held is gone.
    StretchImage(FillImage(), &one, &all, picture);
    const uint64_t presents = Scripted::GetPresentCount();
    log_.clear();

    Scripted::PushEvent(Platform::Event::SurfacesLost);
    Pass(16);
    EXPECT_EQ(rebuilt, 1);
    EXPECT_EQ(log_, (std::vector<std::string>{"intro update 16", "intro render"}));
    EXPECT_EQ(Scripted::GetPresentCount(), presents + 1);
    EXPECT_EQ(Scripted::GetLastFrame()[0], grey);
    EXPECT_EQ(Scripted::GetLastFrame()[7 * Platform::kFrameWidth + 7], grey);
    intro_->picture_ = nullptr;
    DestroyImage(picture);
}

}  // namespace
}  // namespace Drobix
