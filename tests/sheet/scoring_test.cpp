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
