#include "game/engine.h"

#include "game/text.h"

#include <algorithm>

namespace rollwell {

std::string ResultText(int32_t score, int32_t rank, bool saved) {
    const std::string points = std::to_string(score);
    if (!saved) return "  Your score of " + points + " points could not be saved.";
    if (rank < 1) {
        return "  Your score of  " + points + " points was not good enough to get on the  \n" +
               "   top scores table.";
    }
    return "  Your score of  " + points + " points was good enough to get on the \n" +
           "   top scores table at position #" + std::to_string(rank) + ".";
}

void Engine::FinishGame() {
    game_.GameStarted = false;
    board_.StatusPanel(2).text = " ";

    const int table = TableNumber(settings_.NumberOfColumns, settings_.NumberOfDice);
    const int32_t score = valueOf(sheet_().GrandTotal);
    run_.LastScore = score;
    std::string name = settings_.Player1;
    if (twoPlayers() && board_.StatusPanel(1).text != settings_.Player1) name = settings_.Player2;
    const std::string date = fitToWidth(platform_.Today(), 10);

    syncSheet();
    // The tables hold people's results: the computer's sheet is not entered.
    ScoreEntryResult result;
    if (!settings_.computerPlays() || !game_.secondPlayerOnTurn())
        result = platform_.RecordResult(table, name, score, date);
    const bool saved = !result.errorText;
    run_.LastRank = result.placed ? result.rank : -1;
    if (!saved) {
        message(result.errorTitle.value_or("Open scores"), *result.errorText, MsgButtons::Ok,
                MsgIcon::Information);
    }

    run_.OpenedFromMain = true;
    run_.ScoresFromGame = true;
    board_.StatusPanel(2).text.clear();

    // A replayed placement (Redo) is heard once only; a result that could not
    // be saved was never judged, so it gets no sound at all.
    const bool audible = run_.SoundOn && !turn_.RedoPlacement;
    const TopScoresRequest request{true,
                                   true,
                                   run_.LastScore,
                                   run_.LastRank,
                                   table,
                                   ResultText(score, run_.LastRank, saved),
                                   audible && result.placed};
    if (twoPlayers()) {
        if (result.placed) platform_.ShowTopScores(request);
        if (!game_.secondPlayerOnTurn()) {
            // Player 1's sheet is full; player 2 still has a turn to play.
            run_.Player1Total = score;
            return;
        }
        run_.Player2Total = score;
        WinnerInfo info;
        info.lblPlayer1 = trimRight(settings_.Player1) + "'s Total Score:";
        info.lblPlayer2 = trimRight(player2Name()) + "'s Total Score:";
        info.lblScore1 = std::to_string(run_.Player1Total);
        info.lblScore2 = std::to_string(run_.Player2Total);
        if (run_.Player1Total > run_.Player2Total) {
            info.lblWiner = settings_.Player1 + "Wins!";
            playAsync("applause");
        } else if (run_.Player2Total > run_.Player1Total) {
            info.lblWiner = player2Name() + "Wins!";
            playAsync("applause");
        } else {
            info.lblWiner = "It's a Draw!";
            playAsync("draw");
        }
        platform_.ShowWinner(info);
        board_.cmdShowNextBoard.visible = true;
        board_.cmdShowNextBoard.enabled = true;
        board_.cmdShowNextBoard.caption = "    Show      Player 1's  Board";
    } else {
        if (audible && saved && !result.placed) playAsync("endGame1");
        platform_.ShowTopScores(request);
        board_.picRollDices.enabled = false;
    }
    board_.picRollDices.picture = RollPicture::picRollOff;
    board_.setUndoEnabled(false);
    board_.setRedoEnabled(false);
    game_.GameStarted = true;
    game_.GameFinished = true;
    std::string& text = run_.GameOverText;
    text.assign(50, ' ');
    text.append("G a m e  O v e r !");
    text.append(28, ' ');
    text.append("To begin a new game click the 'New Game' button or press F2");
    board_.tmrGameOver.interval = 1;
    board_.tmrGameOver.running = true;
}

void Engine::tmrGameOver_Timer() {
    if (!run_.marqueeStarted) {
        board_.StatusPanel(2).text.clear();
        board_.StatusPanel(4).text.clear();
        board_.tmrGameOver.interval = 2000;
    } else {
        board_.tmrGameOver.interval = 150;
        std::string& text = run_.GameOverText;
        if (!text.empty()) std::rotate(text.begin(), text.begin() + 1, text.end());
        board_.StatusPanel(2).text = text;
    }
    run_.marqueeStarted = true;
}

} // namespace rollwell
