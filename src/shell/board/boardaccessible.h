#pragma once

namespace rollwell {

// What a screen reader finds on the board: the cell buttons, dice and roll
// button offer Press only while they are shown and usable; the roll lights
// are indicators; a cell's label stands silent while its button, which
// carries the same name, is shown. Qt's hidden toolbar-extension button
// offers nothing either.
void installBoardAccessibility();

} // namespace rollwell
