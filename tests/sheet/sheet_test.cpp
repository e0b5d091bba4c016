#include "sheet/scoring.h"
#include "sheet/sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

namespace rollwell {
namespace {

using Cells = std::vector<std::pair<int, int32_t>>; // row, value, in order of placing

PlayerSheet fill(int column, const Cells& cells, PlayerSheet s = {}) {
    for (auto [row, value] : cells) {
        s.RecordScore(column, row, value);
        s.PlacedCount += 1;
        s.RecomputeGrandTotal();
    }
    return s;
}

// The bonus comes with the last upper cell of the column's order, and only at 63.
// (Totals, products and bonuses in random games are checked by the soak; these
// are the edges of the orders of filling.)
TEST(Sheet, UpperBonus) {
    struct Case {
        int column;
        Cells cells;
        int32_t subTotal;
        bool bonus;
    };
    const std::vector<Case> cases = {
        // 3+6+9+12+15+18 = 63 exactly in Down order.
        {1, {{0, 3}, {1, 6}, {2, 9}, {3, 12}, {4, 15}, {5, 18}}, 98, true},
        {1, {{0, 5}, {1, 10}, {2, 15}, {3, 20}, {4, 25}, {5, 0}}, 110, true},
        // Up: the bonus comes with Ones, the last upper cell.
        {2, {{5, 18}, {4, 15}, {3, 12}, {2, 9}, {1, 6}, {0, 3}}, 98, true},
        {2, {{5, 18}, {4, 15}, {3, 12}, {2, 9}, {1, 6}, {0, 2}}, 62, false},
        // Free and Announce: on the sixth upper cell, whatever order.
        {3, {{5, 18}, {4, 15}, {3, 12}, {2, 9}, {1, 6}, {0, 3}}, 98, true},
        {4, {{2, 9}, {0, 3}, {5, 18}, {1, 6}, {4, 15}, {3, 12}}, 98, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "column " << c.column << ", " << c.cells.size());
        const PlayerSheet s = fill(c.column, c.cells);
        EXPECT_EQ(s.columnTotals(c.column).UpperSubTotal, c.subTotal);
        EXPECT_EQ(s.BonusAwarded[c.column - 1], c.bonus);
        EXPECT_EQ(s.GrandTotal, c.subTotal);
        EXPECT_EQ(s.FreeUpperCount, c.column == 3 ? static_cast<int>(c.cells.size()) : 0);
    }
    // A 0 fills its cell and makes a total; a filled cell takes no second score.
    PlayerSheet s = fill(3, {{9, 0}});
    EXPECT_EQ(s.columnTotals(3).ColumnTotal, 0);
    EXPECT_THROW(s.RecordScore(3, 9, 5), std::logic_error);
}

TEST(Scoring, RejectsBadDice) {
    using Dice = std::vector<int32_t>;
    for (const Dice& dice : {Dice{}, Dice{1, 2, 3, 4}, Dice{1, 2, 3, 4, 5, 6, 1},
                             Dice{0, 1, 2, 3, 4}, Dice{1, 2, 3, 4, 7}, Dice{-1, 1, 1, 1, 1, 1}})
        EXPECT_THROW(ScoreForRow(ScoreRow::Ones, dice), std::invalid_argument)
            << ::testing::PrintToString(dice);
    EXPECT_THROW(ScoreForRow(static_cast<ScoreRow>(13), Dice{1, 2, 3, 4, 5}),
                 std::invalid_argument);
}

// The row's definition on exactly five dice.
int32_t definitionOfFive(ScoreRow row, std::array<int32_t, 5> d) {
    std::sort(d.begin(), d.end());
    std::array<int32_t, 7> counts{};
    for (int32_t v : d)
        ++counts[static_cast<size_t>(v)];
    const int32_t sum = d[0] + d[1] + d[2] + d[3] + d[4];
    const int32_t most = *std::max_element(counts.begin(), counts.end());
    const auto faces = std::count_if(counts.begin(), counts.end(), [](int32_t n) { return n > 0; });
    const int r = RowIndex(row);
    if (r < 6) return (r + 1) * counts[static_cast<size_t>(r + 1)];
    if (row == ScoreRow::Max || row == ScoreRow::Min) return sum;
    if (row == ScoreRow::ThreeOfAKind) return most >= 3 ? sum + 10 : 0;
    if (row == ScoreRow::FullHouse) return faces == 2 && most == 3 ? sum + 20 : 0;
    if (row == ScoreRow::Straight)
        return faces == 5 && d[4] - d[0] == 4 ? (d[0] == 2 ? 60 : 50) : 0;
    if (row == ScoreRow::FourOfAKind) return most >= 4 ? sum + 30 : 0;
    return most == 5 ? 100 : 0; // Rollwell
}

// Six dice: the best five for every row, except Min, which takes the five lowest.
int32_t definition(ScoreRow row, const std::vector<int32_t>& d) {
    if (d.size() == 5) return definitionOfFive(row, {d[0], d[1], d[2], d[3], d[4]});
    std::vector<int32_t> values;
    for (size_t skip = 0; skip < 6; ++skip) {
        std::vector<int32_t> five = d;
        five.erase(five.begin() + static_cast<std::ptrdiff_t>(skip));
        values.push_back(definition(row, five));
    }
    return row == ScoreRow::Min ? *std::min_element(values.begin(), values.end())
                                : *std::max_element(values.begin(), values.end());
}

// Every roll of five and of six dice, in any order, in every row: the
// step-by-step scorer gives the row's definition.
TEST(Scoring, EveryRollMatchesTheDefinition) {
    for (const int n : {5, 6}) {
        std::vector<int32_t> d(static_cast<size_t>(n));
        for (int code = 0; code < (n == 5 ? 7776 : 46656); ++code) {
            for (int i = 0, c = code; i < n; ++i, c /= 6)
                d[static_cast<size_t>(i)] = c % 6 + 1;
            for (int r = 0; r < kRowCount; ++r) {
                const auto row = static_cast<ScoreRow>(r);
                ASSERT_EQ(ScoreForRow(row, d), definition(row, d))
                    << "row " << r << " dice " << ::testing::PrintToString(d);
            }
        }
    }
}

} // namespace
} // namespace rollwell
