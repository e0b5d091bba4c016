#include "advisor/yahtzee.h"

#include <algorithm>

namespace rollwell::advice {

namespace {

constexpr int kOnes = 0, kMax = 6, kMin = 7;
constexpr int kUpperMask = 0x3f;
constexpr int kFullMask = (1 << kRowCount) - 1;

bool filled(int mask, int row) {
    return (mask >> row & 1) != 0;
}

struct MidRange {
    int lo, count;
};

// The values the product's state can take once these rows are filled.
MidRange midRange(int mask) {
    const bool maxFilled = filled(mask, kMax), minFilled = filled(mask, kMin);
    if (filled(mask, kOnes)) return maxFilled && minFilled ? MidRange{0, 1} : MidRange{0, 6};
    if (maxFilled && minFilled) return {-25, 51};
    if (maxFilled) return {5, 26};
    if (minFilled) return {-30, 26};
    return {0, 1};
}

} // namespace

FreeState FreeState::of(const PlayerSheet& sheet, int column) {
    FreeState s;
    int upper = 0;
    for (int r = 0; r < kRowCount; ++r) {
        const ScoreCell& c = sheet.cell(column, r);
        if (!c) continue;
        s.mask |= 1 << r;
        if (IsUpperRow(r)) upper += *c;
    }
    s.up = std::clamp(upper, 0, kUpperBonusThreshold);
    const ScoreCell& ones = sheet.cell(column, kOnes);
    const ScoreCell& max = sheet.cell(column, kMax);
    const ScoreCell& min = sheet.cell(column, kMin);
    if (ones) {
        s.mid = max && min ? 0 : std::clamp(*ones, 0, 5);
    } else {
        s.mid = valueOf(max) - valueOf(min);
    }
    return s;
}

FreeValues::FreeValues(int dice) : dice_(dice), offset_(kFullMask + 2), reach_(64) {
    size_t total = 0;
    for (int mask = 0; mask <= kFullMask; ++mask) {
        offset_[mask] = total;
        total += 64 * static_cast<size_t>(midRange(mask).count);
    }
    offset_[kFullMask + 1] = total;
    values_.assign(total, 0.0f);
    // Which capped upper sums the filled upper rows can add up to.
    reach_[0] = 1;
    for (int m = 1; m < 64; ++m) {
        int face = 0;
        while (!filled(m, face))
            ++face;
        const uint64_t before = reach_[m & ~(1 << face)];
        uint64_t now = 0;
        for (int up = 0; up < 64; ++up) {
            if (!(before >> up & 1)) continue;
            for (int k = 0; k <= 5; ++k)
                now |= uint64_t{1} << std::min(kUpperBonusThreshold, up + k * (face + 1));
        }
        reach_[m] = now;
    }
}

size_t FreeValues::index(const FreeState& s) const {
    const MidRange r = midRange(s.mask);
    const int mid = r.count == 1 ? 0 : std::clamp(s.mid - r.lo, 0, r.count - 1);
    return offset_[s.mask] + static_cast<size_t>(s.up * r.count + mid);
}

void FreeValues::choices(const FreeState& s, int column, std::vector<CellChoice>& out) const {
    out.clear();
    const DiceSets& sets = DiceSets::of(dice_);
    const bool onesFilled = filled(s.mask, kOnes);
    for (int row = 0; row < kRowCount; ++row) {
        if (filled(s.mask, row)) continue;
        CellChoice c;
        c.column = column;
        c.row = row;
        FreeState next = s;
        next.mask |= 1 << row;
        for (int32_t score : sets.rowScores(row)) {
            float points = static_cast<float>(score);
            if (IsUpperRow(row)) {
                next.up = std::min(kUpperBonusThreshold, s.up + score);
                if ((next.mask & kUpperMask) == kUpperMask && next.up >= kUpperBonusThreshold)
                    points += kUpperBonus;
            }
            if (row == kOnes) {
                points += static_cast<float>(score * s.mid);
                next.mid = score;
            } else if (row == kMax || row == kMin) {
                const int sign = row == kMax ? 1 : -1;
                if (onesFilled) {
                    points = static_cast<float>(sign * s.mid * score);
                } else {
                    points = 0;
                    next.mid = s.mid + sign * score;
                }
            }
            c.value[static_cast<size_t>(score)] = points + value(next);
        }
        out.push_back(c);
    }
}

void FreeValues::solve(int from, const std::atomic<bool>* stop) {
    const DiceSets& sets = DiceSets::of(dice_);
    TurnSearch search(sets);
    std::vector<CellChoice> cells;
    for (int mask = kFullMask - 1; mask >= 0; --mask) {
        if ((mask & from) != from) continue;
        if (stop && stop->load(std::memory_order_relaxed)) return;
        const MidRange r = midRange(mask);
        const uint64_t reachable = reach_[mask & kUpperMask];
        for (int up = 0; up < 64; ++up) {
            if (!(reachable >> up & 1)) continue;
            for (int m = 0; m < r.count; ++m) {
                const FreeState s{mask, up, r.count == 1 ? 0 : r.lo + m};
                choices(s, 3, cells);
                search.solve(cells, {});
                values_[index(s)] = search.startValue();
            }
        }
    }
    solvedFrom_ = from;
    solvedDown_ = 0;
}

} // namespace rollwell::advice
