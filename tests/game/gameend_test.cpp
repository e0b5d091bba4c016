#include "gamefixture.h"

#include <tuple>

namespace rollwell {
namespace {

using std::string;

// Five dice, one Free column, every sheet full but its Rollwell cell; the dice
// {1, 2, 3, 4, 6} score 0 there.
class GameEnd : public GameFixture {
  protected:
    void begin(int players, int32_t value1 = 2, int32_t value2 = 2) {
        start(1, 4, players);
        probe().fillAllBut({{3, 12}}, value2);
        const PlayerSheet second = probe().sheet();
        probe().fillAllBut({{3, 12}}, value1);
        probe().sheets().storedFree = second; // player 2's, if any
        probe().sheets().OtherPlayerTotal = valueOf(second.GrandTotal);
    }
    // Rolls, then places the last cell; "Finish Game?", if asked, gets `answer`.
    void finish(int rolls, EndGameAnswer answer = EndGameAnswer::Finish) {
        for (int i = 0; i < rolls; ++i)
            roll({1, 2, 3, 4, 6});
        platform.endGameAnswers = {answer};
        engine->cellClick(3, 12);
    }
};

// Player 1 of two places the last cell after one roll, a lone player after two.
TEST_F(GameEnd, FinalPlacementWithRollsLeftAsksAndUndoReopensTheLastCell) {
    for (int players : {2, 1}) {
        SCOPED_TRACE(players);
        begin(players);
        finish(3 - players, EndGameAnswer::Undo);
        EXPECT_EQ(platform.endGameDialogs, 1);
        EXPECT_TRUE(engine->sheet().isEmpty(3, 12) && platform.records.empty());
        EXPECT_EQ(engine->turn().RollCount, 3 - players);
        // (Redo answered Undo again is played by the soak.)

        // Asked again: a lone player replays the placement through Redo.
        players == 1 ? engine->mnuUndoRedo_Click() : engine->cellClick(3, 12);
        EXPECT_EQ(platform.endGameDialogs + platform.records.size(), 3u);
        // A replayed result (Redo) gets no music.
        ASSERT_EQ(platform.topScores.size(), 1u);
        EXPECT_EQ(platform.topScores[0].WinMusic, players == 2);
        EXPECT_EQ(board().cmdNextPlayer.visible, players == 2);
        // A recorded result stays recorded.
        EXPECT_FALSE(board().mnuUndoUndo.enabled || board().mnuUndoRedo.enabled);
    }
}

TEST_F(GameEnd, ClosingTheDialogKeepsThePreviousChoiceAndNewGameAsksNothing) {
    begin(1);
    finish(1, EndGameAnswer::Closed); // nothing chosen yet: undo
    EXPECT_TRUE(engine->sheet().isEmpty(3, 12));
    finish(0);
    ASSERT_TRUE(engine->game().GameFinished);

    platform.clearLog();
    engine->NewGame();
    finishAnimation();
    EXPECT_TRUE(platform.messages.empty());
    probe().fillAllBut({{3, 12}}, 2);
    // Closing finishes now, and a scores table that cannot be opened is reported.
    const string text = "53File not foundCannot open /game/scores/scores4.dat";
    platform.recordResults.push_back({-1, false, "Open scores", text});
    finish(1, EndGameAnswer::Closed);
    EXPECT_TRUE(engine->game().GameFinished && board().tmrGameOver.running);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), std::tuple("Open scores", text, MsgButtons::Ok, MsgIcon::Information));
}

TEST_F(GameEnd, OnePlayerThirdRollFinalPlacementEndsAtOnce) {
    begin(1, 3); // ten counted cells of 3, product (3 - 3) x 3
    platform.recordResults.push_back({7, true, std::nullopt, std::nullopt});
    finish(3, EndGameAnswer::Undo); // not asked
    ASSERT_EQ(platform.records.size(), 1u);
    const auto& rec = platform.records[0];
    EXPECT_EQ(std::tie(rec.table, rec.name, rec.score, rec.date),
              std::make_tuple(4, string("Player 1  "), 30, string("06.12.2026")));
    ASSERT_EQ(platform.topScores.size(), 1u);
    const TopScoresRequest& shown = platform.topScores[0];
    EXPECT_EQ(std::tie(shown.ScoresFromGame, shown.OpenedFromMain, shown.LastScore, shown.LastRank,
                       shown.tableNumber, shown.WinMusic),
              std::make_tuple(true, true, 30, 7, 4, true));
    EXPECT_EQ(shown.lblScore, "  Your score of  30 points was good enough to get on the \n"
                              "   top scores table at position #7.");
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollOff);

    // The marquee: 1 ms, then a 2 s pause with panels 2 and 4 cleared (the
    // first game end of the run), then one character every 150 ms.
    EXPECT_EQ(board().tmrGameOver.interval, 1);
    engine->tmrGameOver_Timer();
    EXPECT_EQ(board().tmrGameOver.interval, 2000);
    EXPECT_EQ(board().StatusPanel(2).text + board().StatusPanel(4).text, "");
    engine->tmrGameOver_Timer();
    EXPECT_EQ(board().tmrGameOver.interval, 150);
    EXPECT_EQ(board().StatusPanel(2).text, string(49, ' ') + "G a m e  O v e r !" +
                                               string(28, ' ') +
                                               "To begin a new game click the 'New Game' "
                                               "button or press F2 ");
}

// A result off the table is told so with "endGame1"; one that could not be
// saved is not judged at all, and nothing is heard.
TEST_F(GameEnd, OnlyASavedResultIsJudged) {
    for (const bool saved : {true, false}) {
        begin(1);
        platform.recordResults.push_back({-1, false, std::nullopt, std::nullopt});
        if (!saved) platform.recordResults.back().errorText = "70Permission denied";
        finish(3);
        ASSERT_EQ(platform.topScores.size(), 1u);
        EXPECT_EQ(platform.topScores[0].lblScore,
                  saved ? "  Your score of  20 points was not good enough to get on the  \n"
                          "   top scores table."
                        : "  Your score of 20 points could not be saved.");
        EXPECT_FALSE(platform.topScores[0].WinMusic);
        const std::vector<string> sounds = platform.soundNames();
        EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "endGame1"), saved ? 1 : 0);
        EXPECT_EQ(platform.messages.size(), saved ? 0u : 1u);
    }
}

// Player 1 wins, player 2 wins (player 1's score missing the table), a draw.
TEST_F(GameEnd, TwoPlayersRecordPlayer1FirstThenTheWinnerIsShown) {
    struct Duel {
        int32_t player1, player2; // the value of every preset cell
        bool player1Placed;       // player 1's score entered the table
        const char *winner, *sound;
    };
    for (const Duel& d : {Duel{2, 1, true, "Alexandra1Wins!", "applause"},
                          Duel{1, 2, false, "Bo        Wins!", "applause"},
                          Duel{2, 2, true, "It's a Draw!", "draw"}}) {
        SCOPED_TRACE(d.winner);
        settings.Player1 = "Alexandra1"; // ten characters, no padding
        settings.Player2 = "Bo        ";
        begin(2, d.player1, d.player2);
        // Max and Min never count: ten cells make the total.
        const string total1 = std::to_string(10 * d.player1),
                     total2 = std::to_string(10 * d.player2);
        platform.recordResults.push_back({3, d.player1Placed, std::nullopt, std::nullopt});
        finish(3);
        ASSERT_EQ(platform.records.size(), 1u);
        EXPECT_EQ(platform.records[0].name, "Alexandra1");
        EXPECT_TRUE(platform.topScores.size() == d.player1Placed && platform.winners.empty());

        platform.clearLog();
        platform.queueRoll(5, {1, 2, 3, 4, 6});
        engine->cmdNextPlayer_Click();
        platform.recordResults.push_back({0, false, std::nullopt, std::nullopt});
        finish(2);
        ASSERT_EQ(platform.records.size(), 1u);
        EXPECT_EQ(platform.records[0].name, "Bo        ");
        ASSERT_EQ(platform.winners.size(), 1u);
        const WinnerInfo& w = platform.winners[0];
        EXPECT_EQ(std::tie(w.lblPlayer1, w.lblScore1, w.lblPlayer2, w.lblScore2, w.lblWiner),
                  std::make_tuple(string("Alexandra1's Total Score:"), total1,
                                  string("Bo's Total Score:"), total2, string(d.winner)));
        EXPECT_THAT(platform.soundNames(), ::testing::Contains(d.sound));

        engine->Form_KeyPress(13); // Enter starts no turn while the sheets are compared
        EXPECT_EQ(engine->turn().RollCount, 0);
        EXPECT_EQ(board().cmdShowNextBoard.caption, "    Show      Player 1's  Board");
        engine->cmdShowNextBoard_Click();
        EXPECT_EQ(board().cmdShowNextBoard.caption, "    Show      Player 2's  Board");
        EXPECT_EQ(board().lblGrandTotal.text, total1);
        engine->cmdShowNextBoard_Click();
        EXPECT_EQ(board().lblGrandTotal.text + board().StatusPanel(3).text, total2 + total2);
    }
}

} // namespace
} // namespace rollwell
