#include "advisor/sheetvalue.h"

#include <algorithm>

namespace rollwell::advice {

namespace {

constexpr int kOnes = 0, kMax = 6, kMin = 7;

int upperSum(const PlayerSheet& sheet, int column) {
    int sum = 0;
    for (int r = 0; r < 6; ++r)
        sum += valueOf(sheet.cell(column, r));
    return sum;
}

bool upperComplete(const PlayerSheet& sheet, int column) {
    for (int r = 0; r < 6; ++r) {
        if (sheet.isEmpty(column, r)) return false;
    }
    return true;
}

} // namespace

// The chance that the open upper cells (but `skipRow`) bring at least `need`
// points, each one independently as it usually does.
double SheetValue::bonusChance(const PlayerSheet& sheet, int column, int skipRow, int need) const {
    if (need <= 0) return 1.0;
    const auto& stats = stats_[static_cast<size_t>(column - 1)];
    std::array<double, 64> dist{}; // points so far, capped at 63
    dist[0] = 1.0;
    for (int r = 0; r < 6; ++r) {
        if (r == skipRow || !sheet.isEmpty(column, r)) continue;
        std::array<double, 64> next{};
        for (int sum = 0; sum < 64; ++sum) {
            if (dist[sum] == 0) continue;
            for (int k = 0; k <= 5; ++k)
                next[std::min(63, sum + k * (r + 1))] += dist[sum] * stats[r].counts[k];
        }
        dist = next;
    }
    double chance = 0;
    for (int sum = std::min(need, 63); sum < 64; ++sum)
        chance += dist[sum];
    return chance;
}

double SheetValue::cellsAndProduct(const PlayerSheet& sheet, int column) const {
    const auto& stats = stats_[static_cast<size_t>(column - 1)];
    double value = 0;
    for (int r = 0; r < kRowCount; ++r) {
        if (sheet.isEmpty(column, r) && r != kMax && r != kMin) value += stats[r].mean;
    }
    if (!planning_) return value;
    const ScoreCell &ones = sheet.cell(column, kOnes), &max = sheet.cell(column, kMax),
                    &min = sheet.cell(column, kMin);
    if (!(ones && max && min)) {
        const double o = ones ? double(*ones) : double(stats[kOnes].mean);
        const double mx = max ? double(*max) : double(stats[kMax].mean);
        const double mn = min ? double(*min) : double(stats[kMin].mean);
        value += (mx - mn) * o;
    }
    return value;
}

double SheetValue::bonusTerm(const PlayerSheet& sheet, int column) const {
    if (!planning_ || upperComplete(sheet, column)) return 0;
    return kUpperBonus *
           bonusChance(sheet, column, -1, kUpperBonusThreshold - upperSum(sheet, column));
}

double SheetValue::column(const PlayerSheet& sheet, int column) const {
    return cellsAndProduct(sheet, column) + bonusTerm(sheet, column);
}

void SheetValue::fill(const PlayerSheet& sheet, int column, int row, double rest,
                      CellChoice& out) const {
    out.column = column;
    out.row = row;
    out.value.fill(kForbidden);
    const int32_t before = valueOf(sheet.columnTotals(column).ColumnTotal);
    const bool upper = IsUpperRow(row);
    // The bonus term by the count this cell takes (an upper row), or as it
    // stands (any other row).
    std::array<double, 6> bonusBy{};
    const double bonusNow = upper ? 0.0 : bonusTerm(sheet, column);
    if (upper && planning_) {
        const int sumBefore = upperSum(sheet, column);
        for (int k = 0; k <= 5; ++k) {
            const int need = kUpperBonusThreshold - sumBefore - k * (row + 1);
            bonusBy[static_cast<size_t>(k)] = kUpperBonus * bonusChance(sheet, column, row, need);
        }
    }
    for (int32_t score : DiceSets::of(dice_).rowScores(row)) {
        PlayerSheet after = sheet;
        after.RecordScore(column, row, score);
        const double points = valueOf(after.columnTotals(column).ColumnTotal) - before;
        double future = cellsAndProduct(after, column);
        if (!upper) {
            future += bonusNow;
        } else if (!upperComplete(after, column)) {
            future += bonusBy[static_cast<size_t>(score / (row + 1))];
        }
        out.value[static_cast<size_t>(score)] = static_cast<float>(points + future + rest);
    }
}

} // namespace rollwell::advice
