#pragma once

#include "storage/topscores.h"

#include <QString>

#include <array>
#include <optional>

namespace rollwell {

// What the top-scores window needs from the table store, in one shape whatever
// the store reports: the 20 rows, and a message to show when the table exists
// but could not be read or deleted.
struct ShownTable {
    std::array<DisplayRow, kTablePositions> rows;
    std::optional<QString> errorTitle;
    std::optional<QString> errorText;
};

struct ClearOutcome {
    bool cleared = false;
    std::optional<QString> errorTitle;
    std::optional<QString> errorText;
};

ShownTable loadShownTable(const QString& filePath);
ClearOutcome clearShownTable(const QString& filePath);

} // namespace rollwell
