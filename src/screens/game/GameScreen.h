// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/IScreen.h"
#include "game/Block.h"
#include "game/Board.h"
#include "game/Movement.h"
#include "game/Scoring.h"
#include "screens/game/NameEntry.h"

namespace Drobix {

class ImageSurface;
struct Sound;

// The screen on which a game is played. Every visit starts a new game.
class GameScreen final : public IScreen {
public:
    // Where the game stands. Play runs only while Playing; the other modes dim the field under a
    // prompt or the name entry and stop the block and the timers of play.
    enum class Mode {
        Playing,
        Paused,          // the pause key or a lost focus: the well and the preview are covered
        ExitPrompt,      // Esc during play: Y abandons the game, N or Esc goes back
        NameEntry,       // a game ended with a score for the table
        GameOverPrompt,  // after the name entry, or a game ended without such a score
    };

    // Loads the screen's pictures and sounds and seeds the shared random generator.
    GameScreen();
    ~GameScreen() override;
    GameScreen(const GameScreen&) = delete;
    GameScreen& operator=(const GameScreen&) = delete;

    void OnEnter() override;
    void OnLeave(ScreenNumber nextScreen) override;
    // A score whose name is being typed goes into the table with the name as typed so far.
    void OnSessionEnd() override;
    // Play pauses; the player resumes it.
    void OnFocusLost() override;
    void Render() override;
    void Update(unsigned elapsedMs) override;

    Mode GetMode() const { return mode_; }
    const ScoreKeeper& GetScores() const { return scores_; }
    const Board& GetBoard() const { return board_; }
    const Block* GetFallingBlock() const { return fallingBlock_; }
    BlockPosition GetFallingPosition() const { return position_; }
    const Block* GetNextBlock() const { return nextBlock_; }
    bool IsPreviewVisible() const { return previewVisible_; }
    const NameEntry& GetNameEntry() const { return nameEntry_; }
    // Where the landing shadow is drawn: the falling block dropped now; nothing while the
    // shadow is off or no block falls.
    std::optional<BlockPosition> GetShadowPosition() const;

private:
    void EnterMode(Mode mode);
    void NewGame();
    void SpawnBlock();
    // Y or N (Esc too) behind the key gate: true for Y, false for N, nothing when neither acted.
    std::optional<bool> ReadPromptAnswer();
    // True once per press of a pause key: a held key pauses or resumes only once.
    bool TakePausePress();
    void UpdatePaused(bool pausePressed);
    void OpenExitPrompt();
    void UpdateExitPrompt();
    void UpdateGameOverPrompt();
    void UpdatePlay(uint32_t elapsed);
    // The first held key decides; true when the frame ends here (the exit prompt opened).
    bool HandlePlayKeys(bool& hardDrop);
    // Every action on its own, each as its keys act; true when the exit prompt opened.
    bool HandleModernPlayKeys(bool& hardDrop);
    void Land();
    void EndGame();
    void PlayRowSound(size_t rowCount);

    void DrawBoard() const;
    void DrawShadow() const;
    void DrawPreview();
    void DrawPopups() const;
    void DrawFigures() const;
    void DrawOverlay() const;
    void DrawPrompt(std::string_view text) const;

    ImageSurface* background_ = nullptr;
    ImageSurface* checkerOverlay_ = nullptr;
    ImageSurface* caretImage_ = nullptr;
    ImageSurface* hiddenPreviewSign_ = nullptr;
    Sound* startSound_ = nullptr;
    Sound* landingSound_ = nullptr;
    Sound* gameOverSound_ = nullptr;
    Sound* rowSounds_[4] = {};
    Sound* levelUpSound_ = nullptr;

    ScoreKeeper scores_;
    Board board_;
    Block* fallingBlock_ = nullptr;
    BlockPosition position_;
    Block* nextBlock_ = nullptr;
    bool previewVisible_ = true;
    uint32_t fallTimer_ = 0;
    uint32_t keyTimer_ = 0;
    uint32_t timeSinceSpawn_ = 0;
    Mode mode_ = Mode::Playing;
    // Where the exit prompt's No goes back to: play, or the pause it was opened from.
    Mode modeBeforePrompt_ = Mode::Playing;
    bool pauseHeld_ = false;
    NameEntry nameEntry_;
};

}  // namespace Drobix
