#include "sheet/scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <vector>

namespace rollwell {
namespace {

struct Worked {
    std::vector<int32_t> dice;
    ScoreRow row;
    int32_t value;
};

TEST(Scoring, WorkedValues) {
    const std::vector<Worked> cases = {
        {{1, 3, 3, 3, 6}, ScoreRow::Threes, 9},
        {{3, 3, 3, 3, 3, 3}, ScoreRow::Threes, 15},
        {{1, 2, 4, 6, 6, 6}, ScoreRow::Max, 24},
        {{1, 2, 4, 6, 6, 6}, ScoreRow::Min, 19},
        {{2, 2, 2, 5, 6}, ScoreRow::ThreeOfAKind, 27},
        {{1, 1, 1, 5, 6, 6}, ScoreRow::ThreeOfAKind, 25},
        {{2, 2, 5, 5, 5}, ScoreRow::FullHouse, 39},
        {{2, 2, 2, 5, 5, 5}, ScoreRow::FullHouse, 39},
        {{4, 4, 4, 4, 4}, ScoreRow::FullHouse, 0},
        {{1, 2, 3, 4, 5, 6}, ScoreRow::Straight, 60},
        {{1, 1, 2, 3, 4, 5}, ScoreRow::Straight, 50},
        {{1, 2, 3, 4, 6, 6}, ScoreRow::Straight, 0},
        {{3, 3, 3, 3, 5}, ScoreRow::FourOfAKind, 47},
        {{2, 2, 2, 2, 2, 5}, ScoreRow::FourOfAKind, 43},
        {{6, 6, 6, 6, 6}, ScoreRow::Rollwell, 100},
        {{1, 6, 6, 6, 6, 6}, ScoreRow::Rollwell, 100},
        // Six equal dice: five times the face, never six.
        {{4, 4, 4, 4, 4, 4}, ScoreRow::Fours, 20},
        {{4, 4, 4, 4, 4, 4}, ScoreRow::ThreeOfAKind, 30},
        {{4, 4, 4, 4, 4, 4}, ScoreRow::FourOfAKind, 50},
        {{4, 4, 4, 4, 4, 4}, ScoreRow::FullHouse, 0},
        {{4, 4, 4, 4, 4, 4}, ScoreRow::Rollwell, 100},
        // Max and Min never fall below 5; an absent face scores 0.
        {{1, 1, 1, 1, 1}, ScoreRow::Max, 5},
        {{6, 5, 4, 2, 2}, ScoreRow::Threes, 0},
        // Dice in any order.
        {{6, 4, 5, 3, 2}, ScoreRow::Straight, 60},
        {{5, 3, 1, 2, 4}, ScoreRow::Straight, 50},
    };
    for (const Worked& c : cases) {
        EXPECT_EQ(ScoreForRow(c.row, c.dice), c.value)
            << "row " << RowIndex(c.row) << " dice " << ::testing::PrintToString(c.dice);
    }
}

TEST(Scoring, LeavesTheCallersDiceAlone) {
    const std::vector<int32_t> dice = {6, 1, 5, 2, 4, 3};
    const std::vector<int32_t> before = dice;
    for (int r = 0; r < kRowCount; ++r)
        ScoreForRow(static_cast<ScoreRow>(r), dice);
    EXPECT_EQ(dice, before);
}

TEST(Scoring, RejectsBadDice) {
    const std::vector<std::vector<int32_t>> bad = {{},
                                                   {1, 2, 3, 4},
                                                   {1, 2, 3, 4, 5, 6, 1},
                                                   {0, 1, 2, 3, 4},
                                                   {1, 2, 3, 4, 7},
                                                   {-1, 1, 1, 1, 1, 1}};
    for (const auto& dice : bad) {
        EXPECT_THROW(ScoreForRow(ScoreRow::Ones, dice), std::invalid_argument)
            << ::testing::PrintToString(dice);
    }
    EXPECT_THROW(ScoreForRow(static_cast<ScoreRow>(13), std::vector<int32_t>{1, 2, 3, 4, 5}),
                 std::invalid_argument);
}

// The row's definition on exactly five dice.
int32_t definitionOfFive(ScoreRow row, const std::array<int32_t, 5>& d) {
    std::map<int32_t, int> counts;
    int32_t sum = 0;
    for (int32_t v : d) {
        ++counts[v];
        sum += v;
    }
    int most = 0;
    for (auto [face, n] : counts)
        most = std::max(most, n);
    const int r = RowIndex(row);
    if (r <= 5) return (r + 1) * (counts.count(r + 1) ? counts[r + 1] : 0);
    switch (row) {
    case ScoreRow::Max:
    case ScoreRow::Min:
        return sum;
    case ScoreRow::ThreeOfAKind:
        return most >= 3 ? sum + 10 : 0;
    case ScoreRow::FullHouse:
        return counts.size() == 2 && most == 3 ? sum + 20 : 0;
    case ScoreRow::Straight: {
        std::array<int32_t, 5> s = d;
        std::sort(s.begin(), s.end());
        if (s == std::array<int32_t, 5>{2, 3, 4, 5, 6}) return 60;
        if (s == std::array<int32_t, 5>{1, 2, 3, 4, 5}) return 50;
        return 0;
    }
    case ScoreRow::FourOfAKind:
        return most >= 4 ? sum + 30 : 0;
    default:
        return most == 5 ? 100 : 0;
    }
}

// Six dice: the best five for every row, except Min, which takes the five lowest.
int32_t definitionOfSix(ScoreRow row, const std::array<int32_t, 6>& d) {
    int32_t best = 0;
    int32_t lowest = 0;
    bool first = true;
    for (int skip = 0; skip < 6; ++skip) {
        std::array<int32_t, 5> five{};
        int k = 0;
        for (int i = 0; i < 6; ++i) {
            if (i != skip) five[k++] = d[i];
        }
        const int32_t v = definitionOfFive(row, five);
        best = std::max(best, v);
        lowest = first ? v : std::min(lowest, v);
        first = false;
    }
    return row == ScoreRow::Min ? lowest : best;
}

// Every roll of N dice in every row: the step-by-step scorer gives the row's
// definition.
template <size_t N, typename Definition> void expectEveryRoll(Definition definition) {
    std::array<int32_t, N> d{};
    int rolls = 1;
    for (size_t i = 0; i < N; ++i)
        rolls *= 6;
    for (int code = 0; code < rolls; ++code) {
        int c = code;
        for (int32_t& v : d) {
            v = c % 6 + 1;
            c /= 6;
        }
        for (int r = 0; r < kRowCount; ++r) {
            const auto row = static_cast<ScoreRow>(r);
            ASSERT_EQ(ScoreForRow(row, d), definition(row, d))
                << "row " << r << " dice " << ::testing::PrintToString(d);
        }
    }
}

TEST(Scoring, EveryFiveDiceRollMatchesTheDefinition) {
    expectEveryRoll<5>(definitionOfFive);
}

TEST(Scoring, EverySixDiceRollMatchesTheBestFive) {
    expectEveryRoll<6>(definitionOfSix);
}

} // namespace
} // namespace rollwell
