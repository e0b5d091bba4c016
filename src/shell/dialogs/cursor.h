#pragma once

class QWidget;

namespace rollwell {

// The game's own arrow, drawn from the art "cursor" at the screen's pixel
// ratio with its hot spot at the tip. Every window of the program wears it;
// without the art the system's cursor stays.
void installGameCursor(QWidget* window);

// Gives every window the system's cursor back (the end of the program).
void restoreSystemCursor();

} // namespace rollwell
