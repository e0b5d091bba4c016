#pragma once

#include "game/engine.h"
#include "support/scriptedplatform.h"

#include <random>
#include <span>
#include <string>
#include <vector>

namespace rollwell {

// Plays random legal games through the engine's handlers only, as a player
// clicking the window would, and optionally checks the rules after every event.
class Bot {
  public:
    struct Options {
        unsigned seed = 1;
        bool checks = true;
        // Chances per decision of the extra moves the soak test mixes in:
        // "Finish Game?" answered Undo (also after Redo), a turn played for an
        // upper row, and keys: a stray cursor key between moves, a cell placed
        // by the keyboard's cursor and Enter.
        double undoChance = 0, redoChance = 0, hintChance = 0, modeSwitchChance = 0;
        double newGameChance = 0, endGameUndoChance = 0, upperChance = 0, keyChance = 0;
    };

    Bot(const Settings& settings, Options options);

    // Plays until the game is over (or abandoned by a random New Game) and
    // returns the number of placements made.
    int playGame();

    Engine& engine() { return engine_; }
    ScriptedPlatform& platform() { return platform_; }
    const std::vector<std::string>& failures() const { return failures_; }
    // Upper bonuses standing at the end of the games played.
    int bonuses() const { return bonuses_; }

  private:
    void step();
    bool chance(double p);
    // Checks the rules after an event. Cells may empty by Undo and New Game;
    // hint labels are checked where an event has just written them.
    void after(const std::string& what, bool cellsMayEmpty = false, bool hintsFresh = false);
    void fail(const std::string& what, const std::string& err);
    void roll();
    void computerStep();
    bool clickSomeOfferedCell();
    void holdSomeDice();
    void pressSomeKey();
    void placeByKeys(int column, int row);
    std::span<const int32_t> dice() const {
        return std::span(engine_.turn().DiceValues).first(engine_.game().diceInPlay());
    }

    Settings settings_;
    ScriptedPlatform platform_;
    Engine engine_;
    Options options_;
    std::mt19937 rng_;
    std::vector<std::string> failures_;
    PlayerSheet snapshot_[2];
    int bonuses_ = 0;
    bool upperTurn_ = false;
    bool abandoned_ = false;
};

} // namespace rollwell
