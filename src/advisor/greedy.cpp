#include "advisor/greedy.h"

#include "advisor/sheetvalue.h"

#include "sheet/scoring.h"

#include <algorithm>
#include <functional>
#include <span>
#include <vector>

namespace rollwell {

using namespace advice;

namespace {

using Counts = std::array<int, 6>;

// The face with the most dice, the higher face on a tie, skipping `not`.
int mostCommon(const Counts& c, int skip = -1) {
    int best = -1;
    for (int f = 5; f >= 0; --f) {
        if (f != skip && (best < 0 || c[f] > c[best])) best = f;
    }
    return best;
}

// The dice worth keeping for a row: its face, its pattern, or its high (Max)
// or low (Min) dice.
Counts keepForRow(int row, const Counts& c) {
    Counts keep{};
    if (IsUpperRow(row)) {
        keep[row] = std::min(c[row], 5);
    } else if (row == RowIndex(ScoreRow::Max) || row == RowIndex(ScoreRow::Min)) {
        const bool high = row == RowIndex(ScoreRow::Max);
        for (int f = 0; f < 6; ++f) {
            if (high ? f >= 3 : f <= 2) keep[f] = c[f];
        }
    } else if (row == RowIndex(ScoreRow::Straight)) {
        int low = 0, high = 0;
        for (int f = 0; f < 5; ++f)
            low += c[f] > 0, high += c[f + 1] > 0;
        const int from = high >= low ? 1 : 0;
        for (int f = from; f < from + 5; ++f)
            keep[f] = std::min(c[f], 1);
    } else if (row == RowIndex(ScoreRow::FullHouse)) {
        const int top = mostCommon(c);
        const int second = mostCommon(c, top);
        keep[top] = std::min(c[top], 3);
        keep[second] = std::min(c[second], 2);
    } else {
        const int top = mostCommon(c);
        keep[top] = std::min(c[top], 5);
    }
    return keep;
}

struct Offer {
    std::vector<std::pair<int, int>> cells; // (column, row) that may take the roll now
    std::vector<int> announce;              // Announce rows, when nothing else is left
};

Offer offers(const Position& p) {
    Offer o;
    const PlayerSheet& s = p.sheet;
    if (p.announcedRow >= 0) {
        o.cells.emplace_back(4, p.announcedRow);
        return o;
    }
    if (p.columns == 4 && s.NextDownRow >= 0 && s.NextDownRow < kRowCount)
        o.cells.emplace_back(1, s.NextDownRow);
    if (p.columns == 4 && s.NextUpRow >= 0 && s.NextUpRow < kRowCount)
        o.cells.emplace_back(2, s.NextUpRow);
    for (int r = 0; r < kRowCount; ++r) {
        if (s.isEmpty(3, r)) o.cells.emplace_back(3, r);
    }
    if (o.cells.empty() && p.columns == 4) {
        for (int r = 0; r < kRowCount; ++r) {
            if (s.isEmpty(4, r)) o.announce.push_back(r);
        }
    }
    return o;
}

// Plays a turn for the row that scores most now; `worth` ranks the cells to
// place in by the dice on the table.
Advice playForBestRow(const Position& p,
                      const std::function<double(int column, int row, int32_t points)>& worth) {
    Advice a;
    if (p.rollCount == 0) return a;
    const Offer o = offers(p);
    std::span<const int32_t> dice(p.diceValues.data(), static_cast<size_t>(p.dice));
    Counts c{};
    for (int32_t f : dice)
        ++c[static_cast<size_t>(f - 1)];
    auto points = [&](int row) { return ScoreForRow(static_cast<ScoreRow>(row), dice); };

    if (!o.announce.empty()) {
        // Every open cell is an Announce cell: announce the one worth most now.
        a.action = Action::Announce;
        a.column = 4;
        double best = kForbidden;
        for (int r : o.announce) {
            const double w = worth(4, r, points(r));
            if (w > best) best = w, a.row = r;
        }
        return a;
    }
    if (o.cells.empty()) return a;
    int target = -1;
    int32_t targetPoints = -1;
    for (auto [col, row] : o.cells) {
        if (points(row) > targetPoints) targetPoints = points(row), target = row;
    }
    const Counts keep = keepForRow(target, c);
    const bool keepsAll = keep == c;
    if (p.rollCount < 3 && !keepsAll) {
        Counts left = keep;
        for (int i = 0; i < p.dice; ++i) {
            int& want = left[static_cast<size_t>(p.diceValues[i] - 1)];
            a.hold[i] = want > 0;
            want -= want > 0 ? 1 : 0;
        }
        return a;
    }
    a.action = Action::Place;
    double best = kForbidden;
    for (auto [col, row] : o.cells) {
        const double w = worth(col, row, points(row));
        if (w > best) best = w, a.column = col, a.row = row, a.points = points(row);
    }
    return a;
}

} // namespace

Advice GreedyAdvice(const Position& p) {
    return playForBestRow(p, [](int, int, int32_t points) { return points; });
}

Advice EasyAdvice(const Position& p) {
    const SheetValue value(ShippedStats(p.columns, p.dice), p.dice, false);
    return playForBestRow(p, [&](int column, int row, int32_t points) {
        CellChoice cell;
        value.fill(p.sheet, column, row, 0, cell);
        return cell.value[static_cast<size_t>(points)];
    });
}

} // namespace rollwell
