#include "sheet/sheet.h"

namespace rollwell {

namespace {

// Takes an amount off a total. A total brought to exactly 0 becomes empty
// again (it counts as 0 and shows nothing). A negative total stays: a negative
// (Max - Min) x Ones product can leave a total below 0, and wiping it would
// make the next placement add to 0 instead of to the true total.
void takeOff(ScoreCell& total, int32_t amount) {
    const int32_t left = valueOf(total) - amount;
    if (left == 0) {
        total.reset();
    } else {
        total = left;
    }
}

} // namespace

// The reverse of RecordScore for the latest placement of a column, with the
// grand total adjusted in place: the amount taken off is the cell's own score,
// the product it completed and the bonus it earned.
bool PlayerSheet::TakeBack(int column, int row) {
    if (column < 1 || column > kColumnCount || row < 0 || row >= kRowCount) return false;
    ScoreCell& target = cell(column, row);
    if (!target) return false;
    const int32_t value = *target;
    ColumnTotals& t = columnTotals(column);

    if (IsUpperRow(row)) {
        if (column == 3) --FreeUpperCount;
        if (column == 4) --AnnounceUpperCount;
    }
    target.reset();

    if (row == RowIndex(ScoreRow::Ones)) {
        const int32_t product = valueOf(t.MaxMinProduct);
        takeOff(t.UpperSubTotal, value);
        takeOff(t.ColumnTotal, product + value);
        takeOff(GrandTotal, product + value);
        t.MaxMinProduct.reset();
    } else if (IsUpperRow(row)) {
        takeOff(t.UpperSubTotal, value);
    } else if (t.MaxMinProduct) {
        // Max or Min: the value itself never entered a total, only the product.
        if (row == RowIndex(ScoreRow::Max) || row == RowIndex(ScoreRow::Min)) {
            const int32_t product = *t.MaxMinProduct;
            takeOff(t.ColumnTotal, product);
            takeOff(GrandTotal, product);
            t.MaxMinProduct.reset();
        }
    }

    // Given the orders of filling, a bonus still standing here was earned by
    // this very cell: the sixth upper cell of its column.
    if (IsUpperRow(row) && BonusAwarded[column - 1]) {
        takeOff(t.UpperSubTotal, kUpperBonus);
        takeOff(t.ColumnTotal, kUpperBonus);
        takeOff(GrandTotal, kUpperBonus);
        BonusAwarded[column - 1] = false;
    }

    const bool middleRow = row == RowIndex(ScoreRow::Ones) || row == RowIndex(ScoreRow::Max) ||
                           row == RowIndex(ScoreRow::Min);
    if (!middleRow) {
        takeOff(t.ColumnTotal, value);
        takeOff(GrandTotal, value);
    }
    return true;
}

} // namespace rollwell
