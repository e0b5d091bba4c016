#include "support/invariants.h"

#include "sheet/scoring.h"

#include <algorithm>
#include <span>
#include <sstream>
#include <tuple>

namespace rollwell {

namespace {

std::string checkSheetTotals(const PlayerSheet& s, bool yamb) {
    std::ostringstream err;
    int placed = 0;
    int32_t grand = 0;
    for (int c = 1; c <= kColumnCount; ++c) {
        int32_t upper = 0, lower = 0;
        int upperFilled = 0;
        for (int r = 0; r < kRowCount; ++r) {
            const ScoreCell& cell = s.cell(c, r);
            if (!cell) continue;
            ++placed;
            if (!yamb && c != 3) err << "Yahtzee cell filled in column " << c << "; ";
            upper += IsUpperRow(r) ? *cell : 0;
            upperFilled += IsUpperRow(r) ? 1 : 0;
            lower += IsLowerRow(r) ? *cell : 0;
        }
        const bool bonus = upperFilled == 6 && upper >= 63;
        const ColumnTotals& t = s.columnTotals(c);
        const int32_t sub = upper + (bonus ? 35 : 0);
        const ScoreCell &ones = s.cell(c, 0), &max = s.cell(c, 6), &min = s.cell(c, 7);
        const bool hasProduct = ones && max && min;
        const int32_t product = hasProduct ? (*max - *min) * *ones : 0;
        const int32_t column = sub + product + lower;
        grand += column;
        if (s.BonusAwarded[c - 1] != bonus || valueOf(t.UpperSubTotal) != sub ||
            t.MaxMinProduct.has_value() != hasProduct || valueOf(t.MaxMinProduct) != product ||
            valueOf(t.ColumnTotal) != column)
            err << "bonus or totals of column " << c << " wrong; ";
        if (c == 3 && s.FreeUpperCount != upperFilled) err << "FreeUpperCount wrong; ";
        if (c == 4 && s.AnnounceUpperCount != upperFilled) err << "AnnounceUpperCount wrong; ";
    }
    // Down fills from the top and Up from the bottom, without gaps.
    int down = 0, up = kRowCount - 1;
    while (down < kRowCount && s.cell(1, down))
        ++down;
    while (up >= 0 && s.cell(2, up))
        --up;
    for (int r = 0; r < kRowCount; ++r)
        if ((r > down && s.cell(1, r)) || (r < up && s.cell(2, r))) err << "gap in Down or Up; ";
    if (s.NextDownRow != down || s.NextUpRow != up) err << "next Down or Up row wrong; ";
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
            const bool offered = b.cmd(c, r).visible && b.cmd(c, r).enabled;
            // Down and Up at their next row, Free anywhere, Announce at the first roll.
            const bool rowRule[] = {r == s.NextDownRow, r == s.NextUpRow, true, t.RollCount == 1};
            const bool expected = engine.game().GameFinished || t.RollCount == 0 ? false
                                  : t.Announced || t.AnnounceStanding
                                      ? c == 4 && r == t.CurrentRow
                                      : (c == 3 || yamb) && rowRule[c - 1] && s.isEmpty(c, r);
            if (offered != expected)
                err << "cell " << c << "/" << r << (offered ? " offered" : " not offered")
                    << " at roll " << t.RollCount << "; ";
        }
    }
    return err.str();
}

std::string checkDice(const Engine& engine) {
    const TurnState& t = engine.turn();
    const Board& b = engine.board();
    std::string err;
    for (int i = 0; i < engine.game().diceInPlay(); ++i) {
        const int32_t face = t.DiceValues[static_cast<size_t>(i)];
        if ((t.RollCount > 0 || t.Announced) && (face < 1 || face > 6))
            err += "a die shows no face; ";
        // A rolled die shows either its free or its held picture.
        if (t.RollCount > 0 && b.picDice[i].visible == b.PicDiceOff[i].visible)
            err += "die " + std::to_string(i) + " shown free and held, or neither; ";
        if (t.RollCount > 0 && (b.picDice[i].face != face || b.PicDiceOff[i].face != face))
            err += "die " + std::to_string(i) + " shows another face; ";
    }
    return err;
}

std::string checkCommands(const Engine& engine) {
    const Board& b = engine.board();
    const TurnState& t = engine.turn();
    std::ostringstream err;
    if (b.mnuUndoUndo.enabled != b.tbUndo.enabled) err << "Undo menu and button differ; ";
    if (b.mnuUndoRedo.enabled != b.tbRedo.enabled) err << "Redo menu and button differ; ";
    if (b.mnuUndoUndo.enabled && (t.CurrentColumn < 1 || t.CurrentColumn > 4))
        err << "Undo offered with nothing to take back; ";
    if (b.mnuUndoRedo.enabled && (t.CurrentColumn != 0 || t.RedoColumn < 1 || t.RedoColumn > 4))
        err << "Redo offered with nothing to replay; ";
    if (engine.game().GameFinished &&
        (b.mnuUndoUndo.enabled || b.mnuUndoRedo.enabled || b.cmdNextPlayer.visible))
        err << "finished game offers Undo, Redo or the hand-over; ";
    if (b.cellCursor && (!b.cmd(b.cellCursor.column, b.cellCursor.row).visible ||
                         !b.cmd(b.cellCursor.column, b.cellCursor.row).enabled ||
                         !b.lblOption[b.cellCursor.row].highlighted))
        err << "keyboard's cursor off the offered cells or its row not lit; ";
    if (b.cmdNextPlayer.visible && (t.RollCount != 0 || t.Announced))
        err << "hand-over offered in the middle of a turn; ";
    const auto& other = otherSheet(engine);
    if (other && engine.game().sheets.OtherPlayerTotal != valueOf(other->GrandTotal))
        err << "other player's total wrong; ";
    // The computer's turn: its board is its own, its moves cannot be taken
    // back, and its timer runs only while it has something to do.
    if (b.boardLocked != engine.computerOnTurn())
        err << "board locked out of the computer's turn; ";
    if (engine.settings().computerPlays() && engine.game().CurrentPlayer == 2 &&
        (b.mnuUndoUndo.enabled || b.mnuUndoRedo.enabled))
        err << "the computer's move can be taken back; ";
    if (b.tmrComputer.running && !engine.computerOnTurn() && !engine.computerNext())
        err << "the computer's timer runs with nothing to do; ";
    // A sheet whose result is recorded is never reopened.
    if (engine.sheet().PlacedCount >= PlayerSheet::capacity(engine.settings().NumberOfColumns) &&
        b.mnuUndoUndo.enabled)
        err << "Undo offered on a full sheet; ";
    return err.str();
}

} // namespace

const std::optional<PlayerSheet>& otherSheet(const Engine& engine) {
    const SheetPair& sheets = engine.game().sheets;
    return engine.settings().isYamb() ? sheets.stored : sheets.storedFree;
}

std::string checkAll(const Engine& engine) {
    return checkSheetTotals(engine.sheet(), engine.settings().isYamb()) +
           checkOfferedCells(engine) + checkDice(engine) + checkCommands(engine);
}

std::string checkSameMove(const PlayerSheet& sheetBefore, const TurnState& turnBefore,
                          const PlayerSheet& sheetAfter, const TurnState& turnAfter) {
    // Undo shows an empty grand total as "0" in a two-player game; the replay
    // of an announcement writes no total, so only the value must agree.
    PlayerSheet before = sheetBefore, after = sheetAfter;
    before.GrandTotal = valueOf(before.GrandTotal);
    after.GrandTotal = valueOf(after.GrandTotal);
    const auto turn = [](const TurnState& t) {
        return std::tie(t.RollCount, t.RollsUsed, t.CurrentColumn, t.CurrentRow, t.Announced,
                        t.AnnounceStanding, t.HideAnnounceOnRoll, t.DiceValues, t.DiceHeld,
                        t.SavedDice, t.SavedHeld, t.LastPlacedScore);
    };
    return std::string(before != after ? "sheet differs; " : "") +
           (turn(turnBefore) != turn(turnAfter) ? "turn differs; " : "");
}

std::string checkHintLabels(const Engine& engine) {
    const Board& b = engine.board();
    const GameState& g = engine.game();
    std::ostringstream err;
    const bool shown = engine.settings().hintAllways || g.HintRefreshPending;
    const auto dice =
        std::span(engine.turn().DiceValues).first(static_cast<size_t>(g.diceInPlay()));
    const bool rolled = std::ranges::all_of(dice, [](int32_t v) { return v >= 1 && v <= 6; });
    for (int r = 0; r < kRowCount; ++r) {
        if (b.lblTip[r].visible != shown) err << "hint label " << r << " visibility wrong; ";
        if (!shown) continue;
        bool offered = false;
        for (int c = 1; c <= kColumnCount; ++c)
            offered |= b.cmd(c, r).visible;
        const int32_t value =
            rolled ? ScoreForRow(static_cast<ScoreRow>(r), std::span<const int32_t>(dice)) : 0;
        const std::string expected = offered && value > 0 ? std::to_string(value) : "";
        if (b.lblTip[r].text != expected)
            err << "hint " << r << " shows '" << b.lblTip[r].text << "' not '" << expected << "'; ";
    }
    return err.str();
}

std::string checkFilledCellsKept(const PlayerSheet& before, const PlayerSheet& after) {
    std::ostringstream err;
    for (int c = 1; c <= kColumnCount; ++c)
        for (int r = 0; r < kRowCount; ++r)
            if (before.cell(c, r) && before.cell(c, r) != after.cell(c, r))
                err << "filled cell " << c << "/" << r << " changed; ";
    return err.str();
}

} // namespace rollwell
