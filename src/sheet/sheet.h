#pragma once

#include "sheet/scorerow.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace rollwell {

// A cell or total: empty, or a score. 0 is a filled cell.
using ScoreCell = std::optional<int32_t>;

inline constexpr int32_t kUpperBonusThreshold = 63;
inline constexpr int32_t kUpperBonus = 35;
inline constexpr int kYambCells = 52;
inline constexpr int kYahtzeeCells = 13;

struct ColumnTotals {
    ScoreCell UpperSubTotal; // upper cells plus the bonus once awarded
    ScoreCell MaxMinProduct; // (Max - Min) x Ones, written once
    ScoreCell ColumnTotal;   // sub total + product + lower cells; Max and Min never count

    bool operator==(const ColumnTotals&) const = default;
};

// One player's sheet: 13 rows by 4 columns, the totals and the counters the
// column rules need. Columns are numbered 1..4, rows 0..12.
struct PlayerSheet {
    std::array<std::array<ScoreCell, kRowCount>, kColumnCount> cells{};
    std::array<ColumnTotals, kColumnCount> totals{};
    ScoreCell GrandTotal;
    int32_t PlacedCount = 0;
    int32_t NextDownRow = 0; // 13 when Down is full
    int32_t NextUpRow = 12;  // -1 when Up is full
    int32_t FreeUpperCount = 0;
    int32_t AnnounceUpperCount = 0;
    std::array<bool, kColumnCount> BonusAwarded{};

    bool operator==(const PlayerSheet&) const = default;

    ScoreCell& cell(int column, int row) { return cells.at(column - 1).at(row); }
    const ScoreCell& cell(int column, int row) const { return cells.at(column - 1).at(row); }
    ColumnTotals& columnTotals(int column) { return totals.at(column - 1); }
    const ColumnTotals& columnTotals(int column) const { return totals.at(column - 1); }
    bool isEmpty(int column, int row) const { return !cell(column, row).has_value(); }

    // Fills one empty cell and brings the column's totals and bonus up to date.
    // The grand total is left to RecomputeGrandTotal.
    void RecordScore(int column, int row, int32_t value);
    void RecomputeGrandTotal();
    // Empties a filled cell and takes its value off the totals; false when empty.
    bool TakeBack(int column, int row);

    // Cells a full sheet holds in a game of that many columns.
    static int capacity(int numberOfColumns) {
        return numberOfColumns == 1 ? kYahtzeeCells : kYambCells;
    }
};

// A total counts as 0 while it is empty.
inline int32_t valueOf(const ScoreCell& c) {
    return c.value_or(0);
}

// The text a cell or total shows: nothing while empty, plain decimal otherwise.
std::string cellText(const ScoreCell& c);

// The sheet shown and the other player's sheet, stored off screen in a
// two-player game. The stored sheets are created empty at the first exchange.
struct SheetPair {
    PlayerSheet shown;
    std::optional<PlayerSheet> stored;     // Yamb
    std::optional<PlayerSheet> storedFree; // Yahtzee, its own stored sheet
    int32_t OtherPlayerTotal = 0;

    void ExchangeSheets();
    void ExchangeFreeSheets();
    // Forget the stored sheets; the next exchange creates them afresh.
    void resetStored();
};

} // namespace rollwell
