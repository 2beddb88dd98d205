// SPDX-FileCopyrightText: 2026 The Drobix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReplayReport.h"

#include <fstream>
#include <iomanip>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/MainLoop.h"
#include "app/MainLoopTesting.h"
#include "platform/scripted/AudioScripted.h"
#include "screens/NonGameScreenBase.h"
#include "screens/NonGameScreenBaseTesting.h"
#include "screens/game/GameScreen.h"
#include "storage/Settings.h"

namespace Drobix::Replay {

namespace {

const GameScreen* CurrentGameScreen() {
    if (Testing::GetCurrentScreenNumber() != ScreenNumber::Game) {
        return nullptr;
    }
    return dynamic_cast<const GameScreen*>(GetScreen(ScreenNumber::Game));
}

constexpr size_t kDataBytesPerLine = 16;

const char* ModeName(GameScreen::Mode mode) {
    switch (mode) {
        case GameScreen::Mode::Playing:
            return "playing";
        case GameScreen::Mode::Paused:
            return "paused";
        case GameScreen::Mode::ExitPrompt:
            return "exit-prompt";
        case GameScreen::Mode::NameEntry:
            return "name-entry";
        case GameScreen::Mode::GameOverPrompt:
            return "game-over";
    }
    return "";
}

void PrintSize(std::ostream& out, const Block* block) {
    if (block == nullptr) {
        out << "none";
    } else {
        out << block->GetRowCount() << "x" << block->GetColumnCount();
    }
}

void PrintGameState(std::ostream& out, const GameScreen& game) {
    const ScoreKeeper& scores = game.GetScores();
    const Block* falling = game.GetFallingBlock();
    const BlockPosition position = game.GetFallingPosition();
    out << " mode=" << ModeName(game.GetMode()) << " level=" << scores.GetLevel()
        << " score=" << scores.GetScore() << " lines=" << scores.GetLines() << " block=";
    PrintSize(out, falling);
    out << " rotation=" << (falling != nullptr ? falling->GetRotationState() : 0)
        << " row=" << position.row << " column=" << position.column << " next=";
    PrintSize(out, game.GetNextBlock());
    out << " preview=" << (game.IsPreviewVisible() ? "shown" : "hidden") << " name=\""
        << game.GetNameEntry().GetName() << "\" caret=" << game.GetNameEntry().GetCaret()
        << " popups=" << scores.GetPopups().size();
}

// Whether the falling block covers the cell.
bool IsFallingCell(const GameScreen& game, unsigned row, unsigned col) {
    const Block* falling = game.GetFallingBlock();
    if (falling == nullptr) {
        return false;
    }
    const BlockPosition at = game.GetFallingPosition();
    const int r = static_cast<int>(row) - at.row;
    const int c = static_cast<int>(col) - at.column;
    return r >= 0 && c >= 0 && r < static_cast<int>(falling->GetRowCount()) &&
           c < static_cast<int>(falling->GetColumnCount()) &&
           falling->IsCellFilled(static_cast<unsigned>(r), static_cast<unsigned>(c));
}

}  // namespace

void PrintState(std::ostream& out) {
    const ScreenNumber screen = Testing::GetCurrentScreenNumber();
    out << "screen=" << static_cast<int>(screen);
    if (const GameScreen* game = CurrentGameScreen()) {
        PrintGameState(out, *game);
    } else if (IsMenuScreen(screen)) {
        out << " decorations=" << Testing::GetMenuDecorationCount();
    }
    out << "\n";
}

void PrintBoard(std::ostream& out) {
    const auto* game = dynamic_cast<const GameScreen*>(GetScreen(ScreenNumber::Game));
    if (game == nullptr) {
        return;
    }
    const Board& board = game->GetBoard();
    for (unsigned row = 0; row < board.GetRowCount(); ++row) {
        for (unsigned col = 0; col < board.GetColumnCount(); ++col) {
            char cell = board.IsCellFilled(row, col) ? '#' : '.';
            if (IsFallingCell(*game, row, col)) {
                cell = '@';
            }
            out << cell;
        }
        out << "\n";
    }
}

void PrintShadow(std::ostream& out) {
    const GameScreen* game = CurrentGameScreen();
    const std::optional<BlockPosition> shadow =
        game != nullptr ? game->GetShadowPosition() : std::nullopt;
    if (!shadow) {
        out << "shadow none\n";
        return;
    }
    out << "shadow row=" << shadow->row << " column=" << shadow->column << "\n";
}

void PrintHighScores(std::ostream& out) {
    for (int index = 0; index < kHighScoreCount; ++index) {
        const HighScoreEntry& entry = GetHighScore(index);
        out << index << " " << entry.score << " " << entry.name << "\n";
    }
}

void PrintSettings(std::ostream& out) {
    out << "sound=" << static_cast<int>(GetSettings()->sound)
        << " rubbish_rows=" << GetRubbishRows() << " rubbish_frequency=" << GetRubbishFrequency()
        << " block_types=" << static_cast<int>(GetBlockTypes())
        << " block_preview=" << static_cast<int>(GetBlockPreview())
        << " block_colour=" << static_cast<int>(GetBlockColour())
        << " starting_level=" << GetStartingLevel() << "\n";
}

void PrintSounds(std::ostream& out) {
    namespace Scripted = Platform::Scripted;
    for (const Scripted::AudioEvent& event : Scripted::GetAudioEvents()) {
        if (event.kind == Scripted::AudioEvent::Kind::Start ||
            event.kind == Scripted::AudioEvent::Kind::Stop) {
            out << Scripted::DescribeAudioEvent(event) << "\n";
        }
    }
    Scripted::ClearAudioEvents();
}

void PrintDataFile(std::ostream& out) {
    std::string path;
    std::ifstream file;
    if (GetDataFilePath(path)) {
        file.open(path, std::ios::binary);
    }
    if (!file) {
        out << "datafile none\n";
        return;
    }
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    out << "datafile " << bytes.size() << " bytes\n" << std::hex << std::setfill('0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        const bool lineEnds = (i + 1) % kDataBytesPerLine == 0 || i + 1 == bytes.size();
        out << std::setw(2) << static_cast<int>(bytes[i]) << (lineEnds ? '\n' : ' ');
    }
    out << std::dec << std::setfill(' ');
}

}  // namespace Drobix::Replay
