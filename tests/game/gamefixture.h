#pragma once

#include "game/engine.h"
#include "support/engineprobe.h"
#include "support/scriptedplatform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace rollwell {

// A main window's engine with a scripted platform, and helpers to play it.
class GameFixture : public ::testing::Test {
  protected:
    void start(int columns = 4, int dice = 5, int players = 1) {
        settings.NumberOfColumns = columns;
        settings.NumberOfDice = dice;
        settings.NumberOfPlayers = players;
        engine = std::make_unique<Engine>(settings, platform);
        engine->Form_Load();
    }

    int freeDice() const {
        int n = 0;
        for (int i = 0; i < engine->game().diceInPlay(); ++i)
            n += engine->turn().DiceHeld[i] ? 0 : 1;
        return n;
    }

    // Rolls through the roll button; the free dice settle on `faces`.
    void roll(const std::vector<int>& faces) {
        platform.queueRoll(freeDice(), faces);
        engine->picRollDices_MouseUp();
    }

    // Ticks the new-game animation to its end, as the window's timer would.
    void finishAnimation() {
        for (int i = 0; i < 1000 && engine->board().tmrAnimation.running; ++i) {
            engine->tmrAnimation_Timer();
        }
    }

    std::vector<int32_t> dice() const {
        const auto& v = engine->turn().DiceValues;
        return {v.begin(), v.begin() + engine->game().diceInPlay()};
    }

    bool offered(int column, int row) const {
        const CellButton& b = engine->board().cmd(column, row);
        return b.visible && b.enabled;
    }

    int offeredCount() const {
        int n = 0;
        for (int c = 1; c <= kColumnCount; ++c) {
            for (int r = 0; r < kRowCount; ++r)
                n += offered(c, r) ? 1 : 0;
        }
        return n;
    }

    EngineProbe probe() { return EngineProbe(*engine); }
    const Board& board() const { return engine->board(); }

    Settings settings;
    ScriptedPlatform platform;
    std::unique_ptr<Engine> engine;
};

} // namespace rollwell
