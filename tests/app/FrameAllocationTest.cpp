// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Frames after the first of a screen must not allocate: the global allocation functions of this
// test program count what the main thread allocates while a frame is counted.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "TempDataHome.h"
#include "app/IScreen.h"
#include "app/MainLoop.h"
#include "app/MainLoopTesting.h"
#include "app/Startup.h"
#include "game/Random.h"
#include "platform/Keyboard.h"
#include "platform/scripted/AudioScripted.h"
#include "platform/scripted/ClockScripted.h"
#include "platform/scripted/KeyboardScripted.h"
#include "screens/game/GameScreen.h"
#include "storage/Preferences.h"

namespace {

thread_local bool countingAllocations = false;
thread_local long allocationCount = 0;

void* Allocate(std::size_t size) {
    if (countingAllocations) {
        ++allocationCount;
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    if (countingAllocations) {
        ++allocationCount;
    }
    const auto align = static_cast<std::size_t>(alignment);
    if (void* memory = std::aligned_alloc(align, (size + align - 1) / align * align)) {
        return memory;
    }
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return operator new(size, std::nothrow);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}

namespace Drobix {
namespace {

namespace Scripted = Platform::Scripted;
namespace Key = Platform::VirtualKey;

constexpr uint32_t kFrameMs = 16;
constexpr uint32_t kStartTimeMs = 1000;
constexpr uint32_t kSeed = 5;
// Long enough for every key gate, backdrop drop and scroll step to have fired several times.
constexpr int kCountedFrames = 240;
// Enough frames for any key gate (at most 150 ms) to open.
constexpr int kGateFrames = 20;
// A game of dropped blocks ends well within this.
constexpr int kMaxFramesToModeChange = 2000;

class FrameAllocationTest : public testing::Test {
protected:
    void SetUp() override {
        // A table with a low lowest score, so that the game's score earns the name entry.
        std::filesystem::create_directories(dataHome_.DataFile().parent_path());
        std::filesystem::copy_file(DROBIX_SOURCE_DIR "/tests/scripts/name_entry.dat",
                                   dataHome_.DataFile());
        Scripted::SetTimeMs(kStartTimeMs);
        Scripted::ReleaseAllKeys();
        // The scripted device records every sound started, which allocates; the sound module's
        // own path is the same with or without a device.
        Scripted::SetAudioDevicePresent(false);
        Testing::ResetMainLoop();
        ASSERT_TRUE(InitialiseGame());
        SeedRandom(kSeed);
        SwitchScreen(ScreenNumber::Intro);
        Testing::SetApplicationActive(true);
    }
    void TearDown() override {
        GetPreferences() = Preferences{};
        Scripted::ReleaseAllKeys();
        SwitchScreen(ScreenNumber::None);
        ShutdownGame();
        Scripted::SetAudioDevicePresent(true);
    }

    // One pass of the main loop with exactly these keys down; the allocations it made when
    // counted.
    static long Frame(const std::vector<int>& keys = {}, bool counted = false) {
        Scripted::AdvanceTimeMs(kFrameMs);
        Scripted::SetKeysDown(keys);
        allocationCount = 0;
        countingAllocations = counted;
        const bool running = RunMainLoopPass();
        countingAllocations = false;
        EXPECT_TRUE(running);
        return allocationCount;
    }

    // Frames with the keys held, every one counted; the frames that allocated, by number.
    static std::vector<int> AllocatingFrames(int frames, const std::vector<int>& keys = {}) {
        std::vector<int> allocating;
        for (int frame = 0; frame < frames; ++frame) {
            if (Frame(keys, true) != 0) {
                allocating.push_back(frame);
            }
        }
        return allocating;
    }

    // Holds a key, in frames that are not counted, until the screen changes or every key gate
    // has opened once.
    static void Press(int key) {
        const ScreenNumber screen = Testing::GetCurrentScreenNumber();
        for (int frame = 0; frame < kGateFrames && Testing::GetCurrentScreenNumber() == screen;
             ++frame) {
            Frame({key});
        }
    }

    // Holds the keys until the game's mode changes, every frame but the one that changed it
    // counted; the frames that allocated, by number.
    static std::vector<int> AllocatingFramesUntilModeChanges(const std::vector<int>& keys) {
        const GameScreen::Mode mode = GameMode();
        std::vector<int> allocating;
        for (int frame = 0; GameMode() == mode && frame < kMaxFramesToModeChange; ++frame) {
            if (Frame(keys, true) != 0 && GameMode() == mode) {
                allocating.push_back(frame);
            }
        }
        return allocating;
    }

    static GameScreen::Mode GameMode() {
        return static_cast<const GameScreen*>(GetScreen(ScreenNumber::Game))->GetMode();
    }

    Testing::TempDataHome dataHome_;
};

using Frames = std::vector<int>;

TEST_F(FrameAllocationTest, MenuFramesAfterTheFirstAllocateNothing) {
    Frame();
    EXPECT_EQ(AllocatingFrames(kGateFrames), Frames{});
    // The backdrop's blocks fall and land, decorations come and go, the credits scroll, and
    // the frame-rate figure is switched on, measured and drawn.
    EXPECT_EQ(AllocatingFrames(kCountedFrames), Frames{});
    EXPECT_EQ(AllocatingFrames(1, {Key::kGrave}), Frames{});
    EXPECT_EQ(AllocatingFrames(kCountedFrames), Frames{});

    Press(Key::kDigit0 + 2);
    ASSERT_EQ(Testing::GetCurrentScreenNumber(), ScreenNumber::Options);
    EXPECT_EQ(AllocatingFrames(kCountedFrames), Frames{});
    // Every option stepped through its values, held down.
    for (int option = 1; option <= 5; ++option) {
        SCOPED_TRACE(option);
        EXPECT_EQ(AllocatingFrames(kCountedFrames / 4, {Key::kDigit0 + option}), Frames{});
    }
    Press(Key::kEscape);

    Press(Key::kDigit0 + 1);
    ASSERT_EQ(Testing::GetCurrentScreenNumber(), ScreenNumber::Instructions);
    EXPECT_EQ(AllocatingFrames(kCountedFrames), Frames{});
    Press(Key::kEscape);
    ASSERT_EQ(Testing::GetCurrentScreenNumber(), ScreenNumber::Intro);
    EXPECT_EQ(AllocatingFrames(kCountedFrames), Frames{});
}

// Drawing a game shows its falling block without touching the board.
TEST_F(FrameAllocationTest, DrawingTheGameLeavesItsBoardAsItWas) {
    SwitchScreen(ScreenNumber::Game);
    Frame();
    auto* game = static_cast<GameScreen*>(GetScreen(ScreenNumber::Game));
    ASSERT_NE(game->GetFallingBlock(), nullptr);
    const uint64_t revision = game->GetBoard().GetRevision();
    game->Render();
    EXPECT_EQ(game->GetBoard().GetRevision(), revision);
}

TEST_F(FrameAllocationTest, GameFramesAfterTheFirstAllocateNothingInPlayPromptsAndNameEntry) {
    SwitchScreen(ScreenNumber::Game);
    Frame();
    // Play: moves, turns, falls, landings and rows, with the frame-rate figure on.
    EXPECT_EQ(AllocatingFrames(kGateFrames), Frames{});
    EXPECT_EQ(AllocatingFrames(1, {Key::kGrave}), Frames{});
    for (const int key : {Key::kLeft, Key::kUp, Key::kRight, Key::kDown}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(AllocatingFrames(kCountedFrames / 4, {key}), Frames{});
    }
    // The exit prompt, open and answered with N.
    EXPECT_EQ(AllocatingFrames(kGateFrames), Frames{});
    EXPECT_EQ(AllocatingFrames(1, {Key::kEscape}), Frames{});
    ASSERT_EQ(GameMode(), GameScreen::Mode::ExitPrompt);
    EXPECT_EQ(AllocatingFrames(kCountedFrames / 4), Frames{});
    EXPECT_EQ(AllocatingFrames(1, {Key::kLetterA + ('N' - 'A')}), Frames{});
    ASSERT_EQ(GameMode(), GameScreen::Mode::Playing);

    // A game dropped to its end (with this seed, after a score that the table takes): the name
    // entry, typed to its full length, then the game-over
    // prompt.
    SeedRandom(kSeed);
    SwitchScreen(ScreenNumber::Game);
    Frame();
    EXPECT_EQ(AllocatingFramesUntilModeChanges({Key::kSpace}), Frames{});
    ASSERT_EQ(GameMode(), GameScreen::Mode::NameEntry);
    EXPECT_EQ(AllocatingFrames(kCountedFrames / 4), Frames{});
    EXPECT_EQ(AllocatingFrames(kCountedFrames, {Key::kLetterA + ('X' - 'A')}), Frames{});
    EXPECT_EQ(AllocatingFrames(kGateFrames), Frames{});
    EXPECT_EQ(AllocatingFrames(1, {Key::kBackspace}), Frames{});
    EXPECT_EQ(AllocatingFrames(kCountedFrames / 4), Frames{});
    // Enter puts the name into the table, whose copy of it is new data; that frame alone may
    // allocate.
    Frame({Key::kEnter});
    ASSERT_EQ(GameMode(), GameScreen::Mode::GameOverPrompt);
    EXPECT_EQ(AllocatingFrames(kCountedFrames / 4), Frames{});
    Press(Key::kLetterA + ('N' - 'A'));
    EXPECT_EQ(Testing::GetCurrentScreenNumber(), ScreenNumber::Intro);
}

// The modern handling reads every key in every frame and types from the window system's text.
TEST_F(FrameAllocationTest, ModernHandlingFramesAfterTheFirstAllocateNothing) {
    GetPreferences().handling = Handling::Modern;
    SwitchScreen(ScreenNumber::Game);
    Frame();
    for (const int key : {Key::kLeft, Key::kUp, Key::kRight, Key::kDown}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(AllocatingFrames(kCountedFrames / 4, {key, Key::kUp}), Frames{});
    }
    EXPECT_EQ(AllocatingFramesUntilModeChanges({Key::kSpace}), Frames{});
    ASSERT_EQ(GameMode(), GameScreen::Mode::NameEntry);
    // Letters pressed one after another, to the name's full length and past it.
    for (int letter = 0; letter < 30; ++letter) {
        SCOPED_TRACE(letter);
        EXPECT_EQ(AllocatingFrames(1, {Key::kLetterA + letter % Key::kLetterCount}), Frames{});
        EXPECT_EQ(AllocatingFrames(1), Frames{});
    }
    const auto* game = static_cast<const GameScreen*>(GetScreen(ScreenNumber::Game));
    EXPECT_EQ(game->GetNameEntry().GetName(), "abcdefghijklmnopqrst");
    // Delete held for 60 frames of 16 ms: the press and 16 repeats (170 ms, then every 50 ms).
    EXPECT_EQ(AllocatingFrames(1, {Key::kHome}), Frames{});
    EXPECT_EQ(AllocatingFrames(kCountedFrames / 4, {Key::kDelete}), Frames{});
    EXPECT_EQ(game->GetNameEntry().GetName(), "rst");
    Frame({Key::kEnter});
    ASSERT_EQ(GameMode(), GameScreen::Mode::GameOverPrompt);
    EXPECT_EQ(AllocatingFrames(kCountedFrames / 4), Frames{});
}

}  // namespace
}  // namespace Drobix
