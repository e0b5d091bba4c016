#include "sheet/sheet.h"

#include <gtest/gtest.h>

#include <vector>

namespace rollwell {
namespace {

using Cells = std::vector<std::pair<int, int32_t>>; // row, value, in order of placing

PlayerSheet fill(int column, const Cells& cells) {
    PlayerSheet s;
    for (auto [row, value] : cells) {
        s.RecordScore(column, row, value);
        s.RecomputeGrandTotal();
    }
    return s;
}

TEST(Sheet, UpperBonusNeedsSixtyThree) {
    struct Case {
        int column;
        Cells cells;
        int32_t subTotal;
        bool bonus;
    };
    const std::vector<Case> cases = {
        // 3+6+9+12+15+18 = 63 exactly in Down order.
        {1, {{0, 3}, {1, 6}, {2, 9}, {3, 12}, {4, 15}, {5, 18}}, 98, true},
        {1, {{0, 2}, {1, 6}, {2, 9}, {3, 12}, {4, 15}, {5, 18}}, 62, false},
        // Up: the bonus comes with Ones, the last upper cell.
        {2, {{5, 18}, {4, 15}, {3, 12}, {2, 9}, {1, 6}, {0, 3}}, 98, true},
        {2, {{5, 18}, {4, 15}, {3, 12}, {2, 9}, {1, 6}, {0, 2}}, 62, false},
        // Free and Announce: on the sixth upper cell, whatever order.
        {3, {{5, 18}, {4, 15}, {3, 12}, {2, 9}, {1, 6}, {0, 3}}, 98, true},
        {4, {{2, 9}, {0, 3}, {5, 18}, {1, 6}, {4, 15}, {3, 12}}, 98, true},
        {4, {{2, 9}, {0, 3}, {5, 18}, {1, 6}, {4, 15}, {3, 11}}, 62, false},
    };
    for (const Case& c : cases) {
        const PlayerSheet s = fill(c.column, c.cells);
        EXPECT_EQ(s.columnTotals(c.column).UpperSubTotal, c.subTotal) << "column " << c.column;
        EXPECT_EQ(s.BonusAwarded[c.column - 1], c.bonus) << "column " << c.column;
        EXPECT_EQ(s.GrandTotal, c.subTotal);
    }
}

TEST(Sheet, BonusWaitsForTheLastUpperCellOfTheColumn) {
    // Down reaches 63 with Ones to Fives but earns the bonus only at Sixes, even a 0.
    PlayerSheet down = fill(1, {{0, 5}, {1, 10}, {2, 15}, {3, 20}, {4, 25}});
    EXPECT_FALSE(down.BonusAwarded[0]);
    EXPECT_EQ(down.columnTotals(1).UpperSubTotal, 75);
    down.RecordScore(1, 5, 0);
    EXPECT_TRUE(down.BonusAwarded[0]);
    EXPECT_EQ(down.columnTotals(1).UpperSubTotal, 110);

    // Free: Sixes to Twos already pass 63; the bonus comes with the sixth cell.
    PlayerSheet free = fill(3, {{5, 30}, {4, 25}, {3, 20}, {2, 15}, {1, 10}});
    EXPECT_FALSE(free.BonusAwarded[2]);
    free.RecordScore(3, 0, 1);
    EXPECT_TRUE(free.BonusAwarded[2]);
    EXPECT_EQ(free.FreeUpperCount, 6);
    EXPECT_EQ(free.columnTotals(3).ColumnTotal, 136);
}

TEST(Sheet, MaxMinProductWrittenOnceWithItsSign) {
    struct Case {
        int column;
        Cells cells;
        ScoreCell product;
        int32_t columnTotal;
    };
    const std::vector<Case> cases = {
        {1, {{0, 3}, {6, 12}}, std::nullopt, 3},   // Min still empty
        {1, {{0, 3}, {6, 12}, {7, 20}}, -24, -21}, // Max below Min
        {1, {{0, 0}, {6, 30}, {7, 5}}, 0, 0},      // Ones 0: product 0
        {2, {{7, 10}, {6, 25}, {0, 2}}, 30, 32},   // Up writes it at Ones
        {3, {{6, 28}, {0, 4}, {7, 8}}, 80, 84},    // Free: whichever comes last
        {4, {{7, 8}, {6, 28}, {0, 4}, {9, 39}}, 80, 123},
    };
    for (const Case& c : cases) {
        const PlayerSheet s = fill(c.column, c.cells);
        EXPECT_EQ(s.columnTotals(c.column).MaxMinProduct, c.product) << "column " << c.column;
        EXPECT_EQ(s.columnTotals(c.column).ColumnTotal, c.columnTotal) << "column " << c.column;
        EXPECT_EQ(s.GrandTotal, c.columnTotal);
    }
}

TEST(Sheet, MaxAndMinAloneLeaveTotalsEmpty) {
    const PlayerSheet s = fill(3, {{6, 30}, {7, 5}});
    EXPECT_FALSE(s.columnTotals(3).ColumnTotal.has_value());
    EXPECT_FALSE(s.columnTotals(3).UpperSubTotal.has_value());
    EXPECT_EQ(s.GrandTotal, 0);
    EXPECT_EQ(cellText(s.columnTotals(3).ColumnTotal), "");
    EXPECT_EQ(cellText(s.cell(3, 6)), "30");
}

TEST(Sheet, ZeroIsAFilledCell) {
    PlayerSheet s;
    s.RecordScore(3, 9, 0);
    EXPECT_FALSE(s.isEmpty(3, 9));
    EXPECT_EQ(cellText(s.cell(3, 9)), "0");
    EXPECT_EQ(s.columnTotals(3).ColumnTotal, 0);
    EXPECT_THROW(s.RecordScore(3, 9, 5), std::logic_error);
}

TEST(Sheet, YahtzeeGrandTotalIsTheFreeColumnTotal) {
    PlayerSheet s = fill(3, {{5, 24}, {8, 27}, {12, 100}, {0, 3}, {6, 28}, {7, 7}});
    EXPECT_EQ(s.GrandTotal, s.columnTotals(3).ColumnTotal);
    EXPECT_EQ(s.GrandTotal, 24 + 27 + 100 + 3 + 21 * 3);
}

TEST(Sheet, ExchangeKeepsEachPlayersSheet) {
    SheetPair pair;
    pair.shown = fill(1, {{0, 0}, {1, 4}});
    pair.shown.RecordScore(4, 12, 0);
    pair.shown.PlacedCount = 3;
    pair.shown.NextDownRow = 2;
    pair.shown.RecomputeGrandTotal();
    const PlayerSheet first = pair.shown;

    pair.ExchangeSheets();
    EXPECT_EQ(pair.shown, PlayerSheet{}); // player 2 starts with a new sheet
    EXPECT_EQ(pair.OtherPlayerTotal, 4);
    pair.shown.RecordScore(3, 2, 9);
    pair.shown.RecomputeGrandTotal();
    pair.shown.PlacedCount = 1;
    const PlayerSheet second = pair.shown;

    pair.ExchangeSheets();
    EXPECT_EQ(pair.shown, first);
    EXPECT_EQ(pair.shown.cell(1, 0), 0);
    EXPECT_FALSE(pair.shown.cell(1, 2).has_value());
    EXPECT_EQ(pair.OtherPlayerTotal, 9);
    pair.ExchangeSheets();
    EXPECT_EQ(pair.shown, second);
}

TEST(Sheet, FreeExchangeSwapsTheSingleColumn) {
    SheetPair pair;
    pair.shown = fill(3, {{0, 0}, {8, 20}});
    pair.shown.PlacedCount = 2;
    pair.shown.FreeUpperCount = 1;
    const PlayerSheet first = pair.shown;
    pair.ExchangeFreeSheets();
    EXPECT_FALSE(pair.shown.cell(3, 0).has_value());
    EXPECT_FALSE(pair.shown.GrandTotal.has_value());
    EXPECT_EQ(pair.shown.PlacedCount, 0);
    EXPECT_EQ(pair.OtherPlayerTotal, 20);
    pair.ExchangeFreeSheets();
    EXPECT_EQ(pair.shown, first);
    EXPECT_EQ(pair.OtherPlayerTotal, 0); // the empty grand total moved off counts as 0
}

} // namespace
} // namespace rollwell
