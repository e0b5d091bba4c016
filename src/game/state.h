#pragma once

#include "sheet/scorerow.h"
#include "sheet/sheet.h"

#include <array>
#include <cstdint>
#include <string>

namespace rollwell {

// The game in force and the flags that gate New Game and rolling.
struct GameState {
    int32_t HighestDieIndex = 5; // 4 for five dice, 5 for six
    int CurrentPlayer = 1;
    std::array<bool, kColumnCount> SecondPlayerOnTurn{};
    bool GameStarted = false;
    bool GameFinished = false;
    bool FirstRollPending = true;
    bool RollingBlocked = false;
    bool HintsAlways = false;
    bool HintRefreshPending = false;
    bool HoverActive = false;
    bool EvaluateOnly = false;
    SheetPair sheets;

    int diceInPlay() const { return HighestDieIndex + 1; }
    bool secondPlayerOnTurn() const {
        return SecondPlayerOnTurn[0] && SecondPlayerOnTurn[1] && SecondPlayerOnTurn[2] &&
               SecondPlayerOnTurn[3];
    }
};

// The running turn, always the CurrentPlayer's, and the copies Undo restores.
struct TurnState {
    std::array<int32_t, 6> DiceValues{};
    std::array<bool, 6> DiceHeld{};
    int32_t RollCount = 0;
    int32_t RollsUsed = 0;
    int32_t CurrentColumn = 0; // 1..4 while a move can be taken back, else 0
    int32_t CurrentRow = 0;
    bool Announced = false;
    bool AnnounceStanding = false;
    bool HideAnnounceOnRoll = false;
    bool HintAllowed = false;
    std::array<int32_t, 6> SavedDice{};
    std::array<bool, 6> SavedHeld{};
    std::array<std::string, 14> SavedHints{};
    int32_t RedoColumn = 0;
    bool RedoAnnounce = false;
    bool RedoPlacement = false;
    int32_t LastPlacedScore = 0;
};

// The new-game animation's counters.
struct AnimationState {
    int32_t AnimationPattern = 1;
    int32_t AnimationStep = 0;
    int32_t AnimationPhase = 0;
    std::array<int32_t, 53> CellOrder{};
};

// Values that live for the whole run of the program, shared with the
// top-scores and options windows.
struct RunState {
    bool SoundOn = true;
    int32_t Player1Total = 0;
    int32_t Player2Total = 0;
    int32_t LastScore = 0;
    int32_t LastRank = -1;
    bool ScoresFromGame = false;
    bool OpenedFromMain = false;
    bool EndGameChoice = false;
    int NewGameAnswer = 0; // 0 not asked, 1 OK, 2 Cancel
    bool OptionsAccepted = false;
    int rememberedLeft = 0; // window position kept by New Game for this run only
    int rememberedTop = 0;
    bool marqueeStarted = false;
    std::string GameOverText;
    int rollDiceTicks = 0;
};

} // namespace rollwell
