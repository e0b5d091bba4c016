#pragma once

#include "sheet/scorerow.h"

#include <array>
#include <cstdint>
#include <vector>

namespace rollwell::advice {

// Every multiset of 0..n dice (n = 5 or 6), numbered by size: the kept dice
// between rolls and, at size n, the rolls themselves. A multiset is what
// matters of a roll: the order of the dice never changes a score.
class DiceSets {
  public:
    static const DiceSets& of(int dice); // 5 or 6, built once

    int dice() const { return n_; }
    int count() const { return static_cast<int>(counts_.size()); }
    int firstOfSize(int size) const { return sizeBegin_[size]; }
    int firstRoll() const { return sizeBegin_[n_]; }
    const std::array<uint8_t, 6>& counts(int set) const { return counts_[set]; }
    int size(int set) const { return sizes_[set]; }
    // The set with one more die of the face (0..5), or -1 at size n.
    int plus(int set, int face) const { return plus_[set][face]; }
    // The set with one die of the face fewer, or -1 when none shows it.
    int minus(int set, int face) const { return minus_[set][face]; }
    // The probability of rolling this full set with all n dice.
    double rollChance(int set) const { return chance_[set]; }
    // The score of a full set in a row.
    int32_t score(int set, int row) const { return scores_[set][row]; }
    // The distinct scores a row can take with n dice.
    const std::vector<int32_t>& rowScores(int row) const { return rowScores_[row]; }
    // The set of the given faces (1..6), of any size up to n.
    int indexOf(const std::array<uint8_t, 6>& counts) const;

  private:
    explicit DiceSets(int dice);

    int n_;
    std::vector<std::array<uint8_t, 6>> counts_;
    std::vector<uint8_t> sizes_;
    std::vector<std::array<int16_t, 6>> plus_, minus_;
    std::vector<double> chance_;
    std::vector<std::array<int16_t, kRowCount>> scores_;
    std::array<std::vector<int32_t>, kRowCount> rowScores_;
    std::array<int, 8> sizeBegin_{};
    std::vector<int16_t> byCode_; // base-7 code of the counts -> set
};

} // namespace rollwell::advice
