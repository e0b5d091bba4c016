#include "advisor/advisor.h"

#include "sheet/scoring.h"

#include <span>

namespace rollwell {

// Placeholder until the turn search lands: roll everything, then take the
// offered cell that scores most now.
Advice Advise(const Position& p, Strength) {
    Advice advice;
    if (p.rollCount == 0) return advice;
    std::span<const int32_t> dice(p.diceValues.data(), static_cast<size_t>(p.dice));
    if (p.announcedRow >= 0) {
        advice.action = Action::Place;
        advice.column = 4;
        advice.row = p.announcedRow;
        advice.points = ScoreForRow(static_cast<ScoreRow>(p.announcedRow), dice);
        return advice;
    }
    advice.action = Action::Place;
    advice.points = -1;
    auto consider = [&](int column, int row) {
        if (row < 0 || row >= kRowCount || !p.sheet.isEmpty(column, row)) return;
        const int32_t points = ScoreForRow(static_cast<ScoreRow>(row), dice);
        if (points > advice.points) {
            advice.column = column;
            advice.row = row;
            advice.points = points;
        }
    };
    for (int r = 0; r < kRowCount; ++r)
        consider(3, r);
    if (p.columns == 4) {
        consider(1, p.sheet.NextDownRow);
        consider(2, p.sheet.NextUpRow);
    }
    if (advice.column == 0) {
        for (int r = 0; r < kRowCount && advice.column == 0; ++r) {
            if (p.sheet.isEmpty(4, r)) {
                advice.action = Action::Announce;
                advice.column = 4;
                advice.row = r;
            }
        }
    }
    if (advice.points < 0) advice.points = 0;
    return advice;
}

} // namespace rollwell
