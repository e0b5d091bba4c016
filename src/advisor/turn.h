#pragma once

#include "advisor/dice.h"

#include <array>
#include <span>
#include <vector>

namespace rollwell::advice {

inline constexpr int kMaxScore = 100;
// A value no real choice reaches: the mark of a choice the rules forbid.
inline constexpr float kForbidden = -1e9f;

// A cell the roll may go to, with what each score there is worth for the rest
// of the game: the points themselves and every total they change, plus the
// future value of the sheet left behind. Only the row's possible scores are read.
struct CellChoice {
    int column = 0;
    int row = 0;
    std::array<float, kMaxScore + 1> value{};
};

// The values of one kind of continuation over every multiset of dice.
// roll[s] (full sets): the value of standing on roll s with the option to roll
// again; keep[s]: the expected value of keeping s and rolling the rest.
struct Layer {
    std::vector<float> keep, best;
};

// The exact search of one turn: every hold before every roll, every outcome,
// every cell the column rules offer, and the Announce column's announcement
// after the first roll.
class TurnSearch {
  public:
    explicit TurnSearch(const DiceSets& sets);

    // Cells open after any roll, and Announce cells that the first roll may
    // announce. The announced cell alone is passed as `regular` once announced.
    void solve(std::span<const CellChoice> regular, std::span<const CellChoice> announce);
    // The expected value of the turn before its first roll.
    float startValue() const { return start_; }

    // After solve(): the value of keeping `set` before roll 2 or 3 (rolls
    // made: 1 or 2); of standing on a full roll with rolls left; of announcing
    // cell `a` (index into `announce`) on the first roll `set`.
    float keepValue(int rollsMade, int set) const;
    float announceValue(int a, int set) const { return announce_[a].second.best[set]; }
    // The same when only the next roll is looked at.
    float announceNextRollValue(int a, int set) const { return announce_[a].first.best[set]; }
    // The value of the best cell for a full roll, and which cell.
    float placeValue(std::span<const CellChoice> cells, int set, int* which) const;

  private:
    void place(std::span<const CellChoice> cells, std::vector<float>& out) const;
    void keepStep(const std::vector<float>& roll, Layer& layer) const;
    void twoRolls(std::span<const CellChoice> cells, Layer& last, Layer& middle);

    const DiceSets& sets_;
    std::vector<float> roll_, scratch_;
    Layer third_, second_; // before the third and the second roll
    std::vector<std::pair<Layer, Layer>> announce_;
    float start_ = 0;
};

} // namespace rollwell::advice
