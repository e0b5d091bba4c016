#include "support/invariants.h"

#include <sstream>

namespace rollwell {

std::string checkSheetTotals(const PlayerSheet& s, bool yamb) {
    std::ostringstream err;
    int placed = 0;
    int32_t grand = 0;
    for (int c = 1; c <= kColumnCount; ++c) {
        int32_t upper = 0;
        int upperFilled = 0;
        int32_t lower = 0;
        for (int r = 0; r < kRowCount; ++r) {
            const ScoreCell& cell = s.cell(c, r);
            if (!cell) continue;
            ++placed;
            if (!yamb && c != 3) err << "Yahtzee cell filled in column " << c << "; ";
            if (IsUpperRow(r)) {
                upper += *cell;
                ++upperFilled;
            }
            if (IsLowerRow(r)) lower += *cell;
        }
        const bool bonus = upperFilled == 6 && upper >= kUpperBonusThreshold;
        if (s.BonusAwarded[c - 1] != bonus) err << "bonus of column " << c << " wrong; ";
        const ColumnTotals& t = s.columnTotals(c);
        const int32_t sub = upper + (bonus ? kUpperBonus : 0);
        if (valueOf(t.UpperSubTotal) != sub) err << "sub total of column " << c << " wrong; ";
        const ScoreCell& ones = s.cell(c, 0);
        const ScoreCell& max = s.cell(c, 6);
        const ScoreCell& min = s.cell(c, 7);
        ScoreCell product;
        if (ones && max && min) product = (*max - *min) * *ones;
        if (t.MaxMinProduct != product) err << "product of column " << c << " wrong; ";
        const int32_t column = sub + valueOf(product) + lower;
        if (valueOf(t.ColumnTotal) != column) err << "total of column " << c << " wrong; ";
        grand += column;

        int filledDown = 0;
        if (c == 1) {
            while (filledDown < kRowCount && s.cell(1, filledDown))
                ++filledDown;
            for (int r = filledDown; r < kRowCount; ++r) {
                if (s.cell(1, r)) err << "Down filled out of order; ";
            }
            if (s.NextDownRow != filledDown) err << "NextDownRow wrong; ";
        }
        if (c == 2) {
            int next = 12;
            while (next >= 0 && s.cell(2, next))
                --next;
            for (int r = next; r >= 0; --r) {
                if (s.cell(2, r)) err << "Up filled out of order; ";
            }
            if (s.NextUpRow != next) err << "NextUpRow wrong; ";
        }
        if (c == 3 && s.FreeUpperCount != upperFilled) err << "FreeUpperCount wrong; ";
        if (c == 4 && s.AnnounceUpperCount != upperFilled) err << "AnnounceUpperCount wrong; ";
    }
    if (valueOf(s.GrandTotal) != grand) err << "grand total wrong; ";
    if (s.PlacedCount != placed)
        err << "PlacedCount " << s.PlacedCount << " but " << placed << " filled; ";
    return err.str();
}

std::string checkOfferedCells(const Engine& engine) {
    const Board& b = engine.board();
    const TurnState& t = engine.turn();
    const PlayerSheet& s = engine.sheet();
    const bool yamb = engine.settings().isYamb();
    std::ostringstream err;
    for (int c = 1; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            const CellButton& button = b.cmd(c, r);
            const bool offered = button.visible && button.enabled;
            bool expected = false;
            if (engine.game().GameFinished || t.RollCount == 0) {
                expected = false;
            } else if (t.Announced) {
                expected = c == 4 && r == t.CurrentRow;
            } else if (t.AnnounceStanding) {
                expected = c == 4 && r == t.CurrentRow;
            } else if (c == 3) {
                expected = s.isEmpty(3, r);
            } else if (!yamb) {
                expected = false;
            } else if (c == 1) {
                expected = r == s.NextDownRow;
            } else if (c == 2) {
                expected = r == s.NextUpRow;
            } else {
                expected = t.RollCount == 1 && s.isEmpty(4, r);
            }
            if (offered != expected) {
                err << "cell " << c << "/" << r << (offered ? " offered" : " not offered")
                    << " at roll " << t.RollCount << "; ";
            }
            if (offered && !s.isEmpty(c, r)) err << "filled cell " << c << "/" << r << " offered; ";
        }
    }
    return err.str();
}

std::string checkDice(const Engine& engine) {
    std::ostringstream err;
    if (engine.turn().RollCount == 0 && !engine.turn().Announced) return {};
    for (int i = 0; i < engine.game().diceInPlay(); ++i) {
        const int32_t v = engine.turn().DiceValues[i];
        if (v < 1 || v > 6) err << "die " << i << " shows " << v << "; ";
    }
    return err.str();
}

std::string checkAll(const Engine& engine) {
    return checkSheetTotals(engine.sheet(), engine.settings().isYamb()) +
           checkOfferedCells(engine) + checkDice(engine);
}

std::string checkFilledCellsKept(const PlayerSheet& before, const PlayerSheet& after) {
    std::ostringstream err;
    for (int c = 1; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            if (before.cell(c, r) && before.cell(c, r) != after.cell(c, r)) {
                err << "filled cell " << c << "/" << r << " changed; ";
            }
        }
    }
    return err.str();
}

} // namespace rollwell
