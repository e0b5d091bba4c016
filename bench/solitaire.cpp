#include "solitaire.h"

#include "sheet/scoring.h"

#include <ctime>
#include <span>

namespace rollwell {

namespace {

// The only open cell of the sheet, when it is an Announce cell: the game
// announces it for the player before the turn's first roll.
int lastAnnounceCell(const PlayerSheet& s) {
    if (s.PlacedCount != kYambCells - 1) return -1;
    int row = -1;
    for (int c = 1; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            if (!s.isEmpty(c, r)) continue;
            if (c != 4) return -1;
            row = r;
        }
    }
    return row;
}

bool mayPlace(const Position& p, int column, int row) {
    const PlayerSheet& s = p.sheet;
    if (p.rollCount < 1 || column < 1 || column > 4 || row < 0 || row >= kRowCount ||
        !s.isEmpty(column, row))
        return false;
    if (p.announcedRow >= 0) return column == 4 && row == p.announcedRow;
    if (p.columns == 1) return column == 3;
    switch (column) {
    case 1:
        return row == s.NextDownRow;
    case 2:
        return row == s.NextUpRow;
    case 3:
        return true;
    default:
        return false;
    }
}

} // namespace

double CpuMs() {
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

Solitaire PlaySolitaire(int columns, int dice, const Policy& policy, std::mt19937& rng,
                        bool timeDecisions) {
    Solitaire game;
    Position p;
    p.columns = columns;
    p.dice = dice;
    std::uniform_int_distribution<int> face(1, 6);
    const int cells = PlayerSheet::capacity(columns);
    for (int turn = 0; turn < cells && !game.failed; ++turn) {
        p.rollCount = 0;
        p.held = {};
        p.announcedRow = columns == 4 ? lastAnnounceCell(p.sheet) : -1;
        for (int step = 0; step < 8; ++step) {
            const double start = timeDecisions ? CpuMs() : 0;
            const Advice a = policy(p);
            if (timeDecisions) game.decisionMs.push_back(CpuMs() - start);
            if (a.action == Action::Roll) {
                if (p.rollCount >= 3) break;
                p.held = p.rollCount == 0 ? std::array<bool, 6>{} : a.hold;
                for (int i = 0; i < dice; ++i) {
                    if (!p.held[i]) p.diceValues[i] = face(rng);
                }
                ++p.rollCount;
                continue;
            }
            if (a.action == Action::Announce) {
                if (p.rollCount != 1 || p.announcedRow >= 0 || columns != 4 ||
                    !p.sheet.isEmpty(4, a.row))
                    break;
                p.announcedRow = a.row;
                continue;
            }
            if (!mayPlace(p, a.column, a.row)) break;
            std::span<const int32_t> d(p.diceValues.data(), static_cast<size_t>(dice));
            const int32_t points = ScoreForRow(static_cast<ScoreRow>(a.row), d);
            p.sheet.RecordScore(a.column, a.row, points);
            p.sheet.RecomputeGrandTotal();
            if (a.column == 1) ++p.sheet.NextDownRow;
            if (a.column == 2) --p.sheet.NextUpRow;
            ++p.sheet.PlacedCount;
            game.placements.push_back({a.column, a.row, points});
            break;
        }
        if (p.sheet.PlacedCount != turn + 1) game.failed = true;
    }
    game.total = valueOf(p.sheet.GrandTotal);
    return game;
}

} // namespace rollwell
