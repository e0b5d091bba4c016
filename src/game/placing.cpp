#include "game/engine.h"

namespace rollwell {

void Engine::cmdDown_Click(int index) {
    cellClick(1, index);
}
void Engine::cmdUp_Click(int index) {
    cellClick(2, index);
}
void Engine::cmdRand_Click(int index) {
    cellClick(3, index);
}
void Engine::cmdOblg_Click(int index) {
    cellClick(4, index);
}

void Engine::cellClick(int column, int index) {
    if (column < 1 || column > kColumnCount || index < 0 || index >= kRowCount) return;
    const CellButton& button = board_.cmd(column, index);
    if (!button.visible || !button.enabled || personLockedOut()) return;
    clickCell(column, index);
    syncSheet();
}

void Engine::clickCell(int column, int index) {
    clearAdvice();
    placeCursor({}); // a placement or an announcement takes the keyboard's cursor away
    if (column == 4) {
        oblgClick(index);
    } else {
        PlaceScore(column, index);
    }
}

// An Announce cell is announced by its first click and placed by the next
// (or by the third roll); a standing announcement places at once.
void Engine::oblgClick(int index) {
    if (!turn_.Announced && !turn_.AnnounceStanding) {
        announce(index);
    } else {
        PlaceScore(4, index);
    }
}

void Engine::saveAndClearHints() {
    for (int r = 0; r < kRowCount; ++r) {
        turn_.SavedHints[r] = board_.lblTip[r].text;
        board_.lblTip[r].text.clear();
    }
}

void Engine::announce(int index) {
    turn_.CurrentColumn = 4;
    turn_.CurrentRow = index;
    if (game_.RollingBlocked) {
        rollButtonReady();
        game_.RollingBlocked = false;
    }
    saveAndClearHints();
    turn_.SavedDice = turn_.DiceValues;
    turn_.SavedHeld = turn_.DiceHeld;
    board_.setUndoEnabled(true);
    board_.setRedoEnabled(false);
    if (!turn_.RedoPlacement) playAsync("announce");

    const PlayerSheet& s = sheet_();
    for (int r = 0; r < kRowCount; ++r) {
        board_.cmdOblg(r).visible = false;
        board_.cmdRand(r).visible = false;
    }
    board_.cmdOblg(index).visible = true;
    if (s.NextUpRow >= 0) board_.cmdUp(s.NextUpRow).visible = false;
    if (s.NextDownRow < kRowCount) board_.cmdDown(s.NextDownRow).visible = false;

    turn_.RollCount = 1;
    turn_.RollsUsed = 1;
    turn_.Announced = true;
    turn_.RedoPlacement = false;
    finishPlacementStep(index);
}

void Engine::PlaceScore(int column, int index) {
    const bool announceColumn = column == 4;
    PlayerSheet& s = sheet_();
    turn_.CurrentColumn = column;
    turn_.CurrentRow = index;
    if (announceColumn) {
        if (game_.RollingBlocked) {
            rollButtonReady();
            game_.RollingBlocked = false;
        }
    } else {
        board_.setUndoEnabled(true);
        board_.setRedoEnabled(false);
    }
    saveAndClearHints();

    CellButton& clicked = board_.cmd(column, index);
    clicked.visible = false;
    if (!yamb() && column == 3) clicked.picture = CellPicture::img1ColumnP;
    if (announceColumn) {
        turn_.AnnounceStanding = false;
        board_.setRollLights(0);
        turn_.RollsUsed = turn_.RollCount;
        turn_.RollCount = 0;
        resetDiceForNewTurn();
        turn_.HideAnnounceOnRoll = true;
    } else {
        EndTurn();
    }

    const bool fillsSheet = s.PlacedCount == sheetCapacity() - 1;
    const int32_t value = ScoreForRow(index);
    s.RecordScore(column, index, value);
    s.RecomputeGrandTotal();

    if (!turn_.RedoPlacement) {
        const char* sound = turn_.LastPlacedScore != 0 ? "score" : "scoreZero";
        // The last placement's sound ends before the game end begins.
        if (fillsSheet) {
            playSync(sound);
        } else {
            playAsync(sound);
        }
    }
    if (column == 1) s.NextDownRow += 1;
    if (column == 2) s.NextUpRow -= 1;
    rollButtonReady();
    s.PlacedCount += 1;

    if (announceColumn) {
        if (turn_.RollsUsed < 3) {
            board_.setUndoEnabled(true);
            board_.setRedoEnabled(false);
            board_.StatusPanel(2).text = "Roll the dice or undo last move";
        } else {
            board_.StatusPanel(2).text = "Roll the dice";
        }
        turn_.AnnounceStanding = turn_.RollsUsed == 2;
        turn_.Announced = false;
        turn_.RedoAnnounce = false;
    }

    SheetEnd end;
    if (s.PlacedCount >= sheetCapacity()) end = endOfSheet(column);
    if (end.endPlacement) return;

    turn_.RedoPlacement = false;
    if (twoPlayers() && end.offerHandOver) {
        board_.cmdNextPlayer.visible = true;
        board_.cmdNextPlayer.caption = game_.CurrentPlayer == 1 ? player2Name() : settings_.Player1;
    }
    if (computerNext()) startComputer();
    if (!announceColumn) turn_.HintAllowed = false;

    if (twoPlayers()) {
        showScorePanel();
    } else if (!end.reopened) {
        // After "Finish Game?" answered Undo, Undo's own message stands: the
        // turn is open again and cannot be undone further.
        board_.StatusPanel(2).text = "Roll the dice or undo last move";
    }
    finishPlacementStep(index);
}

// What a full sheet leads to: the game end at once after three rolls, or the
// "Finish Game?" question when rolls were left.
Engine::SheetEnd Engine::endOfSheet(int column) {
    SheetEnd end;
    const bool player1OnTurn = !game_.secondPlayerOnTurn();
    // A result written into the top-scores table cannot be taken back, also
    // when player 1's sheet is full and player 2 plays on.
    auto finish = [this] {
        FinishGame();
        board_.setUndoEnabled(false);
        board_.setRedoEnabled(false);
    };
    if (turn_.RollsUsed >= 3) {
        finish();
        end.endPlacement = !twoPlayers() || !player1OnTurn;
        return end;
    }
    const int32_t rollsUsed = turn_.RollsUsed;
    if (askEndGame()) {
        finish();
        if (twoPlayers()) {
            end.offerHandOver = player1OnTurn;
        } else {
            end.endPlacement = column == 4;
        }
    } else {
        Undo();
        end.reopened = true;
        if (column == 4 && rollsUsed == 1) turn_.Announced = true;
        if (twoPlayers()) end.offerHandOver = false;
    }
    return end;
}

bool Engine::askEndGame() {
    // The computer finishes its sheet without asking the person.
    if (settings_.computerPlays() && game_.secondPlayerOnTurn()) return true;
    syncSheet();
    switch (platform_.ShowEndGameDialog()) {
    case EndGameAnswer::Finish:
        run_.EndGameChoice = true;
        break;
    case EndGameAnswer::Undo:
        run_.EndGameChoice = false;
        break;
    case EndGameAnswer::Closed:
        break; // the previous choice stands
    }
    return run_.EndGameChoice;
}

// Both grand totals, player 1's first.
void Engine::showScorePanel() {
    const std::string shown = cellText(sheet_().GrandTotal);
    const std::string other = std::to_string(game_.sheets.OtherPlayerTotal);
    board_.StatusPanel(3).text =
        board_.caption == "Rollwell - Player 2" ? other + " : " + shown : shown + " : " + other;
}

void Engine::finishPlacementStep(int index) {
    game_.HoverActive = false;
    board_.lblOption[index].highlighted = false;
}

} // namespace rollwell
