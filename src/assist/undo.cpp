#include "game/engine.h"

namespace rollwell {

void Engine::mnuUndoUndo_Click() {}
void Engine::mnuUndoRedo_Click() {}

} // namespace rollwell
