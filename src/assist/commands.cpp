#include "game/engine.h"

namespace rollwell {

void Engine::setSound(bool on) {
    run_.SoundOn = on;
    settings_.SoundEnabled = on;
}

void Engine::Toolbar2_ButtonClick(std::string_view) {}
void Engine::mnuOptions_Click() {}

} // namespace rollwell
