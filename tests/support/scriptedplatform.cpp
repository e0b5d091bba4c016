#include "support/scriptedplatform.h"

namespace rollwell {

void ScriptedPlatform::queueRoll(int freeDice, const std::vector<int>& faces) {
    // Nine shake frames draw one value per free die before the dice settle.
    for (int i = 0; i < 9 * freeDice; ++i)
        randoms.push_back(0.5);
    for (int face : faces)
        randoms.push_back((face - 1 + 0.5) / 6.0);
}

std::vector<std::string> ScriptedPlatform::soundNames() const {
    std::vector<std::string> names;
    for (const Sound& s : sounds)
        names.push_back(s.name);
    return names;
}

void ScriptedPlatform::clearLog() {
    sounds.clear();
    pauses.clear();
    messages.clear();
    winners.clear();
    topScores.clear();
    records.clear();
}

MsgAnswer ScriptedPlatform::MessageBox(std::string_view title, std::string_view text,
                                       MsgButtons buttons, MsgIcon icon) {
    messages.push_back({std::string(title), std::string(text), buttons, icon});
    if (answers.empty()) return MsgAnswer::Ok;
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
}

double ScriptedPlatform::Random() {
    if (!randoms.empty()) {
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng_);
}

EndGameAnswer ScriptedPlatform::ShowEndGameDialog() {
    ++endGameDialogs;
    if (endGameAnswers.empty()) return EndGameAnswer::Finish;
    const EndGameAnswer a = endGameAnswers.front();
    endGameAnswers.pop_front();
    return a;
}

ScoreEntryResult ScriptedPlatform::RecordResult(int tableNumber, std::string_view name,
                                                int32_t score, std::string_view date) {
    records.push_back({tableNumber, std::string(name), score, std::string(date)});
    if (recordResults.empty()) return ScoreEntryResult{1, true, std::nullopt, std::nullopt};
    const ScoreEntryResult r = recordResults.front();
    recordResults.pop_front();
    return r;
}

std::optional<Settings> ScriptedPlatform::ShowOptions(const Settings&) {
    ++optionsShown;
    if (optionsAnswers.empty()) return std::nullopt;
    const std::optional<Settings> a = optionsAnswers.front();
    optionsAnswers.pop_front();
    return a;
}

} // namespace rollwell
