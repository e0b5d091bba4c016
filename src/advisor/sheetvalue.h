#pragma once

#include "advisor/turn.h"
#include "sheet/sheet.h"

#include <array>
#include <vector>

namespace rollwell::advice {

// What a cell of a column usually receives over a game played by the advisor:
// its mean score and, for an upper row, how often it ends with 0..5 dice of
// its face. Made by self-play (tools/advisor_tables.cpp) and kept as data.
struct CellStats {
    float mean = 0;
    std::array<float, 6> counts{};
};

// Stats per column (1..4 as index 0..3) and row, for one kind of game.
using KindStats = std::array<std::array<CellStats, kRowCount>, kColumnCount>;

// The stats shipped with the program: Yamb with five and six dice, and the
// Yahtzee column with five and six dice.
const KindStats& ShippedStats(int columns, int dice);
// Puts other stats in their place: for the program that makes them.
void ReplaceStats(int columns, int dice, const KindStats& stats);

// An estimate of the points a sheet still brings, column by column: the usual
// worth of every open cell, the chance of the upper bonus given what the open
// upper cells usually bring, and the expected (Max - Min) x Ones product.
class SheetValue {
  public:
    // `planning` false values open cells at their usual worth only, without
    // the bonus or the product: the coarse valuation of a weaker player.
    SheetValue(const KindStats& stats, int dice, bool planning)
        : stats_(stats), dice_(dice), planning_(planning) {}

    // The future value of one column of the sheet.
    double column(const PlayerSheet& sheet, int column) const;
    // The worth of every score in a cell: the points written now with the
    // totals they complete, plus the column's future value afterwards, plus
    // `rest` (the future value of the other columns).
    void fill(const PlayerSheet& sheet, int column, int row, double rest, CellChoice& out) const;

  private:
    double bonusChance(const PlayerSheet& sheet, int column, int skipRow, int need) const;
    // The column's future without the bonus: open cells and the product.
    double cellsAndProduct(const PlayerSheet& sheet, int column) const;
    double bonusTerm(const PlayerSheet& sheet, int column) const;

    const KindStats& stats_;
    int dice_;
    bool planning_;
};

} // namespace rollwell::advice
