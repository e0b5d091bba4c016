#pragma once

#include "advisor/turn.h"
#include "sheet/sheet.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace rollwell::advice {

// Between two turns a one-column game is fully described by the filled rows,
// the upper sum (capped at 63: beyond it only the bonus matters) and what the
// (Max - Min) x Ones product still depends on: the Ones score once Ones is
// filled (the product's share of Max and Min is then paid as they are
// placed), else Max - Min of whichever of the two is filled.
struct FreeState {
    int mask = 0; // bit r: row r filled
    int up = 0;   // 0..63
    int mid = 0;  // Ones score, or the partial Max - Min

    static FreeState of(const PlayerSheet& sheet, int column);
};

// The expected points still to come from every state of a one-column game
// played perfectly, by dynamic programming from the full sheet backwards.
class FreeValues {
  public:
    explicit FreeValues(int dice);

    // Solves every state whose filled rows include `from`'s; stops early
    // (leaving the rest unsolved) when `stop` is set.
    void solve(int from = 0, const std::atomic<bool>* stop = nullptr);
    bool solvedFrom(int mask) const {
        return solvedDown_ >= 0 && (mask & solvedFrom_) == solvedFrom_;
    }

    float value(const FreeState& s) const { return values_[index(s)]; }
    // The choices of the next roll from this state: every open row with the
    // worth of each score there, points and totals included.
    void choices(const FreeState& s, int column, std::vector<CellChoice>& out) const;

    int dice() const { return dice_; }
    size_t stateCount() const { return values_.size(); }
    std::vector<float>& raw() { return values_; }
    const std::vector<float>& raw() const { return values_; }
    void markSolved() { solvedFrom_ = 0, solvedDown_ = 0; }

  private:
    size_t index(const FreeState& s) const;

    int dice_;
    std::vector<size_t> offset_; // per mask
    std::vector<float> values_;
    std::vector<uint64_t> reach_; // per upper-row mask: the reachable capped sums
    int solvedFrom_ = 0;
    int solvedDown_ = -1;
};

} // namespace rollwell::advice
