#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace rollwell {

// The 13 rows of a score sheet column; the value is the row index used by
// every per-row control (cells, cell buttons, hint labels, row captions).
enum class ScoreRow : int {
    Ones = 0,
    Twos,
    Threes,
    Fours,
    Fives,
    Sixes,
    Max,
    Min,
    ThreeOfAKind,
    FullHouse,
    Straight,
    FourOfAKind,
    Rollwell,
};

inline constexpr int kRowCount = 13;
inline constexpr int kColumnCount = 4;

// Columns are numbered 1..4 from left to right.
enum class ScoreColumn : int { Down = 1, Up = 2, Free = 3, Announce = 4 };

inline constexpr std::array<std::string_view, kRowCount> kRowCaptions = {
    "Ones", "Twos",        "Threes",     "Fours",    "Fives",       "Sixes",   "Max",
    "Min",  "3 of a Kind", "Full House", "Straight", "4 of a Kind", "Rollwell"};

// The captions of the total lines end with one blank, as the board shows them.
inline constexpr std::string_view kSubTotalCaption = "Sub Total ";
inline constexpr std::string_view kProductCaption = "(Max-Min)xOnes";
inline constexpr std::string_view kColumnTotalCaption = "Column Total ";
inline constexpr std::string_view kGrandTotalCaption = "Grand Total ";

constexpr bool IsUpperRow(int row) {
    return row >= 0 && row <= 5;
}
constexpr bool IsLowerRow(int row) {
    return row >= 8 && row <= 12;
}
constexpr int RowIndex(ScoreRow row) {
    return static_cast<int>(row);
}

} // namespace rollwell
