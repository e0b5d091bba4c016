#include "sheet/scoring.h"

#include <array>
#include <stdexcept>
#include <string>

namespace rollwell {
namespace {

bool sixDice(std::span<const int32_t> d) {
    return d.size() == 6;
}

int32_t sumFirstFive(std::span<const int32_t> d) {
    return d[0] + d[1] + d[2] + d[3] + d[4];
}

void validate(std::span<const int32_t> dice) {
    if (dice.size() != 5 && dice.size() != 6) {
        throw std::invalid_argument("expected five or six dice, got " +
                                    std::to_string(dice.size()));
    }
    for (int32_t v : dice) {
        if (v < 1 || v > 6) {
            throw std::invalid_argument("die value out of range 1..6: " + std::to_string(v));
        }
    }
}

} // namespace

void SortDice(std::span<int32_t> dice) {
    const size_t n = dice.size() - 1;
    for (size_t pass = 1; pass <= n; ++pass) {
        for (size_t j = 0; j + pass <= n; ++j) {
            if (dice[j] > dice[j + 1]) std::swap(dice[j], dice[j + 1]);
        }
    }
}

int32_t ScoreUpperRow(int32_t face, std::span<const int32_t> d) {
    int32_t value = 0;
    for (size_t i = 0; i < 5; ++i) {
        if (d[i] == face) value += d[i];
    }
    // Six dice all showing the face still count five times.
    if (sixDice(d) && d[5] == face && d[0] != face) value += d[5];
    return value;
}

int32_t ScoreMax(std::span<const int32_t> d) {
    return sixDice(d) ? d[1] + d[2] + d[3] + d[4] + d[5] : sumFirstFive(d);
}

int32_t ScoreMin(std::span<const int32_t> d) {
    return sumFirstFive(d);
}

int32_t ScoreThreeOfAKind(std::span<const int32_t> d) {
    const bool six = sixDice(d);
    int32_t value = 0;
    if (d[0] == d[1] && d[1] == d[2]) {
        value = sumFirstFive(d) + kThreeOfAKindBonus;
        if (six) value = value - d[3] + d[5];
    } else if ((d[1] == d[2] && d[2] == d[3]) || (d[2] == d[3] && d[3] == d[4])) {
        value = sumFirstFive(d) + kThreeOfAKindBonus;
        if (six) value = value - d[0] + d[5];
    }
    if (six && d[3] == d[4] && d[4] == d[5]) {
        value = d[1] + d[2] + d[3] + d[4] + d[5] + kThreeOfAKindBonus;
    }
    return value;
}

int32_t ScoreFullHouse(std::span<const int32_t> d) {
    const bool six = sixDice(d);
    if (d[0] == d[1] && d[1] == d[2] && d[3] == d[4] && d[2] != d[3]) {
        int32_t value = sumFirstFive(d) + kFullHouseBonus;
        if (six && d[5] == d[4]) value = value - d[1] + d[5];
        return value;
    }
    if (d[0] == d[1] && d[2] == d[3] && d[3] == d[4] && d[1] != d[2]) {
        return sumFirstFive(d) + kFullHouseBonus;
    }
    if (!six) return 0;
    if (d[0] == d[1] && d[1] == d[2] && d[4] == d[5] && d[1] != d[4]) {
        return d[0] + d[1] + d[2] + d[4] + d[5] + kFullHouseBonus;
    }
    if (d[0] == d[1] && d[3] == d[4] && d[4] == d[5] && d[1] != d[4]) {
        return d[0] + d[1] + d[3] + d[4] + d[5] + kFullHouseBonus;
    }
    if (d[1] == d[2] && d[3] == d[4] && d[4] == d[5] && d[1] != d[4]) {
        return d[1] + d[2] + d[3] + d[4] + d[5] + kFullHouseBonus;
    }
    if (d[1] == d[2] && d[2] == d[3] && d[4] == d[5] && d[1] != d[4]) {
        return d[1] + d[2] + d[3] + d[4] + d[5] + kFullHouseBonus;
    }
    return 0;
}

int32_t ScoreStraight(std::span<const int32_t> dice) {
    const bool six = sixDice(dice);
    std::array<int32_t, 6> d{};
    for (size_t i = 0; i < dice.size(); ++i)
        d[i] = dice[i];
    const bool runOfFive =
        d[1] == d[0] + 1 && d[2] == d[1] + 1 && d[3] == d[2] + 1 && d[4] == d[3] + 1;
    if (runOfFive) {
        if (d[4] == 6) return kLargeStraight;
        return six && d[5] == 6 ? kLargeStraight : kSmallStraight;
    }
    if (!six) return 0;
    for (size_t i = 0; i < 5; ++i) {
        if (d[i] == d[i + 1]) d[i] = 0;
    }
    SortDice(d);
    if (d[1] == 0) return 0;
    const bool runFromSecond =
        d[2] == d[1] + 1 && d[3] == d[2] + 1 && d[4] == d[3] + 1 && d[5] == d[4] + 1;
    if (!runFromSecond) return 0;
    return d[4] == 6 || d[5] == 6 ? kLargeStraight : kSmallStraight;
}

int32_t ScoreFourOfAKind(std::span<const int32_t> d) {
    const bool six = sixDice(d);
    if (d[0] == d[1] && d[1] == d[2] && d[2] == d[3]) {
        int32_t value = sumFirstFive(d) + kFourOfAKindBonus;
        return six ? value - d[4] + d[5] : value;
    }
    if (d[1] == d[2] && d[2] == d[3] && d[3] == d[4]) {
        int32_t value = sumFirstFive(d) + kFourOfAKindBonus;
        return six ? value - d[0] + d[5] : value;
    }
    if (six && d[2] == d[3] && d[3] == d[4] && d[4] == d[5]) {
        return d[1] + d[2] + d[3] + d[4] + d[5] + kFourOfAKindBonus;
    }
    return 0;
}

int32_t ScoreRollwell(std::span<const int32_t> d) {
    const bool firstFive = d[0] == d[1] && d[1] == d[2] && d[2] == d[3] && d[3] == d[4];
    const bool lastFive =
        sixDice(d) && d[1] == d[2] && d[2] == d[3] && d[3] == d[4] && d[4] == d[5];
    return firstFive || lastFive ? kFiveOfAKind : 0;
}

int32_t ScoreSortedForRow(ScoreRow row, std::span<const int32_t> sorted) {
    switch (row) {
    case ScoreRow::Ones:
    case ScoreRow::Twos:
    case ScoreRow::Threes:
    case ScoreRow::Fours:
    case ScoreRow::Fives:
    case ScoreRow::Sixes:
        return ScoreUpperRow(RowIndex(row) + 1, sorted);
    case ScoreRow::Max:
        return ScoreMax(sorted);
    case ScoreRow::Min:
        return ScoreMin(sorted);
    case ScoreRow::ThreeOfAKind:
        return ScoreThreeOfAKind(sorted);
    case ScoreRow::FullHouse:
        return ScoreFullHouse(sorted);
    case ScoreRow::Straight:
        return ScoreStraight(sorted);
    case ScoreRow::FourOfAKind:
        return ScoreFourOfAKind(sorted);
    case ScoreRow::Rollwell:
        return ScoreRollwell(sorted);
    }
    throw std::invalid_argument("no such score row: " + std::to_string(RowIndex(row)));
}

int32_t ScoreForRow(ScoreRow row, std::span<const int32_t> dice) {
    validate(dice);
    std::array<int32_t, 6> copy{};
    std::span<int32_t> sorted(copy.data(), dice.size());
    for (size_t i = 0; i < dice.size(); ++i)
        sorted[i] = dice[i];
    SortDice(sorted);
    return ScoreSortedForRow(row, sorted);
}

} // namespace rollwell
