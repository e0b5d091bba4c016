#include "game/engine.h"

#include "game/keys.h"
#include "sheet/scoring.h"

#include <cstdio>

namespace rollwell {

namespace {
constexpr const char* kPlayer1Caption = "Rollwell - Player 1";
constexpr const char* kPlayer2Caption = "Rollwell - Player 2";
} // namespace

Engine::Engine(Settings& settings, Platform& platform) : settings_(settings), platform_(platform) {
    for (int r = 0; r < kRowCount; ++r) {
        board_.lblOption[r].text = std::string(kRowCaptions[r]);
    }
    board_.StatusPanel(2).text = "Roll the dice";
}

void Engine::Form_Load() {
    board_.windowWidth = 4900;
    game_.HighestDieIndex = settings_.NumberOfDice;
    ShowHintColumn();
    game_.FirstRollPending = true;
    game_.RollingBlocked = false;
    sheet_().NextUpRow = 12;
    LayOutBoard();
    for (int i = 0; i < game_.diceInPlay(); ++i) {
        turn_.DiceHeld[i] = false;
        board_.picDice[i].enabled = false;
        board_.picDice[i].visible = true;
        board_.PicDiceOff[i].visible = false;
    }
    board_.setUndoEnabled(false);
    board_.setRedoEnabled(false);
    board_.lblTimeElapsed = "00:00:00";
    board_.tmrTimeElapsed.running = true;
    syncSheet();
}

void Engine::NewGame() {
    if (!game_.GameStarted) return; // nothing to discard before the first roll

    if (run_.NewGameAnswer != 1) {
        MsgAnswer answer = MsgAnswer::Ok;
        if (settings_.ConfirmQuitGame && !game_.GameFinished) {
            answer = message("Confirm", "Quit this Game?", MsgButtons::OkCancel, MsgIcon::Question);
        }
        game_.GameFinished = false;
        if (answer != MsgAnswer::Ok && settings_.ConfirmQuitGame) return;
    } else {
        // The player has just agreed to a new game in the options; that answer
        // covers this one New Game, not every later one.
        run_.NewGameAnswer = 0;
        game_.GameFinished = false;
    }

    // The computer's turn stops where it stands.
    clearAdvice();
    board_.tmrComputer.running = false;
    board_.boardLocked = false;
    board_.setSuggestEnabled(true);

    // A fresh sheet: cells, totals and counters; the other player's sheet is
    // created anew at the first hand-over.
    sheet_() = PlayerSheet{};
    game_.sheets.resetStored();
    turn_.CurrentRow = 0;
    turn_.CurrentColumn = 0;
    turn_.RollCount = 0;
    turn_.RollsUsed = 0;
    turn_.LastPlacedScore = 0;
    turn_.Announced = turn_.AnnounceStanding = turn_.HideAnnounceOnRoll = false;
    turn_.RedoPlacement = false;
    game_.HintRefreshPending = game_.HintsAlways = game_.HoverActive = false;
    ShowHintColumn(); // a hint asked for in the abandoned game is not shown on
                      // the new board
    game_.EvaluateOnly = false;
    game_.RollingBlocked = false;
    turn_.RedoColumn = 0;
    turn_.RedoAnnounce = false;

    for (int i = 0; i < kMaxDice; ++i) {
        turn_.DiceValues[i] = 0;
        turn_.SavedDice[i] = 0;
        turn_.DiceHeld[i] = false;
        board_.picDice[i].enabled = false;
        board_.picDice[i].visible = i <= settings_.NumberOfDice;
        board_.PicDiceOff[i].visible = false;
    }
    game_.SecondPlayerOnTurn = {};
    // Nothing of the abandoned game can be taken back or replayed, and a game
    // that follows a two-player game always starts with player 1.
    board_.setUndoEnabled(false);
    board_.setRedoEnabled(false);
    game_.CurrentPlayer = 1;
    board_.cmdNextPlayer.visible = false;
    board_.cmdShowNextBoard.visible = false;
    board_.cmdShowNextBoard.enabled = false;

    if (board_.windowEnabled) playAsync("newGame");

    board_.StatusPanel(2).text.clear();
    board_.StatusPanel(3).text.clear();
    board_.StatusPanel(4).text.clear();
    board_.setRollLights(0);
    board_.picRollDices.visible = true;
    board_.picRollDices.picture = RollPicture::picRollDice;
    game_.GameStarted = false;

    if (twoPlayers()) {
        board_.cmdShowNextBoard.visible = false;
        board_.cmdShowNextBoard.enabled = false;
        board_.cmdNextPlayer.visible = false;
        game_.sheets.OtherPlayerTotal = 0;
        game_.CurrentPlayer = 1;
        board_.StatusPanel(1).text = settings_.Player1;
        board_.StatusPanel(3).text = "0 : 0";
        board_.caption = kPlayer1Caption;
    }
    if (settings_.hintAllways) {
        game_.HintsAlways = true;
        board_.mnuHintsByRequest.enabled = true;
        board_.mnuHintsAllways.enabled = false;
    }
    run_.rememberedLeft = windowLeft_;
    run_.rememberedTop = windowTop_;

    StartNewGameAnimation();
    setAnimationStartState();

    game_.HighestDieIndex = settings_.NumberOfDice;
    game_.FirstRollPending = true;
    // The animation's last tick lets the first roll in; until then the board
    // is still being built.
    board_.picRollDices.enabled = !board_.tmrAnimation.running;
    board_.tmrRollDice.running = true;
    board_.tmrGameOver.running = false;
    syncSheet();
}

void Engine::EndTurn() {
    const PlayerSheet& s = sheet_();
    for (int r = 0; r < kRowCount; ++r) {
        board_.cmdOblg(r).visible = false;
        board_.cmdRand(r).visible = false;
    }
    if (s.NextUpRow >= 0) board_.cmdUp(s.NextUpRow).visible = false;
    if (s.NextDownRow < kRowCount) board_.cmdDown(s.NextDownRow).visible = false;
    board_.setRollLights(0);
    turn_.RollsUsed = turn_.RollCount;
    turn_.RollCount = 0;
    resetDiceForNewTurn();
}

// Keeps the dice for Undo, then shows them free and unclickable until the next
// roll. They keep their faces.
void Engine::resetDiceForNewTurn() {
    for (int i = 0; i < game_.diceInPlay(); ++i) {
        turn_.SavedHeld[i] = turn_.DiceHeld[i];
        turn_.SavedDice[i] = turn_.DiceValues[i];
        board_.picDice[i].enabled = false;
        board_.picDice[i].visible = true;
        board_.PicDiceOff[i].visible = false;
        turn_.DiceHeld[i] = false;
    }
}

void Engine::HandOver() {
    if (yamb()) {
        game_.sheets.ExchangeSheets();
    } else {
        game_.sheets.ExchangeFreeSheets();
    }
    for (bool& flag : game_.SecondPlayerOnTurn)
        flag = !flag;
    game_.CurrentPlayer = game_.CurrentPlayer == 1 ? 2 : 1;
    board_.caption = game_.CurrentPlayer == 2 ? kPlayer2Caption : kPlayer1Caption;
    board_.cmdNextPlayer.visible = false;
}

void Engine::ShowPlayerName(int code) {
    if (code == 2) board_.StatusPanel(1).text = player2Name();
    if (code == 3) board_.StatusPanel(1).text = settings_.Player1;
}

void Engine::cmdShowNextBoard_Click() {
    if (!board_.cmdShowNextBoard.visible || !board_.cmdShowNextBoard.enabled) return;
    ShowOtherSheet();
}

void Engine::ShowOtherSheet() {
    static const std::string showPlayer1 = "    Show      Player 1's  Board";
    static const std::string showPlayer2 = "    Show      Player 2's  Board";
    if (board_.cmdShowNextBoard.caption == showPlayer1) {
        board_.cmdShowNextBoard.caption = showPlayer2;
        board_.caption = kPlayer1Caption;
        board_.StatusPanel(1).text = settings_.Player1;
        board_.StatusPanel(3).text = std::to_string(run_.Player1Total);
    } else {
        board_.cmdShowNextBoard.caption = showPlayer1;
        board_.caption = kPlayer2Caption;
        board_.StatusPanel(1).text = player2Name();
        board_.StatusPanel(3).text = std::to_string(run_.Player2Total);
    }
    if (yamb()) {
        game_.sheets.ExchangeSheets();
    } else {
        game_.sheets.ExchangeFreeSheets();
    }
    for (int c = 1; c <= kColumnCount; ++c) {
        if (!yamb() && c != 3) continue;
        for (int r = 0; r < kRowCount; ++r)
            board_.lbl(c, r).visible = true;
    }
    syncSheet();
}

void Engine::Form_KeyPress(int code) {
    if (code == kKeySpace) {
        platform_.MinimizeWindow();
    } else if (code == kKeyReturn) {
        // Enter fills (or announces) the cell under the keyboard's cursor;
        // without one it rolls or hands over.
        if (const CellCursor cell = board_.cellCursor) {
            cellClick(cell.column, cell.row);
        } else if (board_.picRollDices.enabled && !board_.cmdShowNextBoard.visible) {
            RollRequest();
        }
    }
}

void Engine::tmrTimeElapsed_Timer() {
    int h = 0, m = 0, s = 0;
    if (std::sscanf(board_.lblTimeElapsed.c_str(), "%d:%d:%d", &h, &m, &s) != 3) h = m = s = 0;
    int total = ((h * 60 + m) * 60 + s + 1) % (24 * 3600);
    if (total < 0) total = 0;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", total / 3600, total / 60 % 60, total % 60);
    board_.lblTimeElapsed = text;
    board_.StatusPanel(5).text = board_.lblTimeElapsed;
}

int32_t Engine::ScoreForRow(int row) {
    std::span<int32_t> dice(turn_.DiceValues.data(), static_cast<size_t>(game_.diceInPlay()));
    std::array<int32_t, 6> copy = turn_.DiceValues;
    std::span<int32_t> sorted(copy.data(), dice.size());
    if (!game_.EvaluateOnly) {
        SortDice(dice);
        sorted = dice;
    } else {
        // Hints sort the dice before asking; a sorted copy gives the same value
        // and never depends on the caller.
        SortDice(sorted);
    }
    turn_.LastPlacedScore = ScoreSortedForRow(static_cast<ScoreRow>(row), sorted);
    return turn_.LastPlacedScore;
}

void Engine::playAsync(std::string_view name) {
    if (run_.SoundOn) platform_.PlaySoundAsync(name);
}

void Engine::playSync(std::string_view name) {
    if (!run_.SoundOn) return;
    syncSheet();
    platform_.PlaySoundSync(name);
}

void Engine::pause(int ms) {
    syncSheet();
    platform_.Pause(ms);
}

MsgAnswer Engine::message(std::string_view title, std::string_view text, MsgButtons buttons,
                          MsgIcon icon) {
    syncSheet();
    return platform_.MessageBox(title, text, buttons, icon);
}

void Engine::syncSheet() {
    dropStaleCursor();
    const PlayerSheet& s = sheet_();
    if (syncedSheet_ && *syncedSheet_ == s) return;
    syncedSheet_ = s;
    for (int c = 1; c <= kColumnCount; ++c) {
        ColumnControls& col = board_.columns[c - 1];
        for (int r = 0; r < kRowCount; ++r)
            col.lbl[r].text = cellText(s.cell(c, r));
        const ColumnTotals& t = s.columnTotals(c);
        col.Tot1.text = cellText(t.UpperSubTotal);
        col.Tot2.text = cellText(t.MaxMinProduct);
        col.Tot.text = cellText(t.ColumnTotal);
    }
    board_.lblGrandTotal.text = cellText(s.GrandTotal);
}

} // namespace rollwell
