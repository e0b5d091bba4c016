#include "support/bot.h"

#include "support/invariants.h"

#include "game/keys.h"
#include "sheet/scoring.h"

#include <algorithm>
#include <tuple>

namespace rollwell {

Bot::Bot(const Settings& settings, Options options)
    : settings_(settings), platform_(options.seed * 7919u + 13u), engine_(settings_, platform_),
      options_(options), rng_(options.seed) {
    engine_.setAdvisor([](const Engine& e, Strength s) { return Advise(PositionFrom(e), s); });
    engine_.Form_Load();
}

bool Bot::chance(double p) {
    return p > 0 && std::uniform_real_distribution<double>(0, 1)(rng_) < p;
}

int Bot::playGame() {
    abandoned_ = false;
    if (engine_.game().GameStarted) {
        engine_.NewGame();
        after("NewGame", true);
    }
    for (int i = 0; i < 1000 && engine_.board().tmrAnimation.running; ++i)
        engine_.tmrAnimation_Timer();
    for (int guard = 0; guard < 20000 && !engine_.game().GameFinished && !abandoned_; ++guard)
        step();
    if (!engine_.game().GameFinished && !abandoned_) failures_.push_back("game did not end");
    const auto& other = otherSheet(engine_);
    const auto count = [this](const PlayerSheet& s) {
        bonuses_ += static_cast<int>(std::ranges::count(s.BonusAwarded, true));
        return s.PlacedCount;
    };
    return count(engine_.sheet()) + (other ? count(*other) : 0);
}

void Bot::after(const std::string& what, bool cellsMayEmpty, bool hintsFresh) {
    if (cellsMayEmpty) snapshot_[0] = snapshot_[1] = PlayerSheet{};
    if (!options_.checks) return;
    const int player = engine_.game().CurrentPlayer - 1;
    std::string err = checkAll(engine_) + checkFilledCellsKept(snapshot_[player], engine_.sheet());
    // A refused roll values nothing: the labels keep what they showed.
    if (hintsFresh && !engine_.game().RollingBlocked) err += checkHintLabels(engine_);
    snapshot_[player] = engine_.sheet();
    fail(what, err);
}

void Bot::fail(const std::string& what, const std::string& err) {
    if (!err.empty() && failures_.size() < 20) failures_.push_back(what + ": " + err);
}

void Bot::roll() {
    engine_.picRollDices_MouseUp();
    after("roll", false, true);
}

// A random offered cell; in a turn played for an upper row the upper row the
// dice fill best if they hold three of its face, else a lower row.
bool Bot::clickSomeOfferedCell() {
    std::vector<std::pair<int, int>> offered, lower;
    const Board& b = engine_.board();
    std::pair<int, int> best{0, 0};
    int32_t bestValue = 0;
    const bool rolled = std::ranges::all_of(dice(), [](int32_t f) { return f >= 1; });
    for (int c = 1; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            if (!b.cmd(c, r).visible || !b.cmd(c, r).enabled) continue;
            offered.emplace_back(c, r);
            if (!IsUpperRow(r)) lower.emplace_back(c, r);
            const int32_t value =
                IsUpperRow(r) && rolled ? ScoreForRow(static_cast<ScoreRow>(r), dice()) : 0;
            if (value >= 3 * (r + 1) && value > bestValue) best = {c, r}, bestValue = value;
        }
    }
    if (upperTurn_ && bestValue == 0 && !lower.empty()) offered = lower;
    if (offered.empty()) return false;
    auto [c, r] = offered[std::uniform_int_distribution<size_t>(0, offered.size() - 1)(rng_)];
    if (upperTurn_ && bestValue > 0) std::tie(c, r) = best;
    if (chance(options_.endGameUndoChance)) platform_.endGameAnswers = {EndGameAnswer::Undo};
    chance(options_.keyChance) ? placeByKeys(c, r) : engine_.cellClick(c, r);
    platform_.endGameAnswers.clear();
    after("click " + std::to_string(c) + "/" + std::to_string(r), true);
    return true;
}

// Tab walks the cursor round the offered cells to the one wanted; Enter fills it.
void Bot::placeByKeys(int column, int row) {
    for (int k = 0; k < 2 * kRowCount * kColumnCount; ++k) {
        if (engine_.board().cellCursor == CellCursor{column, row}) break;
        engine_.Form_KeyDown(kKeyTab, chance(0.5) ? kShiftMask : 0);
    }
    engine_.Form_KeyPress(kKeyReturn);
}

// Any key of the board: an arrow, Tab, Esc or a die's number.
void Bot::pressSomeKey() {
    static constexpr int kKeys[] = {kKeyLeft, kKeyUp,     kKeyRight, kKeyDown,
                                    kKeyTab,  kKeyEscape, kKey1 + 2, kKeyNumpad1 + 5};
    const int key = kKeys[std::uniform_int_distribution<size_t>(0, std::size(kKeys) - 1)(rng_)];
    engine_.Form_KeyDown(key, chance(0.5) ? kShiftMask : 0);
    after("key " + std::to_string(key));
}

// Holds the dice of one face (the most common) for an upper row, or now and
// then holds or releases a die at random.
void Bot::holdSomeDice() {
    const Board& b = engine_.board();
    const auto usable = [](const DiePicture& die) { return die.visible && die.enabled; };
    std::array<int, 7> counts{};
    for (int32_t f : dice())
        counts[static_cast<size_t>(f)] += 1;
    const auto face = std::ranges::max_element(counts) - counts.begin();
    for (int i = 0; i < engine_.game().diceInPlay(); ++i) {
        const bool hold = upperTurn_ ? dice()[i] == face : chance(0.5);
        if (!upperTurn_ && !chance(0.2)) continue;
        if (hold && usable(b.picDice[i])) engine_.picDice_Click(i);
        if (!hold && usable(b.PicDiceOff[i])) engine_.PicDiceOff_Click(i);
        after("hold or release");
    }
}

// One step of the computer's turn by its timer, or by the person's hand-over
// click that lets it start at once. The person's clicks and Undo meanwhile
// change nothing.
void Bot::computerStep() {
    Engine& e = engine_;
    if (e.computerOnTurn()) {
        const PlayerSheet sheet = e.sheet();
        const TurnState turn = e.turn();
        e.mnuUndoUndo_Click();
        e.picRollDices_MouseUp();
        e.picDice_Click(0);
        for (int r = 0; r < kRowCount; ++r)
            e.cellClick(3, r);
        fail("clicks during the computer's turn", checkSameMove(sheet, turn, e.sheet(), e.turn()));
    }
    e.computerNext() && chance(0.5) ? e.cmdNextPlayer_Click() : e.tmrComputer_Timer();
    after("computer");
}

void Bot::step() {
    Engine& e = engine_;
    const Board& b = e.board();
    const TurnState& t = e.turn();

    if (chance(options_.newGameChance) && e.game().GameStarted) {
        platform_.answers = {MsgAnswer::Ok};
        e.mnuNewGame_Click();
        abandoned_ = true;
        return after("NewGame", true);
    }
    if (b.mnuUndoUndo.enabled && chance(options_.undoChance)) {
        const PlayerSheet moved = e.sheet();
        const TurnState movedTurn = t;
        e.mnuUndoUndo_Click();
        after("Undo", true);
        if (b.mnuUndoRedo.enabled && chance(options_.redoChance)) {
            e.mnuUndoRedo_Click();
            after("Redo");
            // The replay must land exactly where the move had left the game.
            fail("Undo+Redo", checkSameMove(moved, movedTurn, e.sheet(), t));
        }
        return;
    }
    if (b.mnuUndoRedo.enabled && chance(options_.redoChance)) {
        // A replay of the sheet's last cell may be answered Undo again.
        if (chance(options_.endGameUndoChance)) platform_.endGameAnswers = {EndGameAnswer::Undo};
        e.mnuUndoRedo_Click();
        platform_.endGameAnswers.clear();
        return after("Redo");
    }
    if (chance(options_.keyChance)) pressSomeKey();
    if (chance(options_.hintChance)) {
        const bool honoured = t.HintAllowed && !e.game().HintsAlways && b.tbHint.enabled;
        e.Toolbar2_ButtonClick("tbHint");
        after("Hint", false, honoured);
    }
    if (chance(options_.modeSwitchChance)) {
        // Switching to the always mode values the dice once a game runs.
        const bool toAlways = b.mnuHintsAllways2.visible;
        toAlways ? e.mnuHintsAllways2_Click() : e.mnuHintsByRequest2_Click();
        after("HintMode", false, toAlways && e.game().GameStarted);
    }
    if (b.tmrComputer.running) return computerStep();
    if (b.cmdNextPlayer.visible) {
        e.cmdNextPlayer_Click();
        return after("NextPlayer", false, true);
    }
    const auto canRoll = [&b] { return b.picRollDices.enabled && b.picRollDices.visible; };
    if (t.RollCount == 0 && !t.Announced) {
        upperTurn_ = chance(options_.upperChance);
        if (canRoll()) return roll();
        if (!clickSomeOfferedCell()) failures_.push_back("stuck before the first roll");
        return;
    }
    if (t.RollCount < 3) holdSomeDice();
    if (canRoll() && chance(0.55)) return roll();
    if (clickSomeOfferedCell() || e.game().GameFinished) return;
    if (canRoll()) return roll();
    failures_.push_back("stuck: nothing offered and no roll possible");
    abandoned_ = true;
}

} // namespace rollwell
