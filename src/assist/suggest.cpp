#include "game/engine.h"

#include <cstdio>
#include <tuple>

namespace rollwell {

namespace {

// "Hold the marked dice, roll: +4.2": the move and how many points it is
// worth, on average, over the next-best move.
std::string adviceText(const Advice& a, bool holdsAny) {
    const char* move = "Take the framed cell";
    if (a.action == Action::Roll) {
        move = holdsAny ? "Hold the marked dice, roll" : "Roll all the dice";
    } else if (a.action == Action::Announce) {
        move = "Announce the framed cell";
    }
    char text[80];
    std::snprintf(text, sizeof text, "%s: +%.1f", move, a.expectedGain);
    return text;
}

} // namespace

void Engine::mnuSuggest_Click() {
    if (!advisor_ || board_.boardLocked || computerNext() || !game_.GameStarted ||
        game_.GameFinished)
        return;
    clearAdvice();
    AdviceMarks marks;
    const bool rolled = (turn_.RollCount > 0 || turn_.Announced) && !board_.cmdNextPlayer.visible;
    if (!rolled) {
        // Before the first roll of a turn there is only one move.
        showAdvice(marks, "Roll all the dice");
        return;
    }
    const Advice a = advisor_(*this, Strength::Strong);
    bool holdsAny = false;
    if (a.action == Action::Roll) {
        for (int i = 0; i < game_.diceInPlay(); ++i) {
            marks.hold[i] = a.hold[i];
            holdsAny |= a.hold[i];
        }
    } else {
        marks.column = a.column;
        marks.row = a.row;
    }
    showAdvice(marks, adviceText(a, holdsAny));
    playAsync("hint");
}

// The message panel carries the suggestion. A two-player game, which hides
// that panel, lends it the room of the name and score panels until the next
// move; the caption and the sheet say the same meanwhile.
void Engine::showAdvice(const AdviceMarks& marks, const std::string& text) {
    board_.advice = marks;
    Panel& message = board_.StatusPanel(2);
    textBeforeAdvice_ = message.text;
    adviceText_ = text;
    message.text = text;
    if (!twoPlayers()) return;
    for (int n = 1; n <= 3; ++n)
        panelsBeforeAdvice_[n - 1] = {board_.StatusPanel(n).visible, board_.StatusPanel(n).width};
    message.visible = true;
    message.width = board_.StatusPanel(1).width + board_.StatusPanel(3).width;
    board_.StatusPanel(1).visible = board_.StatusPanel(3).visible = false;
    board_.adviceLendsPanels = true;
}

// A move, a roll, Undo or a new game makes the suggestion old.
void Engine::clearAdvice() {
    board_.advice = {};
    if (adviceText_.empty()) return;
    Panel& message = board_.StatusPanel(2);
    if (message.text == adviceText_) message.text = textBeforeAdvice_;
    if (board_.adviceLendsPanels) {
        for (int n = 1; n <= 3; ++n)
            std::tie(board_.StatusPanel(n).visible, board_.StatusPanel(n).width) =
                panelsBeforeAdvice_[n - 1];
    }
    board_.adviceLendsPanels = false;
    adviceText_.clear();
}

} // namespace rollwell
