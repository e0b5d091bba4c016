#pragma once

#include "game/engine.h"

#include <utility>
#include <vector>

namespace rollwell {

// Test-only access to the engine's private state, to set up positions that
// would take dozens of turns to reach through the handlers.
class EngineProbe {
  public:
    explicit EngineProbe(Engine& engine) : e_(engine) {}

    PlayerSheet& sheet() { return e_.game_.sheets.shown; }
    SheetPair& sheets() { return e_.game_.sheets; }
    GameState& game() { return e_.game_; }
    TurnState& turn() { return e_.turn_; }
    Board& board() { return e_.board_; }
    RunState& run() { return e_.run_; }
    void syncSheet() { e_.syncSheet(); }

    // Fills every cell of the sheet shown but those listed, with `value`,
    // keeping the counters consistent.
    void fillAllBut(const std::vector<std::pair<int, int>>& open, int32_t value = 1) {
        PlayerSheet s;
        const int columns = e_.settings().isYamb() ? kColumnCount : 1;
        for (int i = 0; i < columns; ++i) {
            const int c = columns == 1 ? 3 : i + 1;
            for (int r = 0; r < kRowCount; ++r) {
                bool keep = false;
                for (auto [oc, orow] : open)
                    keep |= oc == c && orow == r;
                if (keep) continue;
                s.RecordScore(c, r, value);
                s.PlacedCount += 1;
            }
        }
        s.RecomputeGrandTotal();
        s.NextDownRow = 0;
        while (s.NextDownRow < kRowCount && s.cell(1, s.NextDownRow))
            ++s.NextDownRow;
        s.NextUpRow = 12;
        while (s.NextUpRow >= 0 && s.cell(2, s.NextUpRow))
            --s.NextUpRow;
        sheet() = s;
        e_.syncSheet();
    }

  private:
    Engine& e_;
};

} // namespace rollwell
