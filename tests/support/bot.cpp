#include "support/bot.h"

#include "support/invariants.h"

#include "sheet/scoring.h"

#include <algorithm>
#include <span>
#include <tuple>

namespace rollwell {

Bot::Bot(const Settings& settings, Options options)
    : settings_(settings), platform_(options.seed * 7919u + 13u), engine_(settings_, platform_),
      options_(options), rng_(options.seed) {
    engine_.Form_Load();
}

bool Bot::chance(double p) {
    return p > 0 && std::uniform_real_distribution<double>(0, 1)(rng_) < p;
}

void Bot::runAnimation() {
    for (int i = 0; i < 1000 && engine_.board().tmrAnimation.running; ++i) {
        engine_.tmrAnimation_Timer();
    }
}

int Bot::playGame() {
    abandoned_ = false;
    if (engine_.game().GameStarted) {
        engine_.NewGame();
        after("NewGame", true);
        snapshot_[0] = snapshot_[1] = PlayerSheet{};
    }
    runAnimation();
    for (int guard = 0; guard < 20000; ++guard) {
        if (engine_.game().GameFinished || abandoned_) break;
        step();
    }
    if (!engine_.game().GameFinished && !abandoned_) failures_.push_back("game did not end");
    const SheetPair& sheets = engine_.game().sheets;
    const auto& other = settings_.isYamb() ? sheets.stored : sheets.storedFree;
    for (const auto* s : {&sheets.shown, other ? &*other : nullptr})
        bonuses_ += s ? static_cast<int>(std::ranges::count(s->BonusAwarded, true)) : 0;
    int placed = sheets.shown.PlacedCount;
    if (other) placed += other->PlacedCount;
    return placed;
}

void Bot::after(const std::string& what, bool cellsMayEmpty, bool hintsFresh) {
    ++events_;
    if (!options_.checks) return;
    const int player = engine_.game().CurrentPlayer - 1;
    std::string err = checkAll(engine_);
    if (!cellsMayEmpty) err += checkFilledCellsKept(snapshot_[player], engine_.sheet());
    // A refused roll values nothing: the labels keep what they showed.
    if (hintsFresh && !engine_.game().RollingBlocked) err += checkHintLabels(engine_);
    snapshot_[player] = engine_.sheet();
    if (!err.empty() && failures_.size() < 20) failures_.push_back(what + ": " + err);
}

bool Bot::clickSomeOfferedCell() {
    std::vector<std::pair<int, int>> offered;
    const Board& b = engine_.board();
    for (int c = 1; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            if (b.cmd(c, r).visible && b.cmd(c, r).enabled) offered.emplace_back(c, r);
        }
    }
    if (offered.empty()) return false;
    auto [c, r] = offered[std::uniform_int_distribution<size_t>(0, offered.size() - 1)(rng_)];
    const bool rolled = std::ranges::all_of(dice(), [](int32_t f) { return f >= 1 && f <= 6; });
    if (upperTurn_ && rolled) {
        // The offered upper row the dice fill best, if they hold three of its
        // face; otherwise any lower row, to keep the upper rows for good rolls.
        int32_t best = 0;
        std::vector<std::pair<int, int>> lower;
        for (auto [oc, orow] : offered) {
            if (!IsUpperRow(orow)) {
                lower.emplace_back(oc, orow);
                continue;
            }
            const int32_t value = ScoreForRow(static_cast<ScoreRow>(orow), dice());
            if (value >= 3 * (orow + 1) && value > best) {
                best = value;
                c = oc;
                r = orow;
            }
        }
        if (best == 0 && !lower.empty()) {
            std::tie(c, r) =
                lower[std::uniform_int_distribution<size_t>(0, lower.size() - 1)(rng_)];
        }
    }
    if (chance(options_.endGameUndoChance)) {
        platform_.endGameAnswers.push_back(EndGameAnswer::Undo);
    }
    engine_.cellClick(c, r);
    platform_.endGameAnswers.clear();
    after("click " + std::to_string(c) + "/" + std::to_string(r), true);
    return true;
}

// Holds every die showing the most common face and releases the others.
void Bot::holdMostCommonFace() {
    const std::span<const int32_t> faces = dice();
    std::array<int, 7> counts{};
    for (int32_t f : faces)
        counts[static_cast<size_t>(f)] += 1;
    const auto face = std::ranges::max_element(counts) - counts.begin();
    const Board& b = engine_.board();
    for (int i = 0; i < static_cast<int>(faces.size()); ++i) {
        const bool hold = faces[static_cast<size_t>(i)] == face;
        if (hold && b.picDice[i].visible && b.picDice[i].enabled) engine_.picDice_Click(i);
        if (!hold && b.PicDiceOff[i].visible && b.PicDiceOff[i].enabled)
            engine_.PicDiceOff_Click(i);
    }
    after("hold for an upper row");
}

// Redo; a replay of the sheet's last cell may be answered Undo again.
void Bot::redo() {
    if (chance(options_.endGameUndoChance)) platform_.endGameAnswers.push_back(EndGameAnswer::Undo);
    engine_.mnuUndoRedo_Click();
    platform_.endGameAnswers.clear();
    after("Redo");
}

void Bot::step() {
    Engine& e = engine_;
    const Board& b = e.board();
    const TurnState& t = e.turn();

    if (chance(options_.newGameChance) && e.game().GameStarted) {
        platform_.answers.push_back(MsgAnswer::Ok);
        e.mnuNewGame_Click();
        platform_.answers.clear();
        after("NewGame", true);
        snapshot_[0] = snapshot_[1] = PlayerSheet{};
        abandoned_ = true;
        return;
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
            const std::string err = checkSameMove(moved, movedTurn, e.sheet(), t);
            if (!err.empty() && failures_.size() < 20) failures_.push_back("Undo+Redo: " + err);
        }
        return;
    }
    if (b.mnuUndoRedo.enabled && chance(options_.redoChance)) {
        redo();
        return;
    }
    if (chance(options_.hintChance)) {
        const bool honoured = t.HintAllowed && !e.game().HintsAlways && b.tbHint.enabled;
        e.Toolbar2_ButtonClick("tbHint");
        after("Hint", false, honoured);
    }
    if (chance(options_.modeSwitchChance)) {
        // Switching to the always mode values the dice once a game runs; the
        // other way round computes nothing.
        const bool toAlways = b.mnuHintsAllways2.visible;
        if (toAlways) {
            e.mnuHintsAllways2_Click();
        } else {
            e.mnuHintsByRequest2_Click();
        }
        after("HintMode", false, toAlways && e.game().GameStarted);
    }

    if (b.cmdNextPlayer.visible) {
        e.cmdNextPlayer_Click();
        after("NextPlayer", false, true);
        return;
    }
    const bool canRoll = b.picRollDices.enabled && b.picRollDices.visible;
    if (t.RollCount == 0 && !t.Announced) {
        upperTurn_ = chance(options_.upperChance);
        if (canRoll) {
            e.picRollDices_MouseUp();
            after("roll", false, true);
            return;
        }
        if (!clickSomeOfferedCell()) failures_.push_back("stuck before the first roll");
        return;
    }
    // Hold or release a die now and then, or keep a face for an upper row.
    if (upperTurn_ && t.RollCount < 3 &&
        std::ranges::all_of(dice(), [](int32_t f) { return f >= 1; }))
        holdMostCommonFace();
    for (int i = 0; i < e.game().diceInPlay() && !upperTurn_; ++i) {
        if (!chance(0.2)) continue;
        if (b.picDice[i].visible && b.picDice[i].enabled) {
            e.picDice_Click(i);
            after("hold");
        } else if (b.PicDiceOff[i].visible && b.PicDiceOff[i].enabled) {
            e.PicDiceOff_Click(i);
            after("release");
        }
    }
    if (b.picRollDices.enabled && b.picRollDices.visible && chance(0.55)) {
        e.picRollDices_MouseUp();
        after("roll", false, true);
        return;
    }
    if (!clickSomeOfferedCell()) {
        if (b.picRollDices.enabled && b.picRollDices.visible) {
            e.picRollDices_MouseUp();
            after("roll", false, true);
        } else if (!e.game().GameFinished) {
            // Every die held: release one so the turn can go on.
            for (int i = 0; i < e.game().diceInPlay(); ++i) {
                if (b.PicDiceOff[i].visible && b.PicDiceOff[i].enabled) {
                    e.PicDiceOff_Click(i);
                    after("release");
                    return;
                }
            }
            failures_.push_back("stuck: nothing offered and no roll possible");
            abandoned_ = true;
        }
    }
}

} // namespace rollwell
