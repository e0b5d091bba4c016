#pragma once

#include "game/engine.h"

#include <algorithm>
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
    Board& board() { return e_.board_; }

    // Fills every cell of the sheet shown but those listed, with `value`,
    // keeping the counters consistent.
    void fillAllBut(const std::vector<std::pair<int, int>>& open, int32_t value = 1) {
        PlayerSheet s;
        for (int c = 1; c <= kColumnCount; ++c)
            for (int r = 0; r < kRowCount; ++r)
                if ((c == 3 || e_.settings().isYamb()) &&
                    !std::ranges::count(open, std::pair{c, r}))
                    s.RecordScore(c, r, value), s.PlacedCount += 1;
        s.RecomputeGrandTotal();
        while (s.NextDownRow < kRowCount && s.cell(1, s.NextDownRow))
            ++s.NextDownRow;
        while (s.NextUpRow >= 0 && s.cell(2, s.NextUpRow))
            --s.NextUpRow;
        sheet() = s;
        e_.syncSheet();
    }

  private:
    Engine& e_;
};

} // namespace rollwell
