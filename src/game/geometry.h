#pragma once

namespace rollwell {

// Positions and sizes of the board in twips, as the board layout sets them.
struct BoardGeometry {
    bool operator==(const BoardGeometry&) const = default;
};

} // namespace rollwell
