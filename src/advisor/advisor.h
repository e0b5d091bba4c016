#pragma once

#include "sheet/sheet.h"

#include <array>
#include <cstdint>
#include <string>

namespace rollwell {

class Engine;
struct GameState;
struct Settings;
struct TurnState;

// How well the advisor plays. Strong is the full advisor; Normal and Easy are
// deliberately weaker in ways a person recognises (Normal values the sheet
// coarsely, Easy chases the row that scores most now).
enum class Strength { Easy = 1, Normal = 2, Strong = 3 };

// Everything the choice depends on: the sheet of the player on turn with its
// column counters, the dice, the holds, the rolls made and the announcement.
struct Position {
    int columns = 4; // 4 Yamb, 1 Yahtzee (column 3 alone)
    int dice = 5;    // 5 or 6 dice in play
    PlayerSheet sheet;
    std::array<int32_t, 6> diceValues{}; // faces 1..6 once rolled; the first `dice` count
    std::array<bool, 6> held{};
    int rollCount = 0;     // rolls made in this turn, 0..3
    int announcedRow = -1; // the Announce cell announced this turn, or -1
};

// The position of the player on turn. When a two-player game waits for the
// hand-over, it is the next player's position before the first roll.
Position PositionFrom(const Engine& engine);
Position PositionFrom(const Settings& settings, const GameState& game, const TurnState& turn);

enum class Action {
    Roll,     // roll the dice that `hold` leaves free
    Place,    // put the dice into (column, row)
    Announce, // announce `row` of the Announce column (column 4)
};

struct Advice {
    Action action = Action::Roll;
    std::array<bool, 6> hold{}; // Roll: the dice to hold for the roll
    int column = 0;             // Place: 1..4 (3 in Yahtzee); Announce: 4
    int row = -1;               // Place and Announce: 0..12
    int32_t points = 0;         // Place: what the cell takes now
    double expectedFinal = 0;   // expected grand total at the end of the game
    double expectedGain = 0;    // how much better than the next-best move (>= 0)
};

// The move that maximises the expected final grand total at the given
// strength. Pure: the same position always gets the same advice (in Yahtzee
// the Strong advice improves once the solved values are ready). Easy leaves
// expectedFinal and expectedGain at 0: it does not look ahead.
Advice Advise(const Position& position, Strength strength = Strength::Strong);

// Yahtzee is played perfectly from values solved once per user and kept in a
// file in `folder` (about 16 MB for each number of dice). This returns at
// once: a background thread loads the file, or solves the values (about half
// a minute for five dice and a minute and a half for six, on one core) and
// saves them. Until they are ready the advisor values a Yahtzee sheet as it
// does a Yamb column. `firstDice` (5 or 6) is prepared first.
void PrepareYahtzeeValues(const std::string& folder, int firstDice = 5);
bool YahtzeeValuesReady(int dice);
// Stops the background work and waits for it; call before the program ends.
void StopPreparingYahtzeeValues();
// Waits until both tables are ready (for the benchmark).
void WaitForYahtzeeValues();

} // namespace rollwell
