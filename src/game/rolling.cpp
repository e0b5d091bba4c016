#include "game/engine.h"
#include "game/randomvalue.h"

#include "sheet/scoring.h"

namespace rollwell {

namespace {
// A face 1..faces from a uniform value, safe against a source that strays out
// of [0, 1).
int32_t faceFrom(double r, int faces) {
    return intWithin(faces * r + 1, 1, faces);
}
} // namespace

void Engine::picRollDices_MouseDown() {
    if (personLockedOut()) return;
    // A switched-off button keeps its picture: no mouse-up would put it back.
    if (!board_.picRollDices.enabled || !board_.picRollDices.visible) return;
    board_.picRollDices.picture = RollPicture::picRollOn;
}

void Engine::picRollDices_MouseUp() {
    if (!board_.picRollDices.enabled || !board_.picRollDices.visible) return;
    RollRequest();
}

void Engine::cmdNextPlayer_Click() {
    if (!board_.cmdNextPlayer.visible || !board_.cmdNextPlayer.enabled) return;
    RollRequest();
}

void Engine::RollRequest() {
    // The person's roll or hand-over when the computer plays next lets it
    // start at once.
    if (!computerActing_ && computerNext()) return tmrComputer_Timer();
    if (personLockedOut()) return;
    clearAdvice();
    int nameCode = 0;
    if (twoPlayers() && board_.cmdNextPlayer.visible) {
        HandOver();
        nameCode = game_.CurrentPlayer == 2 ? 2 : 3;
    }
    game_.GameStarted = true;
    platform_.Reseed();

    if (game_.FirstRollPending) {
        for (int r = 0; r < kRowCount; ++r) {
            board_.cmdRand(r).enabled = true;
            if (yamb()) {
                board_.cmdDown(r).visible = false;
                board_.cmdDown(r).enabled = true;
                board_.cmdUp(r).visible = false;
                board_.cmdUp(r).enabled = true;
                board_.cmdOblg(r).enabled = true;
            }
        }
        // In a single-column game the flag stays set and this repeats harmlessly.
        if (yamb()) game_.FirstRollPending = false;
    }
    board_.picRollDices.picture = RollPicture::picRollDice;

    PlayerSheet& s = sheet_();
    if (announceForced()) {
        rollButtonOff();
        message("Reminder", "You must announce now!", MsgButtons::Ok, MsgIcon::Exclamation);
        game_.RollingBlocked = true;
    }

    // The last cell of the sheet in the Announce column is announced for the player.
    if (s.PlacedCount == kYambCells - 1 && turn_.RollCount == 0 && yamb()) {
        int lastRow = -1;
        bool onlyAnnounceOpen = true;
        for (int c = 1; c <= kColumnCount; ++c) {
            for (int r = 0; r < kRowCount; ++r) {
                if (!s.isEmpty(c, r)) continue;
                if (c == 4) {
                    lastRow = r;
                } else {
                    onlyAnnounceOpen = false;
                }
            }
        }
        if (lastRow >= 0 && onlyAnnounceOpen) {
            turn_.CurrentRow = lastRow;
            turn_.CurrentColumn = 4;
            turn_.HideAnnounceOnRoll = turn_.Announced = turn_.AnnounceStanding = false;
            turn_.RedoAnnounce = false;
            board_.picRound[0] = true;
            board_.picRoundBG[0] = false;
            oblgClick(turn_.CurrentRow);
            board_.setRedoEnabled(false);
            turn_.RollCount -= 1;
            board_.setUndoEnabled(false);
        }
    }

    if (!game_.RollingBlocked) {
        clearHints();
        int freeDice = 0;
        for (int i = 0; i < game_.diceInPlay(); ++i)
            freeDice += turn_.DiceHeld[i] ? 0 : 1;
        if (freeDice >= 4) {
            playAsync("rollAll");
        } else if (freeDice == 1) {
            playAsync("rollOne");
        } else if (freeDice > 1) {
            playAsync("rollSome");
        }

        if (turn_.RollCount == 0) {
            turn_.HideAnnounceOnRoll = false;
            turn_.CurrentColumn = 0;
            turn_.AnnounceStanding = false;
            for (int i = 0; i < game_.diceInPlay(); ++i) {
                board_.picDice[i].enabled = true;
                board_.PicDiceOff[i].enabled = true;
            }
            offerCells();
        }
        if ((turn_.RollCount == 1 && !turn_.Announced) || turn_.HideAnnounceOnRoll) {
            for (int r = 0; r < kRowCount; ++r)
                board_.cmdOblg(r).visible = false;
            turn_.HideAnnounceOnRoll = false;
        }
        if (turn_.RollCount < 3) shakeAndSettle();

        if (turn_.RollCount == 3) {
            rollButtonOff();
            for (int i = 0; i < game_.diceInPlay(); ++i) {
                if (turn_.DiceHeld[i]) {
                    board_.PicDiceOff[i].enabled = false;
                } else {
                    board_.picDice[i].enabled = false;
                }
                turn_.DiceHeld[i] = false;
            }
            if (turn_.Announced || turn_.AnnounceStanding) {
                pause(200);
                oblgClick(turn_.CurrentRow);
                board_.setRedoEnabled(false);
                syncSheet();
                return;
            }
        }
        if (game_.HintsAlways) ComputeHints();
    }

    // Five equal dice while the Rollwell row is still open somewhere.
    const int rollwellRow = RowIndex(ScoreRow::Rollwell);
    bool rollwellOffered = false;
    for (int c = 1; c <= kColumnCount; ++c)
        rollwellOffered |= board_.cmd(c, rollwellRow).visible;
    if (run_.SoundOn && rollwellOffered) {
        std::array<int32_t, 6> sorted = turn_.DiceValues;
        std::span<int32_t> dice(sorted.data(), static_cast<size_t>(game_.diceInPlay()));
        SortDice(dice);
        if (dice[0] >= 1 && ScoreRollwell(dice) == kFiveOfAKind) playAsync("Rollwell");
    }

    if (game_.HintRefreshPending) {
        game_.HintRefreshPending = false;
        ShowHintColumn();
    }
    turn_.HintAllowed = true;
    board_.setUndoEnabled(false);
    board_.setRedoEnabled(false);
    ShowPlayerName(nameCode);
    board_.StatusPanel(2).text =
        turn_.RollCount >= 3 ? "Place your score" : "Place your score or roll the dice";
    syncSheet();
}

// The column rules: which cells the first roll of a turn offers.
void Engine::offerCells() {
    const PlayerSheet& s = sheet_();
    for (int r = 0; r < kRowCount; ++r) {
        if (s.isEmpty(3, r)) board_.cmdRand(r).visible = true;
    }
    if (!yamb()) return;
    if (s.NextDownRow < kRowCount) board_.cmdDown(s.NextDownRow).visible = true;
    if (s.NextUpRow >= 0) board_.cmdUp(s.NextUpRow).visible = true;
    for (int r = 0; r < kRowCount; ++r) {
        if (s.isEmpty(4, r)) board_.cmdOblg(r).visible = true;
    }
}

void Engine::shakeAndSettle() {
    const int dice = game_.diceInPlay();
    // While shaking the faces two to six flicker; face one never shows.
    for (int frame = 0; frame < 9; ++frame) {
        for (int i = 0; i < dice; ++i) {
            if (!turn_.DiceHeld[i]) board_.picDice[i].face = faceFrom(platform_.Random(), 5) + 1;
        }
        pause(60);
    }
    for (int i = 0; i < dice; ++i) {
        if (turn_.DiceHeld[i]) continue;
        const int32_t v = faceFrom(platform_.Random(), 6);
        board_.picDice[i].face = v;
        board_.PicDiceOff[i].face = v;
        turn_.DiceValues[i] = v;
    }
    turn_.RollCount += 1;
    if (!twoPlayers()) {
        board_.StatusPanel(4).text =
            "Round " + std::to_string(sheet_().PlacedCount + 1) + (yamb() ? " of 52" : " of 13");
    }
    board_.setRollLights(turn_.RollCount);
}

bool Engine::allDiceHeld() const {
    for (int i = 0; i < game_.diceInPlay(); ++i) {
        if (!turn_.DiceHeld[i]) return false;
    }
    return true;
}

void Engine::rollButtonOff() {
    board_.picRollDices.enabled = false;
    board_.picRollDices.picture = RollPicture::picRollOff;
}

void Engine::rollButtonReady() {
    board_.picRollDices.enabled = true;
    board_.picRollDices.picture = RollPicture::picRollDice;
}

void Engine::picDice_Click(int index) {
    setDieHeld(index, true);
}
void Engine::PicDiceOff_Click(int index) {
    setDieHeld(index, false);
}

// Holding shows the die in its held look; releasing brings the free look back.
// While every die is held there is nothing to roll.
void Engine::setDieHeld(int index, bool held) {
    if (index < 0 || index >= game_.diceInPlay() || personLockedOut()) return;
    const DiePicture& clicked = held ? board_.picDice[index] : board_.PicDiceOff[index];
    if (!clicked.visible || !clicked.enabled) return;
    turn_.DiceHeld[index] = held;
    turn_.SavedHeld[index] = held;
    board_.picDice[index].visible = !held;
    board_.PicDiceOff[index].visible = held;
    playAsync(held ? "holdDice" : "UnHoldDice");
    if (held && allDiceHeld()) rollButtonOff();
    if (!held && !board_.picRollDices.enabled) rollButtonReady();
}

void Engine::tmrRollDice_Timer() {
    if (run_.rollDiceTicks != 1) {
        run_.rollDiceTicks += 1;
        return;
    }
    board_.StatusPanel(2).text = "Roll the dice";
    board_.tmrRollDice.running = false;
    run_.rollDiceTicks = 0;
}

} // namespace rollwell
