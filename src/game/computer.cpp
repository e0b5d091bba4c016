#include "game/engine.h"

#include "sheet/scoring.h"

#include <algorithm>

namespace rollwell {

namespace {
// The pace of the computer's turn, in milliseconds: time to see the person's
// last placement, the dice just rolled, the dice it holds, the cell it chose.
constexpr int kBeforeHandOver = 1000;
constexpr int kLookAtRoll = 800;
constexpr int kShowHolds = 500;
constexpr int kShowCell = 700;

constexpr const char* kComputerName = "Computer  ";
} // namespace

bool Engine::computerOnTurn() const {
    return settings_.computerPlays() && game_.CurrentPlayer == 2 && game_.GameStarted &&
           !game_.GameFinished && !board_.cmdNextPlayer.visible;
}

bool Engine::computerNext() const {
    return settings_.computerPlays() && game_.CurrentPlayer == 1 && !game_.GameFinished &&
           board_.cmdNextPlayer.visible;
}

std::string Engine::player2Name() const {
    return settings_.computerPlays() ? kComputerName : settings_.Player2;
}

void Engine::startComputer() {
    computerRollPending_ = false;
    board_.tmrComputer.interval = kBeforeHandOver;
    board_.tmrComputer.running = true;
}

void Engine::tmrComputer_Timer() {
    // The about window holds the game still; the computer waits with it.
    if (!board_.windowEnabled) return;
    const bool handOver = computerNext();
    int wait = kLookAtRoll;
    if (handOver || computerOnTurn()) {
        computerActing_ = true;
        if (handOver) {
            RollRequest();
        } else if (board_.advice.column != 0) {
            const AdviceMarks lit = board_.advice;
            cellClick(lit.column, lit.row); // an announcement lets the turn go on
        } else if (computerRollPending_) {
            computerRollPending_ = false;
            picRollDices_MouseUp();
        } else {
            wait = computerDecides();
        }
        computerActing_ = false;
        // The computer's moves are its own: the person cannot take them back.
        board_.setUndoEnabled(false);
        board_.setRedoEnabled(false);
    }
    const bool playing = computerOnTurn();
    board_.boardLocked = playing;
    board_.setSuggestEnabled(!playing);
    board_.tmrComputer.running = playing;
    board_.tmrComputer.interval = wait;
    if (!playing) computerRollPending_ = false;
    syncSheet();
}

// Holds the dice the advisor keeps and rolls next, or lights the cell it
// takes. A choice the board does not offer (or no advisor at all) falls back
// to the offered cell that scores most now.
int Engine::computerDecides() {
    const auto strength = static_cast<Strength>(std::clamp(settings_.ComputerStrength, 1, 3));
    const Advice a = advisor_ ? advisor_(*this, strength) : Advice{Action::Place};
    const bool mayRoll = turn_.RollCount < 3 && !game_.RollingBlocked && !announceForced();
    if (a.action == Action::Roll && mayRoll) {
        for (int i = 0; i < game_.diceInPlay(); ++i) {
            if (a.hold[i] && !turn_.DiceHeld[i]) picDice_Click(i);
            if (!a.hold[i] && turn_.DiceHeld[i]) PicDiceOff_Click(i);
        }
        if (board_.picRollDices.enabled) {
            computerRollPending_ = true;
            return kShowHolds;
        }
    }
    std::pair<int, int> cell{a.column, a.row};
    const bool offered = a.action != Action::Roll && a.column >= 1 && a.column <= kColumnCount &&
                         a.row >= 0 && a.row < kRowCount && board_.cmd(a.column, a.row).visible &&
                         board_.cmd(a.column, a.row).enabled;
    if (!offered) cell = bestOfferedCell();
    board_.advice = {};
    board_.advice.column = cell.first;
    board_.advice.row = cell.second;
    return kShowCell;
}

std::pair<int, int> Engine::bestOfferedCell() const {
    const std::span<const int32_t> dice(turn_.DiceValues.data(),
                                        static_cast<size_t>(game_.diceInPlay()));
    std::pair<int, int> best{0, 0};
    int32_t bestValue = -1;
    for (int c = 1; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            const CellButton& b = board_.cmd(c, r);
            if (!b.visible || !b.enabled) continue;
            const int32_t value = rollwell::ScoreForRow(static_cast<ScoreRow>(r), dice);
            if (value > bestValue) best = {c, r}, bestValue = value;
        }
    }
    return best;
}

// Once the last placements must all go to the Announce column, the second
// roll waits for an announcement.
bool Engine::announceForced() const {
    const PlayerSheet& s = game_.sheets.shown;
    if (s.PlacedCount < 39 || turn_.RollCount != 1 || turn_.CurrentColumn == 4) return false;
    int emptyAnnounce = 0;
    for (int r = 0; r < kRowCount; ++r)
        emptyAnnounce += s.isEmpty(4, r) ? 1 : 0;
    return emptyAnnounce == kYambCells - s.PlacedCount && emptyAnnounce > 1;
}

} // namespace rollwell
