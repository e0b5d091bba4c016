#include "sheet/scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

namespace rollwell {
namespace {

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
int32_t definitionOfFive(ScoreRow row, std::array<int32_t, 5> d) {
    std::sort(d.begin(), d.end());
    std::array<int, 7> counts{};
    int32_t sum = 0;
    for (int32_t v : d) {
        ++counts[v];
        sum += v;
    }
    const int most = *std::max_element(counts.begin(), counts.end());
    const int faces =
        static_cast<int>(std::count_if(counts.begin(), counts.end(), [](int n) { return n > 0; }));
    const int r = RowIndex(row);
    switch (row) {
    case ScoreRow::Max:
    case ScoreRow::Min:
        return sum;
    case ScoreRow::ThreeOfAKind:
        return most >= 3 ? sum + 10 : 0;
    case ScoreRow::FullHouse:
        return faces == 2 && most == 3 ? sum + 20 : 0;
    case ScoreRow::Straight:
        return d == std::array<int32_t, 5>{2, 3, 4, 5, 6}   ? 60
               : d == std::array<int32_t, 5>{1, 2, 3, 4, 5} ? 50
                                                            : 0;
    case ScoreRow::FourOfAKind:
        return most >= 4 ? sum + 30 : 0;
    case ScoreRow::Rollwell:
        return most == 5 ? 100 : 0;
    default:
        return (r + 1) * counts[r + 1];
    }
}

// Six dice: the best five for every row, except Min, which takes the five lowest.
int32_t definitionOfSix(ScoreRow row, const std::array<int32_t, 6>& d) {
    std::vector<int32_t> values;
    for (int skip = 0; skip < 6; ++skip) {
        std::array<int32_t, 5> five{};
        for (int i = 0, k = 0; i < 6; ++i) {
            if (i != skip) five[k++] = d[i];
        }
        values.push_back(definitionOfFive(row, five));
    }
    return row == ScoreRow::Min ? *std::min_element(values.begin(), values.end())
                                : *std::max_element(values.begin(), values.end());
}

// Every roll of N dice, in any order, in every row: the step-by-step scorer
// gives the row's definition.
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
