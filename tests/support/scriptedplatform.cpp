#include "support/scriptedplatform.h"

namespace rollwell {

void ScriptedPlatform::queueRoll(int freeDice, const std::vector<int>& faces) {
    // Nine shake frames draw one value per free die before the dice settle.
    randoms.insert(randoms.end(), static_cast<size_t>(9 * freeDice), 0.5);
    for (int face : faces)
        randoms.push_back((face - 1 + 0.5) / 6.0);
}

std::vector<std::string> ScriptedPlatform::soundNames() const {
    std::vector<std::string> names;
    for (const Sound& s : sounds)
        names.push_back(s.name);
    return names;
}

double ScriptedPlatform::Random() {
    if (!randoms.empty()) return next(randoms, 0.0);
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng_);
}

} // namespace rollwell
