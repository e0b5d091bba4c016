#pragma once

#include "advisor/yahtzee.h"

#include <filesystem>
#include <memory>

namespace rollwell::advice {

// The solved values of one-column games for that many dice, or null while
// they are not ready.
std::shared_ptr<const FreeValues> SolvedFreeValues(int dice);
void SetSolvedFreeValues(int dice, std::shared_ptr<const FreeValues> values);

// The values kept in a file: 2 bytes a state (64ths of a point), with a
// header and a checksum so a damaged or foreign file is solved anew.
bool SaveFreeValues(const FreeValues& values, const std::filesystem::path& file);
std::shared_ptr<FreeValues> LoadFreeValues(int dice, const std::filesystem::path& file);
std::filesystem::path FreeValuesFile(const std::filesystem::path& folder, int dice);

} // namespace rollwell::advice
