#pragma once

#include <QString>

namespace rollwell {

// Puts the board size `percent` in force for every window: the measures
// (toPixels, scaledPixels) and the program's font, which menus, dialogs and
// the status bar take, grow together from their designed sizes.
void applyScale(int percent);

// A style sheet with every "Npx" scaled from the designed size; a 1-px line
// stays at least a pixel.
QString scaledSheet(const QString& sheet);

} // namespace rollwell
