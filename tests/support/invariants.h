#pragma once

#include "game/engine.h"

#include <string>

namespace rollwell {

// Checks the engine's state against what the rules imply. Returns an empty
// text when everything holds, otherwise what is wrong.
std::string checkSheetTotals(const PlayerSheet& sheet, bool yamb);
std::string checkOfferedCells(const Engine& engine);
std::string checkDice(const Engine& engine);
std::string checkAll(const Engine& engine);

// Every cell filled in `before` holds the same value in `after`.
std::string checkFilledCellsKept(const PlayerSheet& before, const PlayerSheet& after);

} // namespace rollwell
