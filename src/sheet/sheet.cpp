#include "sheet/sheet.h"

#include <stdexcept>
#include <utility>

namespace rollwell {

void PlayerSheet::RecordScore(int column, int row, int32_t value) {
    ScoreCell& target = cell(column, row);
    if (target.has_value()) {
        throw std::logic_error("RecordScore on a filled cell");
    }
    target = value;
    ColumnTotals& t = columnTotals(column);
    auto add = [](ScoreCell& total, int32_t amount) { total = valueOf(total) + amount; };

    if (IsUpperRow(row)) {
        add(t.UpperSubTotal, value);
        add(t.ColumnTotal, value);
        if (column == 3) ++FreeUpperCount;
        if (column == 4) ++AnnounceUpperCount;
    } else if (IsLowerRow(row)) {
        add(t.ColumnTotal, value);
    }

    // The product is written once, when the last of Ones, Max and Min is filled.
    const bool middleTouched = row == RowIndex(ScoreRow::Ones) || row == RowIndex(ScoreRow::Max) ||
                               row == RowIndex(ScoreRow::Min);
    const ScoreCell& ones = cell(column, RowIndex(ScoreRow::Ones));
    const ScoreCell& max = cell(column, RowIndex(ScoreRow::Max));
    const ScoreCell& min = cell(column, RowIndex(ScoreRow::Min));
    if (middleTouched && ones && max && min) {
        const int32_t product = (*max - *min) * *ones;
        t.MaxMinProduct = product;
        add(t.ColumnTotal, product);
    }

    if (!IsUpperRow(row)) return;
    bool bonusDue = false;
    switch (column) {
    case 1:
        bonusDue = row == RowIndex(ScoreRow::Sixes);
        break;
    case 2:
        bonusDue = row == RowIndex(ScoreRow::Ones);
        break;
    case 3:
        bonusDue = !BonusAwarded[2] && FreeUpperCount == 6;
        break;
    default:
        bonusDue = !BonusAwarded[3] && AnnounceUpperCount == 6;
        break;
    }
    if (bonusDue && valueOf(t.UpperSubTotal) >= kUpperBonusThreshold) {
        add(t.UpperSubTotal, kUpperBonus);
        add(t.ColumnTotal, kUpperBonus);
        BonusAwarded[column - 1] = true;
    }
}

void PlayerSheet::RecomputeGrandTotal() {
    int32_t sum = 0;
    for (const ColumnTotals& t : totals)
        sum += valueOf(t.ColumnTotal);
    GrandTotal = sum;
}

std::string cellText(const ScoreCell& c) {
    return c ? std::to_string(*c) : std::string();
}

void SheetPair::ExchangeSheets() {
    if (!stored) stored = PlayerSheet{};
    std::swap(shown, *stored);
    OtherPlayerTotal = valueOf(stored->GrandTotal);
}

void SheetPair::ExchangeFreeSheets() {
    if (!storedFree) storedFree = PlayerSheet{};
    PlayerSheet& other = *storedFree;
    std::swap(shown.cells[2], other.cells[2]);
    std::swap(shown.totals[2], other.totals[2]);
    std::swap(shown.GrandTotal, other.GrandTotal);
    std::swap(shown.PlacedCount, other.PlacedCount);
    std::swap(shown.FreeUpperCount, other.FreeUpperCount);
    std::swap(shown.BonusAwarded, other.BonusAwarded);
    OtherPlayerTotal = valueOf(other.GrandTotal);
}

void SheetPair::resetStored() {
    stored.reset();
    storedFree.reset();
    OtherPlayerTotal = 0;
}

} // namespace rollwell
