#pragma once

#include "game/engine.h"
#include "support/engineprobe.h"
#include "support/scriptedplatform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace rollwell {

// A main window's engine with a scripted platform, and helpers to play it.
class GameFixture : public ::testing::Test {
  protected:
    // A new engine on the settings given, with a new platform.
    void start(int columns = 4, int dice = 5, int players = 1) {
        platform = ScriptedPlatform();
        settings.NumberOfColumns = columns;
        settings.NumberOfDice = dice;
        settings.NumberOfPlayers = players;
        engine = std::make_unique<Engine>(settings, platform);
        engine->Form_Load();
    }

    // Rolls through the roll button; the free dice settle on `faces`.
    void roll(const std::vector<int>& faces) {
        const auto& held = engine->turn().DiceHeld;
        const int dice = engine->game().diceInPlay();
        platform.queueRoll(
            dice - static_cast<int>(std::count(held.begin(), held.begin() + dice, true)), faces);
        engine->picRollDices_MouseUp();
    }

    // Rolls, then clicks the cell at `column` (1 Down to 4 Announce) and `row`.
    void play(const std::vector<int>& faces, int column, int row) {
        roll(faces);
        engine->cellClick(column, row);
    }

    // Ticks the new-game animation to its end, as the window's timer would.
    void finishAnimation() {
        for (int i = 0; i < 1000 && engine->board().tmrAnimation.running; ++i)
            engine->tmrAnimation_Timer();
    }

    std::vector<int32_t> dice() const {
        const auto& v = engine->turn().DiceValues;
        return {v.begin(), v.begin() + engine->game().diceInPlay()};
    }

    // The last message's title, text, buttons and icon.
    std::tuple<std::string, std::string, MsgButtons, MsgIcon> lastMessage() const {
        const auto& m = platform.messages.back();
        return {m.title, m.text, m.buttons, m.icon};
    }

    EngineProbe probe() { return EngineProbe(*engine); }
    const Board& board() const { return engine->board(); }

    Settings settings;
    ScriptedPlatform platform;
    std::unique_ptr<Engine> engine;
};

} // namespace rollwell
