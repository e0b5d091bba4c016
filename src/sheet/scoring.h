#pragma once

#include "sheet/scorerow.h"

#include <cstdint>
#include <span>

namespace rollwell {

// Row bonuses and fixed values.
inline constexpr int32_t kThreeOfAKindBonus = 10;
inline constexpr int32_t kFullHouseBonus = 20;
inline constexpr int32_t kFourOfAKindBonus = 30;
inline constexpr int32_t kSmallStraight = 50;
inline constexpr int32_t kLargeStraight = 60;
inline constexpr int32_t kFiveOfAKind = 100;

// Sorts five or six dice ascending in place; equal values are never swapped.
void SortDice(std::span<int32_t> dice);

// The scorers work on dice already sorted ascending (five or six of them).
// With six dice the sixth is a bonus die: every row takes the best five.
int32_t ScoreUpperRow(int32_t face, std::span<const int32_t> sorted);
int32_t ScoreMax(std::span<const int32_t> sorted);
int32_t ScoreMin(std::span<const int32_t> sorted);
int32_t ScoreThreeOfAKind(std::span<const int32_t> sorted);
int32_t ScoreFullHouse(std::span<const int32_t> sorted);
int32_t ScoreStraight(std::span<const int32_t> sorted);
int32_t ScoreFourOfAKind(std::span<const int32_t> sorted);
int32_t ScoreRollwell(std::span<const int32_t> sorted);

// The value of five or six dice (any order, faces 1..6) in a row. The caller's
// dice are left untouched. Any other count or face throws std::invalid_argument.
int32_t ScoreForRow(ScoreRow row, std::span<const int32_t> dice);

// The same for dice already sorted ascending and known to be valid.
int32_t ScoreSortedForRow(ScoreRow row, std::span<const int32_t> sorted);

} // namespace rollwell
