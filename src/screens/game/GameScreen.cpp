// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/game/GameScreen.h"

#include <ctime>

#include "app/MainLoop.h"
#include "game/BlockFactory.h"
#include "game/BoardLayout.h"
#include "game/BoardWithBlock.h"
#include "game/Random.h"
#include "graphics/Display.h"
#include "graphics/Fonts.h"
#include "graphics/ImageResources.h"
#include "graphics/LayoutRecord.h"
#include "input/GameActions.h"
#include "input/Input.h"
#include "input/KeyPresses.h"
#include "resources/ResourceIds.h"
#include "screens/game/DrawGrid.h"
#include "screens/game/LandingShadow.h"
#include "screens/game/PausePanel.h"
#include "sound/Sound.h"
#include "sound/SoundPlayback.h"
#include "storage/Preferences.h"
#include "storage/SavePoint.h"
#include "storage/Settings.h"
#include "strings/Texts.h"

namespace Drobix {

namespace {

constexpr uint32_t kKeyGateMs = 150;
constexpr uint32_t kHardDropDelayMs = 500;
constexpr int32_t kLandingVolume = -1500;

constexpr int kBackgroundIds[] = {
    ResourceId::kGameBackgroundAurora, ResourceId::kGameBackgroundForge,
    ResourceId::kGameBackgroundDeepSea, ResourceId::kGameBackgroundNebula};
constexpr int kRowSoundIds[] = {ResourceId::kOneRowSound, ResourceId::kTwoRowsSound,
                                ResourceId::kThreeRowsSound, ResourceId::kFourRowsSound};

constexpr int kPreviewLeft = 544;
constexpr int kPreviewTop = 188;
constexpr int kPreviewCells = 4;
// The pause covers the well and the preview box, each with a few pixels to spare around it.
constexpr int kCoverMargin = 4;
constexpr int kWellWidth = kCellPitch * static_cast<int>(kBoardColumns);
constexpr int kWellHeight = kCellPitch * static_cast<int>(kBoardRows);
constexpr int kPreviewSize = kCellPitch * kPreviewCells;
constexpr Rect kWellCover{kBoardLeft - kCoverMargin, kBoardTop - kCoverMargin,
                          kBoardLeft + kWellWidth + kCoverMargin,
                          kBoardTop + kWellHeight + kCoverMargin};
constexpr Rect kPreviewCover{kPreviewLeft - kCoverMargin, kPreviewTop - kCoverMargin,
                             kPreviewLeft + kPreviewSize + kCoverMargin,
                             kPreviewTop + kPreviewSize + kCoverMargin};
constexpr int kCheckerWidth = 80;
constexpr int kCheckerHeight = 60;
constexpr int kCheckerTiles = 10;
constexpr int kScreenCentreX = 400;
constexpr int kScreenCentreY = 300;
constexpr int kPromptMargin = 10;

constexpr FontId kFiguresFont = FontId::Large;
constexpr FontId kPopupFont = FontId::Digits;
constexpr FontId kPromptFont = FontId::Large;

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

struct Figure {
    TextId label;
    int labelY;
    int valueY;
};
constexpr int kFigureLabelX = 554;
// The background pictures' quiet panel that the figures stand in.
constexpr Rect kFiguresPanel{542, 306, 724, 561};
constexpr int kFigureValueX = 564;

}  // namespace

GameScreen::GameScreen() : board_(kBoardRows, kBoardColumns) {
    caretImage_ = LoadPngImage(ResourceId::kGreyPixel);
    checkerOverlay_ = LoadPngImageKeyed(ResourceId::kCheckerOverlay, kWhite, kWhite);
    hiddenPreviewSign_ = LoadPngImageKeyed(ResourceId::kHiddenPreviewSign, kBlack, kBlack);

    startSound_ = LoadSound(ResourceId::kNewGameSound, kDsbCapsStatic);
    landingSound_ = LoadSound(ResourceId::kLandingSound, kDsbCapsStatic | kDsbCapsCtrlVolume);
    gameOverSound_ = LoadSound(ResourceId::kGameOverSound, kDsbCapsStatic);
    for (size_t i = 0; i < std::size(kRowSoundIds); ++i) {
        rowSounds_[i] = LoadSound(kRowSoundIds[i], kDsbCapsStatic);
    }
    levelUpSound_ = LoadSound(ResourceId::kLevelUpSound, kDsbCapsStatic);
    SetSoundVolume(landingSound_, kLandingVolume);

    SeedRandom(static_cast<uint32_t>(std::time(nullptr)));
}

GameScreen::~GameScreen() {
    DestroyAllBlocks();
    fallingBlock_ = nullptr;
    nextBlock_ = nullptr;
}

void GameScreen::OnEnter() {
    if (background_ != nullptr) {
        DestroyImage(background_);
    }
    const int choice = NextRandom() % static_cast<int>(std::size(kBackgroundIds));
    background_ = LoadJpgImage(kBackgroundIds[choice]);
    // A pause key already held when the game starts does not pause it.
    pauseHeld_ = IsActionDown(GameAction::Pause);
    NewGame();
}

void GameScreen::OnLeave(ScreenNumber) {
    nameEntry_.Close();
    DestroyImage(background_);
    background_ = nullptr;
    DestroyAllBlocks();
    fallingBlock_ = nullptr;
    nextBlock_ = nullptr;
    scores_.ClearPopups();
}

void GameScreen::OnSessionEnd() {
    nameEntry_.KeepPendingScore();
}

void GameScreen::OnFocusLost() {
    if (mode_ == Mode::Playing) {
        EnterMode(Mode::Paused);
    }
}

// Every change of mode opens or closes a prompt: keys held across it act again only when pressed
// again, and the name entry's typing runs only while it is open.
void GameScreen::EnterMode(Mode mode) {
    if (mode_ == Mode::NameEntry && mode != Mode::NameEntry) {
        nameEntry_.Close();
    }
    mode_ = mode;
    HoldBackHeldKeys();
    if (mode == Mode::NameEntry) {
        nameEntry_.Open(scores_.GetScore());
    }
}

void GameScreen::NewGame() {
    DestroyAllBlocks();
    fallingBlock_ = nullptr;
    nextBlock_ = nullptr;
    EnterMode(Mode::Playing);
    modeBeforePrompt_ = Mode::Playing;
    nameEntry_.Reset();
    fallTimer_ = 0;
    keyTimer_ = 0;
    scores_.Reset(GetStartingLevel());
    board_.Clear();
    board_.AddRubbishRows(GetRubbishRows(), GetRubbishFrequency());
    SpawnBlock();
    StartSound(startSound_, 0);
}

void GameScreen::SpawnBlock() {
    const BlockOptions options = GetBlockOptions();
    fallingBlock_ = nextBlock_ != nullptr ? nextBlock_ : CreateRandomBlock(options);
    nextBlock_ = CreateRandomBlock(options);
    previewVisible_ = true;
    switch (GetBlockPreview()) {
        case BlockPreview::On:
            break;
        case BlockPreview::Off:
            previewVisible_ = false;
            break;
        case BlockPreview::Random:
            previewVisible_ = NextRandom() % 4 != 0;
            break;
    }
    timeSinceSpawn_ = 0;
    position_ = SpawnPosition(board_, *fallingBlock_);
}

void GameScreen::Update(unsigned elapsedMs) {
    keyTimer_ += elapsedMs;
    const bool pausePressed = TakePausePress();
    switch (mode_) {
        case Mode::Playing:
            if (pausePressed) {
                EnterMode(Mode::Paused);
                break;
            }
            scores_.StepPopups(elapsedMs);
            UpdatePlay(elapsedMs);
            break;
        case Mode::Paused:
            // Nothing of the game moves, popups included.
            UpdatePaused(pausePressed);
            break;
        case Mode::ExitPrompt:
            // The whole game stands still behind this prompt, popups included.
            UpdateExitPrompt();
            break;
        case Mode::NameEntry:
            scores_.StepPopups(elapsedMs);
            if (nameEntry_.Update(elapsedMs, keyTimer_)) {
                EnterMode(Mode::GameOverPrompt);
                // The table is final for this game, with or without the new name.
                SaveSettingsNow();
            }
            break;
        case Mode::GameOverPrompt:
            scores_.StepPopups(elapsedMs);
            UpdateGameOverPrompt();
            break;
    }
}

bool GameScreen::TakePausePress() {
    const bool held = IsActionDown(GameAction::Pause);
    const bool pressed = held && !pauseHeld_;
    pauseHeld_ = held;
    return pressed;
}

void GameScreen::UpdatePaused(bool pausePressed) {
    if (pausePressed) {
        EnterMode(Mode::Playing);
    } else if (IsModernHandling() ? ActionActs(GameAction::Leave, Repeats::No)
                                  : keyTimer_ > kKeyGateMs && IsActionDown(GameAction::Leave)) {
        OpenExitPrompt();
    }
}

void GameScreen::OpenExitPrompt() {
    modeBeforePrompt_ = mode_;
    EnterMode(Mode::ExitPrompt);
    keyTimer_ = 0;
}

std::optional<bool> GameScreen::ReadPromptAnswer() {
    if (IsModernHandling()) {
        if (KeyActs('Y', Repeats::No)) {
            return true;
        }
        if (KeyActs('N', Repeats::No) || KeyActs(VirtualKey::kEscape, Repeats::No)) {
            return false;
        }
        return std::nullopt;
    }
    if (keyTimer_ <= kKeyGateMs) {
        return std::nullopt;
    }
    if (IsKeyDown('Y')) {
        keyTimer_ = 0;
        return true;
    }
    if (IsKeyDown('N') || IsKeyDown(VirtualKey::kEscape)) {
        keyTimer_ = 0;
        return false;
    }
    return std::nullopt;
}

void GameScreen::UpdateExitPrompt() {
    if (const std::optional<bool> yes = ReadPromptAnswer()) {
        if (*yes) {
            SwitchScreen(ScreenNumber::Intro);
        } else {
            EnterMode(modeBeforePrompt_);
        }
    }
}

void GameScreen::UpdateGameOverPrompt() {
    if (const std::optional<bool> yes = ReadPromptAnswer()) {
        if (*yes) {
            NewGame();
        } else {
            SwitchScreen(ScreenNumber::Intro);
        }
    }
}

void GameScreen::UpdatePlay(uint32_t elapsed) {
    timeSinceSpawn_ += elapsed;
    bool hardDrop = false;
    if (IsModernHandling() ? HandleModernPlayKeys(hardDrop)
                           : keyTimer_ > kKeyGateMs && HandlePlayKeys(hardDrop)) {
        return;
    }
    fallTimer_ += elapsed;
    if (fallTimer_ <= FallInterval(scores_.GetLevel()) && !hardDrop) {
        return;
    }
    fallTimer_ = 0;
    if (!MoveDown(board_, *fallingBlock_, position_)) {
        Land();
    }
}

bool GameScreen::HandlePlayKeys(bool& hardDrop) {
    // A held key whose move does not fit still hides the keys after it and keeps the gate open.
    bool moved = false;
    if (IsActionDown(GameAction::Turn)) {
        moved = Rotate(board_, *fallingBlock_, position_);
    } else if (IsActionDown(GameAction::TurnClockwise)) {
        moved = RotateClockwise(board_, *fallingBlock_, position_);
    } else if (IsActionDown(GameAction::Left)) {
        moved = MoveLeft(board_, *fallingBlock_, position_);
    } else if (IsActionDown(GameAction::Right)) {
        moved = MoveRight(board_, *fallingBlock_, position_);
    } else if (IsActionDown(GameAction::SoftDrop)) {
        moved = MoveDown(board_, *fallingBlock_, position_);
    } else if (IsActionDown(GameAction::Drop) && timeSinceSpawn_ > kHardDropDelayMs) {
        HardDrop(board_, *fallingBlock_, position_);
        hardDrop = true;
        moved = true;
    } else if (IsActionDown(GameAction::Leave)) {
        OpenExitPrompt();
        return true;
    }
    if (moved) {
        keyTimer_ = 0;
    }
    return false;
}

// Each action read on its own, turns finding room where they can, so that a held key never hides
// another; the drop comes after the frame's moves and needs no time in play. Leaving acts once per
// press: the prompt it opens holds the key back anyway.
bool GameScreen::HandleModernPlayKeys(bool& hardDrop) {
    if (ActionActs(GameAction::Turn)) {
        TurnWithKicks(board_, *fallingBlock_, position_, TurnDirection::Anticlockwise);
    }
    if (ActionActs(GameAction::TurnClockwise)) {
        TurnWithKicks(board_, *fallingBlock_, position_, TurnDirection::Clockwise);
    }
    if (ActionActs(GameAction::Left)) {
        MoveLeft(board_, *fallingBlock_, position_);
    }
    if (ActionActs(GameAction::Right)) {
        MoveRight(board_, *fallingBlock_, position_);
    }
    if (ActionActs(GameAction::SoftDrop)) {
        MoveDown(board_, *fallingBlock_, position_);
    }
    if (ActionActs(GameAction::Drop)) {
        HardDrop(board_, *fallingBlock_, position_);
        hardDrop = true;
    }
    if (ActionActs(GameAction::Leave, Repeats::No)) {
        OpenExitPrompt();
        return true;
    }
    return false;
}

void GameScreen::Land() {
    board_.Place(*fallingBlock_, position_.row, position_.column);
    StartSound(landingSound_, 0);
    const auto fullRows =
        board_.FindFullRows(static_cast<unsigned>(position_.row), fallingBlock_->GetRowCount());
    if (!fullRows.empty()) {
        PlayRowSound(fullRows.size());
        board_.RemoveRows(fullRows);
    }
    const bool levelRaised = scores_.ScoreLanding(
        timeSinceSpawn_, static_cast<unsigned>(fullRows.size()), position_.row, position_.column);
    if (levelRaised) {
        StartSound(levelUpSound_, 0);
    }
    SpawnBlock();
    if (!board_.Fits(*fallingBlock_, position_.row, position_.column)) {
        EndGame();
    }
}

void GameScreen::PlayRowSound(size_t rowCount) {
    if (rowCount >= 1 && rowCount <= std::size(rowSounds_)) {
        StartSound(rowSounds_[rowCount - 1], 0);
    }
}

void GameScreen::EndGame() {
    StartSound(gameOverSound_, 0);
    fallingBlock_ = nullptr;
    nextBlock_ = nullptr;
    // A tie with the lowest entry qualifies.
    const bool qualifies = scores_.GetScore() >= GetHighScore(kHighScoreCount - 1).score;
    EnterMode(qualifies ? Mode::NameEntry : Mode::GameOverPrompt);
    if (!qualifies) {
        SaveSettingsNow();
    }
}

void GameScreen::Render() {
    DrawImage(background_, 0, 0);
    DrawBoard();
    DrawPreview();
    DrawPopups();
    DrawFigures();
    switch (mode_) {
        case Mode::Playing:
            break;
        case Mode::Paused:
            DrawPausePanel(kWellCover, kPreviewCover);
            break;
        case Mode::ExitPrompt:
            // A pause is no free look at the board, not even through the checker.
            if (modeBeforePrompt_ == Mode::Paused) {
                DrawPausePanel(kWellCover, kPreviewCover);
            }
            DrawOverlay();
            DrawPrompt(Text(TextId::ExitPrompt));
            break;
        case Mode::NameEntry:
            DrawOverlay();
            nameEntry_.Render(scores_.GetScore(), caretImage_);
            break;
        case Mode::GameOverPrompt:
            DrawOverlay();
            DrawPrompt(Text(TextId::GameOverPrompt));
            break;
    }
}

std::optional<BlockPosition> GameScreen::GetShadowPosition() const {
    if (!GetPreferences().shadow || fallingBlock_ == nullptr) {
        return std::nullopt;
    }
    BlockPosition landing = position_;
    HardDrop(board_, *fallingBlock_, landing);
    return landing;
}

// Under the board, so that the falling block covers it where the two meet.
void GameScreen::DrawShadow() const {
    if (const std::optional<BlockPosition> landing = GetShadowPosition()) {
        DrawLandingShadow(*fallingBlock_, kBoardLeft + kCellPitch * landing->column,
                          kBoardTop + kCellPitch * landing->row);
    }
}

// The falling block is drawn as if placed on the board, so it joins like a landed block.
void GameScreen::DrawBoard() const {
    DrawShadow();
    if (fallingBlock_ == nullptr) {
        DrawGrid(board_, kBoardLeft, kBoardTop);
        return;
    }
    DrawGrid(BoardWithBlock(board_, *fallingBlock_, position_.row, position_.column), kBoardLeft,
             kBoardTop);
}

void GameScreen::DrawPreview() {
    if (nextBlock_ == nullptr) {
        return;
    }
    if (!previewVisible_) {
        DrawImageKeyed(hiddenPreviewSign_, kPreviewLeft, kPreviewTop);
        return;
    }
    // Centred by whole cells in the four-cell box.
    const int half = kPreviewCells / 2;
    const int x =
        kPreviewLeft + (half - static_cast<int>(nextBlock_->GetColumnCount() / 2)) * kCellPitch;
    const int y =
        kPreviewTop + (half - static_cast<int>(nextBlock_->GetRowCount() / 2)) * kCellPitch;
    DrawGrid(*nextBlock_, x, y);
}

void GameScreen::DrawPopups() const {
    for (const ScorePopup& popup : scores_.GetPopups()) {
        const ScreenPoint at = PopupDrawPosition(popup);
        DrawStringScaled(kPopupFont, popup.text, at.x, at.y, popup.scale);
    }
}

void GameScreen::DrawFigures() const {
    if (IsLayoutRecorded()) {
        RecordDrawnPanel(kFiguresPanel);
    }
    const Figure figures[] = {{TextId::FigureLevel, 317, 347},
                              {TextId::FigureScore, 399, 429},
                              {TextId::FigureLines, 481, 511}};
    const uint32_t values[] = {scores_.GetLevel(), scores_.GetScore(), scores_.GetLines()};
    for (size_t i = 0; i < std::size(figures); ++i) {
        DrawString(kFiguresFont, Text(figures[i].label), kFigureLabelX, figures[i].labelY);
        DrawString(kFiguresFont, std::to_string(values[i]), kFigureValueX, figures[i].valueY);
    }
}

// White pixels of the checker are transparent, so every other pixel of the screen goes black.
void GameScreen::DrawOverlay() const {
    if (IsLayoutRecorded()) {
        RecordCover();
    }
    for (int i = 0; i < kCheckerTiles; ++i) {
        for (int j = 0; j < kCheckerTiles; ++j) {
            DrawImageKeyed(checkerOverlay_, kCheckerWidth * i, kCheckerHeight * j);
        }
    }
}

void GameScreen::DrawPrompt(std::string_view text) const {
    const TextSize size = MeasureText(kPromptFont, text);
    const int textLeft = kScreenCentreX - size.width / 2;
    const int textTop = kScreenCentreY - size.height / 2;
    const Rect panel{textLeft - kPromptMargin, textTop - kPromptMargin,
                     textLeft + size.width + kPromptMargin, textTop + size.height + kPromptMargin};
    DrawBorderedPanel(&panel);
    DrawString(kPromptFont, text, textLeft, textTop);
}

}  // namespace Drobix
