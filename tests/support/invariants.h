#pragma once

#include "game/engine.h"

#include <optional>
#include <string>

namespace rollwell {

// The other player's sheet as stored while one sheet is shown (Yahtzee keeps
// only the Free column's), if there is one.
const std::optional<PlayerSheet>& otherSheet(const Engine& engine);

// Each check returns an empty text when everything holds, otherwise what is wrong.

// The sheet's totals and counters, the offered cells, the dice, and Undo, Redo
// and the hand-over offered only when they have something to do.
std::string checkAll(const Engine& engine);

// Shown hint labels hold the scorer's value of the dice on the table for the
// rows a cell button offers, and nothing elsewhere. Meant right after a roll,
// a hint request or a change of the hint mode.
std::string checkHintLabels(const Engine& engine);

// The sheet and the turn (counters, dice, announcement flags) are the same
// after a move as after its undo and redo.
std::string checkSameMove(const PlayerSheet& sheetBefore, const TurnState& turnBefore,
                          const PlayerSheet& sheetAfter, const TurnState& turnAfter);

// Every cell filled in `before` holds the same value in `after`.
std::string checkFilledCellsKept(const PlayerSheet& before, const PlayerSheet& after);

} // namespace rollwell
