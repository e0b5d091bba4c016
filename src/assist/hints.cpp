#include "game/engine.h"

namespace rollwell {

void Engine::ComputeHints() {}
void Engine::ShowHintColumn() {}
void Engine::clearHints() {
    for (TextLabel& tip : board_.lblTip)
        tip.text.clear();
}
void Engine::HintRequest() {}
void Engine::mnuHintsByRequest2_Click() {}
void Engine::mnuHintsAllways2_Click() {}
void Engine::cellMouseEntered(int, int) {}
void Engine::cellMouseLeft(int, int) {}
void Engine::showHintMenus() {}

} // namespace rollwell
