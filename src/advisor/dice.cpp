#include "advisor/dice.h"

#include "sheet/scoring.h"

#include <algorithm>

namespace rollwell::advice {

namespace {
int codeOf(const std::array<uint8_t, 6>& c) {
    int code = 0;
    for (int f = 5; f >= 0; --f)
        code = code * 7 + c[f];
    return code;
}
} // namespace

const DiceSets& DiceSets::of(int dice) {
    static const DiceSets five(5);
    static const DiceSets six(6);
    return dice == 6 ? six : five;
}

int DiceSets::indexOf(const std::array<uint8_t, 6>& counts) const {
    return byCode_[codeOf(counts)];
}

DiceSets::DiceSets(int dice) : n_(dice), byCode_(7 * 7 * 7 * 7 * 7 * 7, -1) {
    for (int size = 0; size <= n_; ++size) {
        sizeBegin_[size] = static_cast<int>(counts_.size());
        std::array<uint8_t, 6> c{};
        // All counts of this size, in a fixed order.
        auto visit = [&](auto&& self, int face, int left) -> void {
            if (face == 5) {
                c[5] = static_cast<uint8_t>(left);
                byCode_[codeOf(c)] = static_cast<int16_t>(counts_.size());
                counts_.push_back(c);
                sizes_.push_back(static_cast<uint8_t>(size));
                return;
            }
            for (int k = left; k >= 0; --k) {
                c[face] = static_cast<uint8_t>(k);
                self(self, face + 1, left - k);
            }
        };
        visit(visit, 0, size);
    }
    sizeBegin_[n_ + 1] = static_cast<int>(counts_.size());

    plus_.resize(counts_.size());
    minus_.resize(counts_.size());
    for (size_t s = 0; s < counts_.size(); ++s) {
        for (int f = 0; f < 6; ++f) {
            std::array<uint8_t, 6> c = counts_[s];
            plus_[s][f] = -1;
            minus_[s][f] = -1;
            if (sizes_[s] < n_) {
                ++c[f];
                plus_[s][f] = byCode_[codeOf(c)];
                --c[f];
            }
            if (c[f] > 0) {
                --c[f];
                minus_[s][f] = byCode_[codeOf(c)];
            }
        }
    }

    // Chances of the full sets: n! / prod(k!) / 6^n.
    double factorial[7] = {1, 1, 2, 6, 24, 120, 720};
    double all = 1;
    for (int i = 0; i < n_; ++i)
        all *= 6;
    chance_.assign(counts_.size(), 0.0);
    scores_.resize(counts_.size());
    for (int s = firstRoll(); s < count(); ++s) {
        double ways = factorial[n_];
        std::array<int32_t, 6> sorted{};
        size_t i = 0;
        for (int f = 0; f < 6; ++f) {
            ways /= factorial[counts_[s][f]];
            for (int k = 0; k < counts_[s][f]; ++k)
                sorted[i++] = f + 1;
        }
        chance_[s] = ways / all;
        std::span<const int32_t> dice6(sorted.data(), static_cast<size_t>(n_));
        for (int row = 0; row < kRowCount; ++row) {
            const int32_t v = ScoreSortedForRow(static_cast<ScoreRow>(row), dice6);
            scores_[s][row] = static_cast<int16_t>(v);
            std::vector<int32_t>& seen = rowScores_[row];
            if (std::find(seen.begin(), seen.end(), v) == seen.end()) seen.push_back(v);
        }
    }
    for (auto& seen : rowScores_)
        std::sort(seen.begin(), seen.end());
}

} // namespace rollwell::advice
