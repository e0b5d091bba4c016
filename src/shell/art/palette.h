#pragma once

#include <QColor>
#include <QStringView>

namespace rollwell {

// The one palette of the program: every colour of the board, the menus and the
// dialogs is looked up here by key (case-insensitive). An unknown key gives
// the menu background, so nothing is ever drawn in an unintended black.
QColor paletteColor(QStringView key);

} // namespace rollwell
