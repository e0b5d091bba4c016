#include "game/engine.h"

namespace rollwell {

void Engine::StartNewGameAnimation() {}
void Engine::ShuffleCells() {}

void Engine::setAnimationStartState() {
    for (int c = 1; c <= kColumnCount; ++c) {
        const bool inUse = yamb() || c == 3;
        for (int r = 0; r < kRowCount; ++r) {
            board_.cmd(c, r).visible = inUse;
            board_.cmd(c, r).enabled = false;
        }
    }
}

void Engine::tmrAnimation_Timer() {}

} // namespace rollwell
