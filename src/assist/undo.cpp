#include "game/engine.h"

namespace rollwell {

void Engine::mnuUndoUndo_Click() {
    if (!board_.mnuUndoUndo.enabled) return;
    Undo();
    syncSheet();
}

void Engine::mnuUndoRedo_Click() {
    if (!board_.mnuUndoRedo.enabled) return;
    Redo();
    syncSheet();
}

// Takes the latest placement or announcement back and puts the turn back as it
// stood before that move, from the copies the move left behind. The player on
// turn stays the same: only the next roll hands over.
void Engine::Undo() {
    PlayerSheet& s = sheet_();
    TurnState& t = turn_;
    clearAdvice();

    t.HintAllowed = !t.HintAllowed;
    board_.cmdNextPlayer.visible = false;
    board_.tmrComputer.running = false; // the computer no longer plays next
    board_.setUndoEnabled(false);
    if (t.RollsUsed >= 1 && t.RollsUsed <= 3) board_.setRollLights(t.RollsUsed);
    for (int r = 0; r < kRowCount; ++r)
        board_.lblTip[r].text = t.SavedHints[r];

    // An announcement leaves the roll count as it is (always 1); a placement
    // gives the turn back its rolls.
    if (!t.Announced) t.RollCount = t.RollsUsed;
    if (!t.Announced && t.HideAnnounceOnRoll) {
        // An announced cell was placed: Redo must announce it again first.
        t.HideAnnounceOnRoll = false;
        t.RedoAnnounce = true;
    } else {
        // Any other move: a flag left over from an earlier announced placement
        // must not make Redo place a cell that was only announced.
        t.RedoAnnounce = false;
    }
    if (t.HideAnnounceOnRoll) t.RollCount = t.RollsUsed;

    if (t.RollCount == 3) {
        rollButtonOff();
        board_.StatusPanel(2).text = "Place your score";
    } else {
        board_.StatusPanel(2).text = "Place your score or roll the dice";
    }

    const int dice = game_.diceInPlay();
    for (int i = 0; i < dice; ++i) {
        t.DiceValues[i] = t.SavedDice[i];
        board_.picDice[i].face = t.DiceValues[i];
        board_.PicDiceOff[i].face = t.DiceValues[i];
    }
    // After the third roll the dice stay free and unclickable, as the end of
    // the turn left them.
    if (t.RollCount < 3 || t.Announced || t.HideAnnounceOnRoll) {
        for (int i = 0; i < dice; ++i) {
            t.DiceHeld[i] = t.SavedHeld[i];
            board_.picDice[i].enabled = true;
            board_.PicDiceOff[i].enabled = true;
            board_.picDice[i].visible = !t.DiceHeld[i];
            board_.PicDiceOff[i].visible = t.DiceHeld[i];
        }
    }

    // The cell itself; an announcement has written none.
    int row = -1;
    switch (t.CurrentColumn) {
    case 1:
        s.NextDownRow -= 1;
        row = s.NextDownRow;
        break;
    case 2:
        s.NextUpRow += 1;
        row = s.NextUpRow;
        break;
    case 3:
        row = t.CurrentRow;
        break;
    case 4:
        if (!t.Announced) row = t.CurrentRow;
        break;
    default:
        break;
    }
    // Only a cell emptied here takes a placement off the count.
    if (row >= 0 && s.TakeBack(t.CurrentColumn, row)) s.PlacedCount -= 1;

    if (!t.AnnounceStanding) {
        if (yamb()) {
            if (s.NextDownRow >= 0 && s.NextDownRow < kRowCount) {
                board_.cmdDown(s.NextDownRow).visible = true;
                board_.cmdDown(s.NextDownRow).enabled = true;
            }
            if (s.NextUpRow >= 0 && s.NextUpRow < kRowCount) {
                board_.cmdUp(s.NextUpRow).visible = true;
                board_.cmdUp(s.NextUpRow).enabled = true;
            }
        }
        for (int r = 0; r < kRowCount; ++r) {
            if (!s.isEmpty(3, r)) continue;
            board_.cmdRand(r).visible = true;
            board_.cmdRand(r).enabled = true;
        }
    }
    // Back at the first roll (or before the announcement): the Announce
    // column is open again.
    if (yamb() && (t.Announced || t.HideAnnounceOnRoll || t.RollCount == 1)) {
        for (int r = 0; r < kRowCount; ++r) {
            if (!s.isEmpty(4, r)) continue;
            board_.cmdOblg(r).visible = true;
            board_.cmdOblg(r).enabled = true;
        }
        rollButtonReady();
        t.Announced = false;
    }
    if (t.AnnounceStanding) {
        board_.cmdOblg(t.CurrentRow).visible = true;
        board_.cmdOblg(t.CurrentRow).enabled = true;
    }

    // The turn comes back with every die held: nothing could roll, so the
    // roll button is off until a die is released, as while holding them.
    if (t.RollCount < 3 && allDiceHeld()) rollButtonOff();

    t.RedoColumn = t.CurrentColumn;
    t.CurrentColumn = 0;
    board_.setRedoEnabled(true);
    playAsync("undo");

    if (twoPlayers()) {
        // An empty grand total counts as 0; the score panel shows it as "0".
        if (!s.GrandTotal) s.GrandTotal = 0;
        syncSheet();
        showScorePanel();
    }
}

// Replays the move taken back through the click handler of its column, on the
// dice Undo put back, so it scores the same and runs every placement rule
// again; only its sound stays silent.
void Engine::Redo() {
    TurnState& t = turn_;
    clearAdvice();
    t.HintAllowed = !t.HintAllowed;
    // The hand-over button is left to the replayed placement, which offers it
    // when the turn really is over: not after a replayed announcement, nor
    // after the game's last placement.
    board_.setRedoEnabled(false);
    clearHints();

    t.RedoPlacement = true;
    if (t.RedoColumn >= 1 && t.RedoColumn <= kColumnCount) {
        clickCell(t.RedoColumn, t.CurrentRow);
        // The first click announced the cell; the second places it.
        if (t.RedoColumn == 4 && t.RedoAnnounce) {
            t.RedoPlacement = true;
            clickCell(4, t.CurrentRow);
        }
    }
    t.RedoPlacement = false;

    // Undo comes back only for a move the replay left standing: not when it
    // filled the sheet and recorded the result, nor when "Finish Game?" was
    // answered Undo again and the move is already taken back.
    if (t.CurrentColumn != 0 && sheet_().PlacedCount < sheetCapacity()) {
        board_.setUndoEnabled(true);
    }
    playAsync("redo");
}

} // namespace rollwell
