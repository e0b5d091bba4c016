#include "game/engine.h"

namespace rollwell {

void Engine::LayOutBoard() {
    ArrangeStatusBar();
    for (int c = 1; c <= kColumnCount; ++c) {
        const bool inUse = yamb() || c == 3;
        for (int r = 0; r < kRowCount; ++r) {
            board_.cmd(c, r).visible = inUse;
            board_.cmd(c, r).enabled = false;
            board_.cmd(c, r).picture = yamb() ? CellPicture::imgBut3 : CellPicture::img1ColumnP;
            board_.lbl(c, r).visible = inUse;
        }
    }
    if (twoPlayers()) {
        board_.caption = "Rollwell - Player 1";
        board_.StatusPanel(3).text = "0 : 0";
    } else {
        board_.caption = "Rollwell 2.0";
    }
    if (settings_.hintAllways) game_.HintsAlways = true;
    run_.SoundOn = settings_.SoundEnabled;
}

void Engine::ArrangeStatusBar() {}

} // namespace rollwell
