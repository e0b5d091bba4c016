#include "advisor/advisor.h"

#include "game/engine.h"

namespace rollwell {

Position PositionFrom(const Settings& settings, const GameState& game, const TurnState& turn) {
    Position p;
    p.columns = settings.isYamb() ? 4 : 1;
    p.dice = game.diceInPlay();
    p.sheet = game.sheets.shown;
    p.diceValues = turn.DiceValues;
    p.held = turn.DiceHeld;
    p.rollCount = turn.RollCount;
    // A standing announcement (a turn reopened by Undo) places like a fresh one.
    if ((turn.Announced || turn.AnnounceStanding) && turn.CurrentColumn == 4 && turn.RollCount > 0)
        p.announcedRow = turn.CurrentRow;
    return p;
}

Position PositionFrom(const Engine& engine) {
    Position p = PositionFrom(engine.settings(), engine.game(), engine.turn());
    if (engine.settings().twoPlayers() && engine.board().cmdNextPlayer.visible) {
        // The next roll hands over: the position is the other player's, whose
        // turn has not begun.
        const SheetPair& sheets = engine.game().sheets;
        PlayerSheet next;
        if (p.columns == 4 && sheets.stored) next = *sheets.stored;
        if (p.columns == 1 && sheets.storedFree) {
            const PlayerSheet& other = *sheets.storedFree;
            next.cells[2] = other.cells[2];
            next.totals[2] = other.totals[2];
            next.GrandTotal = other.GrandTotal;
            next.PlacedCount = other.PlacedCount;
            next.FreeUpperCount = other.FreeUpperCount;
            next.BonusAwarded = other.BonusAwarded;
        }
        p.sheet = next;
        p.held = {};
        p.rollCount = 0;
        p.announcedRow = -1;
    }
    return p;
}

} // namespace rollwell
