// Playing by keyboard: the dice keys and the cell cursor. The cursor moves only
// over the cells the roll can fill now, so it follows the column rules without
// knowing them.
#include "game/engine.h"
#include "game/keys.h"

#include <cstdlib>
#include <vector>

namespace rollwell {

namespace {
constexpr int kDiceKeys = 6;
} // namespace

bool Engine::offered(CellCursor cell) const {
    if (cell.column < 1 || cell.column > kColumnCount || cell.row < 0 || cell.row >= kRowCount)
        return false;
    const CellButton& b = board_.cmd(cell.column, cell.row);
    return b.visible && b.enabled;
}

// The offered cells in reading order: top to bottom, left to right.
std::vector<CellCursor> Engine::offeredCells() const {
    std::vector<CellCursor> cells;
    for (int r = 0; r < kRowCount; ++r)
        for (int c = 1; c <= kColumnCount; ++c)
            if (offered({c, r})) cells.push_back({c, r});
    return cells;
}

void Engine::Form_KeyDown(int keyCode, int shift) {
    if (personLockedOut()) return; // the computer is playing
    const int die = keyCode >= kKeyNumpad1 ? keyCode - kKeyNumpad1 : keyCode - kKey1;
    if ((keyCode >= kKey1 && keyCode < kKey1 + kDiceKeys) ||
        (keyCode >= kKeyNumpad1 && keyCode < kKeyNumpad1 + kDiceKeys)) {
        // As a click on the die would: nothing where the die cannot be clicked.
        if (die < game_.diceInPlay()) setDieHeld(die, !board_.PicDiceOff[die].visible);
    } else if (keyCode == kKeyLeft || keyCode == kKeyRight) {
        moveCursorAcross(keyCode == kKeyLeft ? -1 : 1);
    } else if (keyCode == kKeyUp || keyCode == kKeyDown) {
        moveCursorAlong(keyCode == kKeyUp ? -1 : 1);
    } else if (keyCode == kKeyTab) {
        stepCursor((shift & kShiftMask) != 0 ? -1 : 1);
    } else if (keyCode == kKeyEscape) {
        placeCursor({});
    }
    syncSheet();
}

// The cursor lights its row as the mouse does.
void Engine::placeCursor(CellCursor cell) {
    const CellCursor old = board_.cellCursor;
    if (old == cell) return;
    if (old) cellMouseLeft(old.column, old.row);
    board_.cellCursor = cell;
    if (cell) cellMouseEntered(cell.column, cell.row);
}

// Left and Right go to the nearest column that has an offered cell, on the row
// closest to the cursor's.
void Engine::moveCursorAcross(int step) {
    const CellCursor from = board_.cellCursor;
    if (!from) return stepCursor(1);
    for (int c = from.column + step; c >= 1 && c <= kColumnCount; c += step) {
        CellCursor best;
        for (int r = 0; r < kRowCount; ++r)
            if (offered({c, r}) &&
                (!best || std::abs(r - from.row) < std::abs(best.row - from.row)))
                best = {c, r};
        if (best) return placeCursor(best);
    }
}

// Up and Down go to the next offered cell of the cursor's column.
void Engine::moveCursorAlong(int step) {
    const CellCursor from = board_.cellCursor;
    if (!from) return stepCursor(1);
    for (int r = from.row + step; r >= 0 && r < kRowCount; r += step)
        if (offered({from.column, r})) return placeCursor({from.column, r});
}

// Tab and Shift+Tab go round every offered cell in reading order.
void Engine::stepCursor(int step) {
    const std::vector<CellCursor> cells = offeredCells();
    if (cells.empty()) return;
    const int count = static_cast<int>(cells.size());
    int at = step > 0 ? -1 : count;
    for (int k = 0; k < count; ++k)
        if (cells[static_cast<size_t>(k)] == board_.cellCursor) at = k;
    placeCursor(cells[static_cast<size_t>(((at + step) % count + count) % count)]);
}

void Engine::dropStaleCursor() {
    if (board_.cellCursor && !offered(board_.cellCursor)) placeCursor({});
}

} // namespace rollwell
