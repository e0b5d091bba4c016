#include "gamefixture.h"

#include "support/invariants.h"

#include <algorithm>

namespace rollwell {
namespace {

const std::string kGameOverText = std::string(50, ' ') + "G a m e  O v e r !" +
                                  std::string(28, ' ') +
                                  "To begin a new game click the 'New Game' button or press F2";

class GameEnd : public GameFixture {
  protected:
    // A sheet with every cell filled with `value` but the last Rollwell cell
    // of the Free column.
    void presetLastCell(int32_t value) { probe().fillAllBut({{3, 12}}, value); }

    // Two-player Yahtzee with both sheets one cell short of full.
    void presetBothSheets(int32_t player1, int32_t player2) {
        presetLastCell(player2);
        const PlayerSheet second = probe().sheet();
        presetLastCell(player1);
        probe().sheets().storedFree = second;
        probe().sheets().OtherPlayerTotal = valueOf(second.GrandTotal);
    }

    void rolls(int n) {
        for (int i = 0; i < n; ++i)
            roll({1, 2, 3, 4, 6});
    }
    // The last cell: no five of a kind, so it scores 0.
    void placeLast() { engine->cellClick(3, 12); }
    void newGame() {
        engine->NewGame();
        for (int i = 0; i < 2000 && board().tmrAnimation.running; ++i)
            engine->tmrAnimation_Timer();
    }
};

TEST_F(GameEnd, FinalPlacementWithRollsLeftAsksAndUndoReopensTheLastCell) {
    for (int used : {1, 2}) {
        SCOPED_TRACE(used);
        platform.clearLog();
        platform.endGameDialogs = 0;
        start(1, 4, 1);
        presetLastCell(2);
        rolls(used);
        platform.endGameAnswers.push_back(EndGameAnswer::Undo);
        placeLast();
        EXPECT_EQ(platform.endGameDialogs, 1);
        EXPECT_TRUE(engine->sheet().isEmpty(3, 12));
        EXPECT_EQ(engine->sheet().PlacedCount, 12);
        EXPECT_FALSE(engine->game().GameFinished);
        EXPECT_TRUE(platform.records.empty());
        EXPECT_EQ(engine->turn().RollCount, used);
        EXPECT_TRUE(offered(3, 12));
        EXPECT_EQ(checkAll(*engine), "");
        EXPECT_EQ(board().StatusPanel(2).text, "Place your score or roll the dice")
            << "the reopened turn asks for a placement, not for an undo";

        // The game goes on: a roll and the placement ask again.
        if (used < 2) roll({6, 6, 6, 6, 6});
        platform.endGameAnswers.push_back(EndGameAnswer::Finish);
        placeLast();
        EXPECT_EQ(platform.endGameDialogs, 2);
        EXPECT_TRUE(engine->game().GameFinished);
        ASSERT_EQ(platform.records.size(), 1u);
    }
}

TEST_F(GameEnd, ClosingTheDialogKeepsThePreviousChoice) {
    start(1, 4, 1);
    presetLastCell(2);
    rolls(1);
    platform.endGameAnswers.push_back(EndGameAnswer::Closed); // nothing chosen yet: undo
    placeLast();
    EXPECT_TRUE(engine->sheet().isEmpty(3, 12));
    EXPECT_FALSE(engine->game().GameFinished);

    platform.endGameAnswers.push_back(EndGameAnswer::Finish);
    placeLast();
    ASSERT_TRUE(engine->game().GameFinished);

    // The next game: closing the dialog now finishes, as chosen last time.
    newGame();
    presetLastCell(2);
    rolls(1);
    platform.endGameAnswers.push_back(EndGameAnswer::Closed);
    placeLast();
    EXPECT_TRUE(engine->game().GameFinished);
    EXPECT_EQ(platform.records.size(), 2u);
}

TEST_F(GameEnd, OnePlayerThirdRollFinalPlacementEndsAtOnce) {
    start(1, 4, 1);
    presetLastCell(3); // ten counted cells of 3, product (3 - 3) x 3
    rolls(3);
    platform.recordResults.push_back({7, true, std::nullopt, std::nullopt});
    placeLast();

    EXPECT_EQ(platform.endGameDialogs, 0);
    ASSERT_EQ(platform.records.size(), 1u);
    EXPECT_EQ(platform.records[0].table, 4);
    EXPECT_EQ(platform.records[0].name, "Player 1  ");
    EXPECT_EQ(platform.records[0].score, 30);
    EXPECT_EQ(platform.records[0].date, "06.12.2026");
    ASSERT_EQ(platform.topScores.size(), 1u);
    const TopScoresRequest& shown = platform.topScores[0];
    EXPECT_TRUE(shown.ScoresFromGame && shown.OpenedFromMain);
    EXPECT_EQ(shown.LastScore, 30);
    EXPECT_EQ(shown.LastRank, 7);
    EXPECT_EQ(shown.tableNumber, 4);

    EXPECT_TRUE(engine->game().GameFinished);
    EXPECT_FALSE(board().picRollDices.enabled);
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollOff);
    EXPECT_FALSE(board().mnuUndoUndo.enabled || board().tbUndo.enabled);
    EXPECT_FALSE(board().mnuUndoRedo.enabled || board().tbRedo.enabled);
    EXPECT_EQ(checkAll(*engine), "");

    // The roll button does nothing until New Game.
    engine->picRollDices_MouseUp();
    EXPECT_EQ(engine->turn().RollCount, 0);

    // The marquee: 1 ms, then a 2 s pause with panels 2 and 4 cleared (the
    // first game end of the run), then one character every 150 ms.
    EXPECT_TRUE(board().tmrGameOver.running);
    EXPECT_EQ(board().tmrGameOver.interval, 1);
    engine->tmrGameOver_Timer();
    EXPECT_EQ(board().tmrGameOver.interval, 2000);
    EXPECT_EQ(board().StatusPanel(2).text, "");
    EXPECT_EQ(board().StatusPanel(4).text, "");
    engine->tmrGameOver_Timer();
    EXPECT_EQ(board().tmrGameOver.interval, 150);
    EXPECT_EQ(board().StatusPanel(2).text, kGameOverText.substr(1) + ' ');
    engine->tmrGameOver_Timer();
    EXPECT_EQ(board().StatusPanel(2).text, kGameOverText.substr(2) + "  ");
}

TEST_F(GameEnd, NewGameAfterTheEndAsksNothingAndALaterEndScrollsAtOnce) {
    start(1, 4, 1);
    presetLastCell(3);
    rolls(3);
    placeLast();
    engine->tmrGameOver_Timer();
    engine->tmrGameOver_Timer();

    platform.clearLog();
    newGame();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(engine->game().GameFinished);
    EXPECT_FALSE(board().tmrGameOver.running);

    presetLastCell(3);
    rolls(3);
    placeLast();
    ASSERT_TRUE(engine->game().GameFinished);
    const std::string round = board().StatusPanel(4).text;
    engine->tmrGameOver_Timer();
    EXPECT_EQ(board().tmrGameOver.interval, 150);
    EXPECT_EQ(board().StatusPanel(2).text, kGameOverText.substr(1) + ' ');
    EXPECT_EQ(board().StatusPanel(4).text, round);
}

TEST_F(GameEnd, AFailingScoresFileIsReportedAndTheGameStillEnds) {
    start(1, 4, 1);
    presetLastCell(3);
    rolls(3);
    platform.recordResults.push_back(
        {-1, false, "Open scores", "53File not foundCannot open /game/scores/scores4.dat"});
    placeLast();

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Open scores");
    EXPECT_EQ(platform.messages[0].text, "53File not foundCannot open /game/scores/scores4.dat");
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(platform.messages[0].buttons, MsgButtons::Ok);
    ASSERT_EQ(platform.topScores.size(), 1u); // one player: shown also when not placed
    EXPECT_EQ(platform.topScores[0].LastRank, -1);
    EXPECT_TRUE(engine->game().GameFinished);
    EXPECT_TRUE(board().tmrGameOver.running);
    EXPECT_FALSE(board().mnuUndoUndo.enabled);
}

struct Duel {
    int32_t player1, player2; // the value of every preset cell
    bool player1Placed;       // player 1's score entered the table
    const char* winner;
    const char* sound;
};

class TwoPlayerEnd : public GameEnd, public ::testing::WithParamInterface<Duel> {};

TEST_P(TwoPlayerEnd, Player1IsRecordedFirstThenTheWinnerIsShown) {
    const Duel d = GetParam();
    settings.Player1 = "Alexandra1"; // ten characters, no padding
    settings.Player2 = "Bo        ";
    start(1, 4, 2);
    presetBothSheets(d.player1, d.player2);
    // Max and Min never count: ten cells make the total.
    const int32_t total1 = 10 * d.player1, total2 = 10 * d.player2;

    rolls(3);
    platform.recordResults.push_back({3, d.player1Placed, std::nullopt, std::nullopt});
    placeLast();
    ASSERT_EQ(platform.records.size(), 1u);
    EXPECT_EQ(platform.records[0].name, "Alexandra1");
    EXPECT_EQ(platform.records[0].score, total1);
    EXPECT_EQ(platform.topScores.size(), d.player1Placed ? 1u : 0u);
    EXPECT_TRUE(platform.winners.empty());
    EXPECT_FALSE(engine->game().GameFinished);
    EXPECT_TRUE(board().cmdNextPlayer.visible);
    EXPECT_FALSE(board().mnuUndoUndo.enabled); // a recorded result stays recorded
    EXPECT_EQ(checkAll(*engine), "");

    platform.queueRoll(5, {1, 2, 3, 4, 6});
    engine->cmdNextPlayer_Click();
    ASSERT_EQ(engine->game().CurrentPlayer, 2);
    EXPECT_EQ(board().StatusPanel(1).text, "Bo        ");
    rolls(2);
    platform.clearLog();
    platform.recordResults.push_back({0, false, std::nullopt, std::nullopt});
    placeLast();

    ASSERT_EQ(platform.records.size(), 1u);
    EXPECT_EQ(platform.records[0].name, "Bo        ");
    EXPECT_EQ(platform.records[0].score, total2);
    EXPECT_TRUE(platform.topScores.empty());
    ASSERT_EQ(platform.winners.size(), 1u);
    const WinnerInfo& w = platform.winners[0];
    EXPECT_EQ(w.lblPlayer1, "Alexandra1's Total Score:");
    EXPECT_EQ(w.lblPlayer2, "Bo's Total Score:");
    EXPECT_EQ(w.lblScore1, std::to_string(total1));
    EXPECT_EQ(w.lblScore2, std::to_string(total2));
    EXPECT_EQ(w.lblWiner, d.winner);
    const auto sounds = platform.soundNames();
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), d.sound), sounds.end());

    EXPECT_TRUE(engine->game().GameFinished);
    EXPECT_TRUE(board().picRollDices.enabled); // only a one-player game disables it
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollOff);
    EXPECT_FALSE(board().mnuUndoUndo.enabled || board().mnuUndoRedo.enabled);
    EXPECT_FALSE(board().cmdNextPlayer.visible);
    EXPECT_EQ(checkAll(*engine), "");

    // Switching between the two finished sheets.
    ASSERT_TRUE(board().cmdShowNextBoard.visible && board().cmdShowNextBoard.enabled);
    EXPECT_EQ(board().cmdShowNextBoard.caption, "    Show      Player 1's  Board");
    engine->cmdShowNextBoard_Click();
    EXPECT_EQ(board().cmdShowNextBoard.caption, "    Show      Player 2's  Board");
    EXPECT_EQ(board().caption, "Rollwell - Player 1");
    EXPECT_EQ(board().StatusPanel(1).text, "Alexandra1");
    EXPECT_EQ(board().StatusPanel(3).text, std::to_string(total1));
    EXPECT_EQ(board().lblGrandTotal.text, std::to_string(total1));
    engine->cmdShowNextBoard_Click();
    EXPECT_EQ(board().cmdShowNextBoard.caption, "    Show      Player 1's  Board");
    EXPECT_EQ(board().caption, "Rollwell - Player 2");
    EXPECT_EQ(board().lblGrandTotal.text, std::to_string(total2));
}

INSTANTIATE_TEST_SUITE_P(Outcomes, TwoPlayerEnd,
                         ::testing::Values(Duel{2, 1, true, "Alexandra1Wins!", "applause"},
                                           Duel{1, 2, false, "Bo        Wins!", "applause"},
                                           Duel{2, 2, true, "It's a Draw!", "draw"}));

TEST_F(GameEnd, TwoPlayersPlayer1FinishingWithRollsLeftHandsOverOnlyAfterFinish) {
    start(1, 4, 2);
    presetBothSheets(1, 1);
    rolls(1);
    platform.endGameAnswers.push_back(EndGameAnswer::Undo);
    placeLast();
    EXPECT_FALSE(board().cmdNextPlayer.visible); // Undo: player 1 plays on
    EXPECT_EQ(engine->game().CurrentPlayer, 1);
    EXPECT_TRUE(platform.records.empty());

    platform.endGameAnswers.push_back(EndGameAnswer::Finish);
    placeLast();
    EXPECT_TRUE(board().cmdNextPlayer.visible);
    EXPECT_EQ(platform.records.size(), 1u);
    EXPECT_FALSE(engine->game().GameFinished);
    EXPECT_FALSE(board().mnuUndoUndo.enabled);
}

} // namespace
} // namespace rollwell
