#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace rollwell {

// The board sizes offered, in percent of the designed size.
inline constexpr std::array<int32_t, 5> kBoardSizes = {100, 125, 150, 175, 200};

// The offered size `step` places from `current` (kept within the offered
// sizes); step 0 is the designed size.
constexpr int32_t StepBoardSize(int32_t current, int step) {
    if (step == 0) return kBoardSizes.front();
    size_t at = 0;
    for (size_t k = 0; k < kBoardSizes.size(); ++k)
        if (kBoardSizes[k] <= current) at = k;
    if (step < 0) return kBoardSizes[at > 0 ? at - 1 : 0];
    return kBoardSizes[at + 1 < kBoardSizes.size() ? at + 1 : at];
}

// The options kept per user. Loaded once at start, saved at the end;
// while the program runs these in-memory values are the truth.
struct Settings {
    int32_t NumberOfDice = 5;           // index of the last die: 4 = five dice, 5 = six dice
    int32_t NumberOfPlayers = 1;        // 1 or 2
    int32_t NumberOfColumns = 4;        // 4 = Yamb, 1 = Yahtzee
    std::string Player1 = "Player 1  "; // exactly 10 characters, blank-padded (UTF-8)
    std::string Player2 = "Player 2  ";
    bool SoundEnabled = true;
    bool hintAllways = false;
    bool ShowDialog = true;
    bool ShowSplash = false;
    bool ShowStatusBar = true;
    bool ConfirmOnExit = true;
    bool ConfirmQuitGame = true;
    bool SoundOnExit = true;
    bool ShowGridLines = true;
    int32_t BoardSize = 100; // percent, one of kBoardSizes
    // The computer plays Player 2 of a two-player game, at this strength:
    // 1 Easy, 2 Normal, 3 Strong.
    bool Player2Computer = false;
    int32_t ComputerStrength = 2;

    bool operator==(const Settings&) const = default;

    bool isYamb() const { return NumberOfColumns != 1; }
    bool sixDice() const { return NumberOfDice == 5; }
    bool twoPlayers() const { return NumberOfPlayers == 2; }
    bool computerPlays() const { return twoPlayers() && Player2Computer; }
};

// The top-scores table of a kind of game: Yamb with six dice 1, Yamb with five
// dice 2, Yahtzee with six dice 3, Yahtzee with five dice 4.
constexpr int TableNumber(int numberOfColumns, int numberOfDice) {
    const int base = numberOfColumns == 1 ? 3 : 1;
    return numberOfDice == 5 ? base : base + 1;
}

} // namespace rollwell
