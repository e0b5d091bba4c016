#include "gamefixture.h"

#include <algorithm>

namespace rollwell {
namespace {

using ::testing::ElementsAre;

class Turn : public GameFixture {};

TEST_F(Turn, FirstRollOffersTheColumnRules) {
    start();
    roll({3, 1, 4, 1, 5, 2});
    EXPECT_EQ(dice(), (std::vector<int32_t>{3, 1, 4, 1, 5, 2}));
    // Down at row 0, Up at row 12, every Free and every Announce cell.
    EXPECT_EQ(offeredCount(), 1 + 1 + 13 + 13);
    EXPECT_TRUE(offered(1, 0));
    EXPECT_TRUE(offered(2, 12));
    EXPECT_FALSE(offered(1, 1));
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(board().picDice[i].enabled);
    EXPECT_THAT(board().picRound, ElementsAre(true, false, false));
    EXPECT_EQ(board().StatusPanel(2).text, "Place your score or roll the dice");
    EXPECT_EQ(board().StatusPanel(4).text, "Round 1 of 52");
    EXPECT_THAT(platform.soundNames(), ElementsAre("rollAll"));
    // Nine shake frames of 60 ms, drawn before each wait.
    EXPECT_EQ(platform.pauses, std::vector<int>(9, 60));
    EXPECT_TRUE(engine->game().GameStarted);
}

TEST_F(Turn, ShakeNeverShowsFaceOne) {
    start();
    // The lowest shake value gives face two, the highest face six.
    for (int i = 0; i < 27; ++i)
        platform.queueRandom(0.0);
    for (int i = 0; i < 27; ++i)
        platform.queueRandom(0.9999);
    for (int i = 0; i < 6; ++i)
        platform.queueRandom(0.0);
    engine->picRollDices_MouseUp();
    EXPECT_EQ(dice(), std::vector<int32_t>(6, 1));
}

TEST_F(Turn, SecondRollWithoutAnnouncementWithdrawsTheAnnounceColumn) {
    start();
    roll({1, 2, 3, 4, 5, 6});
    roll({6, 6, 6, 6, 6, 6});
    for (int r = 0; r < kRowCount; ++r)
        EXPECT_FALSE(board().cmdOblg(r).visible) << r;
    EXPECT_EQ(offeredCount(), 1 + 1 + 13);
    // A click on a withdrawn Announce cell is ignored.
    engine->cmdOblg_Click(3);
    EXPECT_FALSE(engine->turn().Announced);
    EXPECT_EQ(engine->turn().RollCount, 2);
}

TEST_F(Turn, AnnouncedCellIsPlacedAutomaticallyAfterTheThirdRoll) {
    start();
    roll({2, 2, 2, 3, 4, 5});
    engine->cmdOblg_Click(8);
    EXPECT_TRUE(engine->turn().Announced);
    EXPECT_EQ(offeredCount(), 1);
    EXPECT_TRUE(offered(4, 8));
    EXPECT_TRUE(board().mnuUndoUndo.enabled);
    EXPECT_EQ(platform.soundNames().back(), "announce");

    roll({2, 2, 2, 3, 4, 5});
    EXPECT_TRUE(offered(4, 8)) << "the announced cell stays offered";
    platform.clearLog();
    roll({2, 2, 2, 6, 6, 6});
    // 200 ms after the dice settle the announced cell takes the roll.
    EXPECT_EQ(platform.pauses.back(), 200);
    EXPECT_EQ(engine->sheet().cell(4, 8), 6 + 6 + 6 + 2 + 2 + 10); // best five
    EXPECT_FALSE(engine->turn().Announced);
    EXPECT_EQ(engine->turn().RollsUsed, 3);
    EXPECT_FALSE(board().mnuUndoUndo.enabled) << "a third-roll announced placement stays";
    EXPECT_FALSE(board().mnuUndoRedo.enabled);
    EXPECT_TRUE(board().picRollDices.enabled);
    EXPECT_EQ(offeredCount(), 0);
    EXPECT_EQ(board().StatusPanel(2).text, "Roll the dice or undo last move");
}

TEST_F(Turn, AnnouncedCellPlacedAtOnce) {
    start();
    roll({5, 5, 5, 5, 5, 1});
    engine->cmdOblg_Click(12);
    engine->cmdOblg_Click(12);
    EXPECT_EQ(engine->sheet().cell(4, 12), 100);
    EXPECT_EQ(engine->turn().RollsUsed, 1);
    EXPECT_TRUE(engine->turn().HideAnnounceOnRoll);
    EXPECT_TRUE(board().mnuUndoUndo.enabled);
    EXPECT_EQ(platform.soundNames().back(), "score");
    EXPECT_EQ(engine->sheet().PlacedCount, 1);
}

TEST_F(Turn, ForcedAnnouncementBlocksTheSecondRoll) {
    start();
    std::initializer_list<std::pair<int, int>> announce = {{4, 0},  {4, 1},  {4, 2}, {4, 3}, {4, 4},
                                                           {4, 5},  {4, 6},  {4, 7}, {4, 8}, {4, 9},
                                                           {4, 10}, {4, 11}, {4, 12}};
    probe().fillAllBut(announce);
    ASSERT_EQ(engine->sheet().PlacedCount, 39);
    roll({1, 2, 3, 4, 5, 6});
    platform.clearLog();
    roll({6, 6, 6, 6, 6, 6});

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Reminder");
    EXPECT_EQ(platform.messages[0].text, "You must announce now!");
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(dice(), (std::vector<int32_t>{1, 2, 3, 4, 5, 6})) << "nothing rolled";
    EXPECT_TRUE(platform.soundNames().empty());
    EXPECT_FALSE(board().picRollDices.enabled);
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollOff);
    EXPECT_TRUE(engine->game().RollingBlocked);
    EXPECT_EQ(engine->turn().RollCount, 1);

    engine->cmdOblg_Click(10);
    EXPECT_TRUE(engine->turn().Announced);
    EXPECT_FALSE(engine->game().RollingBlocked);
    EXPECT_TRUE(board().picRollDices.enabled);
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollDice);
    roll({2, 3, 4, 5, 6, 6});
    EXPECT_EQ(engine->turn().RollCount, 2);
}

TEST_F(Turn, NoReminderWhileOtherCellsCanTakeTheTurns) {
    start();
    // 13 placements left but only 12 of them in the Announce column.
    probe().fillAllBut({{4, 0},
                        {4, 1},
                        {4, 2},
                        {4, 3},
                        {4, 4},
                        {4, 5},
                        {4, 6},
                        {4, 7},
                        {4, 8},
                        {4, 9},
                        {4, 10},
                        {4, 11},
                        {3, 12}});
    roll({1, 2, 3, 4, 5, 6});
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(engine->turn().RollCount, 2);
}

TEST_F(Turn, LastCellOfTheSheetIsAnnouncedForThePlayer) {
    start();
    probe().fillAllBut({{4, 7}});
    ASSERT_EQ(engine->sheet().PlacedCount, 51);
    roll({1, 1, 1, 2, 2, 6});
    EXPECT_TRUE(engine->turn().Announced);
    EXPECT_EQ(engine->turn().CurrentRow, 7);
    EXPECT_EQ(engine->turn().RollCount, 1);
    EXPECT_FALSE(board().mnuUndoUndo.enabled) << "the automatic announcement cannot be undone";
    EXPECT_FALSE(board().tbUndo.enabled);
    EXPECT_EQ(offeredCount(), 1);
    EXPECT_TRUE(offered(4, 7));
    EXPECT_THAT(platform.soundNames(), ElementsAre("announce", "rollAll"));

    roll({1, 1, 1, 2, 2, 6});
    roll({1, 1, 1, 2, 2, 6});
    EXPECT_EQ(engine->sheet().cell(4, 7), 7);
    EXPECT_TRUE(engine->game().GameFinished);
    EXPECT_EQ(platform.topScores.size(), 1u);
    EXPECT_EQ(platform.sounds.back().name, "score");
    EXPECT_TRUE(platform.sounds.back().sync)
        << "the last placement's sound ends before the game end";
}

TEST_F(Turn, HoldingEveryDieSwitchesTheRollButtonOff) {
    start();
    roll({1, 2, 3, 4, 5, 6});
    for (int i = 0; i < 6; ++i)
        engine->picDice_Click(i);
    EXPECT_FALSE(board().picRollDices.enabled);
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollOff);
    EXPECT_TRUE(board().PicDiceOff[0].visible);
    EXPECT_FALSE(board().picDice[0].visible);
    engine->picRollDices_MouseUp(); // a disabled roll button takes no click
    EXPECT_EQ(engine->turn().RollCount, 1);

    engine->PicDiceOff_Click(2);
    EXPECT_TRUE(board().picRollDices.enabled);
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollDice);
    EXPECT_EQ(platform.soundNames().back(), "UnHoldDice");
    EXPECT_FALSE(engine->turn().DiceHeld[2]);
    EXPECT_FALSE(engine->turn().SavedHeld[2]);
    EXPECT_TRUE(engine->turn().SavedHeld[1]);
}

TEST_F(Turn, RollSoundFollowsTheFreeDice) {
    struct Case {
        int held;
        const char* sound;
    };
    for (const Case& c : {Case{0, "rollAll"}, Case{2, "rollAll"}, Case{3, "rollSome"},
                          Case{4, "rollSome"}, Case{5, "rollOne"}}) {
        platform = ScriptedPlatform();
        start();
        roll({1, 2, 3, 4, 5, 6});
        for (int i = 0; i < c.held; ++i)
            engine->picDice_Click(i);
        platform.clearLog();
        roll(std::vector<int>(6 - c.held, 6));
        EXPECT_EQ(platform.soundNames().front(), c.sound) << c.held << " held";
        if (c.held > 0) {
            EXPECT_EQ(dice()[0], 1) << "a held die keeps its face";
        }
    }
}

TEST_F(Turn, DiceCannotBeClickedBeforeTheFirstRollNorAfterTheThird) {
    start();
    engine->picDice_Click(0);
    EXPECT_FALSE(engine->turn().DiceHeld[0]);
    roll({1, 2, 3, 4, 5, 6});
    engine->picDice_Click(0);
    roll({2, 3, 4, 5, 6});
    roll({2, 3, 4, 5, 6});
    EXPECT_FALSE(board().picRollDices.enabled);
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollOff);
    EXPECT_EQ(board().StatusPanel(2).text, "Place your score");
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(engine->turn().DiceHeld[i]);
    EXPECT_FALSE(board().PicDiceOff[0].enabled);
    EXPECT_FALSE(board().picDice[1].enabled);
    EXPECT_TRUE(board().PicDiceOff[0].visible) << "the held look stays until the placement";
}

TEST_F(Turn, RollwellSoundLeavesDiceAndSheetAlone) {
    start();
    roll({4, 4, 2, 4, 4, 4});
    EXPECT_THAT(platform.soundNames(), ElementsAre("rollAll", "Rollwell"));
    EXPECT_EQ(dice(), (std::vector<int32_t>{4, 4, 2, 4, 4, 4}));
    EXPECT_EQ(engine->sheet(), PlayerSheet{});

    // Once every Rollwell cell is filled, five equal dice are just dice.
    platform = ScriptedPlatform();
    start(1, 4);
    roll({1, 2, 3, 4, 5});
    engine->cmdRand_Click(1);
    probe().fillAllBut({{3, 0}});
    platform.clearLog();
    roll({3, 3, 3, 3, 3});
    EXPECT_THAT(platform.soundNames(), ElementsAre("rollAll"));
}

TEST_F(Turn, PlacementScoresSortsAndHandsBackTheRollButton) {
    start();
    roll({6, 5, 4, 3, 2, 2});
    engine->cmdRand_Click(10);
    EXPECT_EQ(engine->sheet().cell(3, 10), 60);
    EXPECT_EQ(engine->turn().LastPlacedScore, 60);
    EXPECT_EQ(dice(), (std::vector<int32_t>{2, 2, 3, 4, 5, 6})) << "scoring sorts the dice";
    EXPECT_EQ(engine->turn().SavedDice[0], 6) << "undo keeps the dice as rolled";
    EXPECT_EQ(board().lbl(3, 10).text, "60");
    EXPECT_EQ(board().lblGrandTotal.text, "60");
    EXPECT_EQ(board().columns[2].Tot.text, "60");
    EXPECT_EQ(offeredCount(), 0);
    EXPECT_EQ(engine->turn().RollCount, 0);
    EXPECT_EQ(engine->turn().RollsUsed, 1);
    EXPECT_THAT(board().picRound, ElementsAre(false, false, false));
    EXPECT_TRUE(board().mnuUndoUndo.enabled);
    EXPECT_FALSE(board().picDice[0].enabled);
    EXPECT_EQ(board().StatusPanel(2).text, "Roll the dice or undo last move");
    EXPECT_EQ(platform.soundNames().back(), "score");

    roll({1, 1, 2, 2, 3, 3});
    engine->cmdDown_Click(0);
    EXPECT_EQ(engine->sheet().cell(1, 0), 2);
    EXPECT_EQ(engine->sheet().NextDownRow, 1);
    roll({1, 1, 2, 2, 3, 3});
    engine->cmdUp_Click(12);
    EXPECT_EQ(engine->sheet().cell(2, 12), 0);
    EXPECT_EQ(engine->sheet().NextUpRow, 11);
    EXPECT_EQ(board().lbl(2, 12).text, "0");
    EXPECT_EQ(platform.soundNames().back(), "scoreZero");
    roll({1, 1, 2, 2, 3, 3});
    EXPECT_FALSE(offered(2, 12)) << "a 0 fills the cell";
    EXPECT_TRUE(offered(2, 11));
    EXPECT_EQ(board().StatusPanel(4).text, "Round 4 of 52");
}

TEST_F(Turn, TwoPlayerHandOverExchangesSheets) {
    settings.Player1 = "Ann       ";
    settings.Player2 = "Bob       ";
    start(4, 5, 2);
    EXPECT_EQ(board().caption, "Rollwell - Player 1");
    EXPECT_EQ(board().StatusPanel(3).text, "0 : 0");
    roll({6, 6, 6, 6, 1, 1});
    engine->cmdDown_Click(0);
    EXPECT_TRUE(board().cmdNextPlayer.visible);
    EXPECT_EQ(board().StatusPanel(3).text, "2 : 0");
    EXPECT_TRUE(board().picRollDices.enabled);

    platform.queueRoll(6, {5, 5, 5, 5, 5, 2});
    engine->cmdNextPlayer_Click();
    EXPECT_EQ(board().caption, "Rollwell - Player 2");
    EXPECT_EQ(board().StatusPanel(1).text, "Bob       ");
    EXPECT_FALSE(board().cmdNextPlayer.visible);
    EXPECT_TRUE(engine->game().secondPlayerOnTurn());
    EXPECT_EQ(engine->game().CurrentPlayer, 2);
    EXPECT_EQ(engine->turn().RollCount, 1);
    EXPECT_TRUE(offered(1, 0)) << "player 2's Down column starts at row 0";
    EXPECT_EQ(board().lbl(1, 0).text, "");

    engine->cmdUp_Click(12);
    EXPECT_EQ(engine->sheet().cell(2, 12), 100);
    EXPECT_EQ(board().StatusPanel(3).text, "2 : 100") << "player 1's total comes first";

    // Enter hands over and rolls, like the hand-over button.
    platform.queueRoll(6, {1, 2, 3, 4, 5, 6});
    engine->Form_KeyPress(13);
    EXPECT_EQ(board().caption, "Rollwell - Player 1");
    EXPECT_EQ(board().StatusPanel(1).text, "Ann       ");
    EXPECT_EQ(engine->sheet().cell(1, 0), 2);
    EXPECT_TRUE(offered(1, 1));
    engine->cmdRand_Click(3);
    EXPECT_EQ(board().StatusPanel(3).text, "6 : 100");
}

TEST_F(Turn, YahtzeeHandOverKeepsEachPlayersColumn) {
    start(1, 4, 2);
    roll({3, 3, 3, 2, 2});
    engine->cmdRand_Click(9);
    engine->cmdNextPlayer_Click();
    EXPECT_EQ(engine->sheet().PlacedCount, 0);
    EXPECT_EQ(offeredCount(), 13);
    engine->cmdRand_Click(0);
    engine->cmdNextPlayer_Click();
    EXPECT_EQ(engine->sheet().cell(3, 9), 33);
    EXPECT_EQ(offeredCount(), 12);
}

TEST_F(Turn, NewGameBeforeTheFirstRollDoesNothing) {
    start();
    engine->mnuNewGame_Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_FALSE(board().tmrAnimation.running);
    EXPECT_FALSE(board().tmrRollDice.running);
}

TEST_F(Turn, NewGameAsksAndCancelKeepsTheGame) {
    start();
    roll({1, 2, 3, 4, 5, 6});
    engine->cmdRand_Click(5);
    roll({6, 6, 6, 6, 6, 6});
    const PlayerSheet sheet = engine->sheet();
    platform.clearLog();
    platform.answers.push_back(MsgAnswer::Cancel);
    engine->mnuNewGame_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Confirm");
    EXPECT_EQ(platform.messages[0].text, "Quit this Game?");
    EXPECT_EQ(platform.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(engine->sheet(), sheet);
    EXPECT_EQ(engine->turn().RollCount, 1);

    engine->mnuNewGame_Click(); // OK
    EXPECT_EQ(engine->sheet(), PlayerSheet{});
    EXPECT_EQ(board().lbl(3, 5).text, "");
    EXPECT_EQ(engine->turn().RollCount, 0);
    EXPECT_FALSE(engine->game().GameStarted);
    EXPECT_THAT(platform.soundNames(), ElementsAre("newGame"));
    EXPECT_TRUE(board().tmrRollDice.running);
    EXPECT_FALSE(board().picRollDices.enabled) << "not while the board is being built";
    finishAnimation();
    EXPECT_TRUE(board().picRollDices.enabled);
    EXPECT_EQ(dice(), std::vector<int32_t>(6, 0));
}

TEST_F(Turn, NewGameWithoutConfirmationAndWhileBlocked) {
    settings.ConfirmQuitGame = false;
    start();
    probe().fillAllBut({{4, 0},
                        {4, 1},
                        {4, 2},
                        {4, 3},
                        {4, 4},
                        {4, 5},
                        {4, 6},
                        {4, 7},
                        {4, 8},
                        {4, 9},
                        {4, 10},
                        {4, 11},
                        {4, 12}});
    roll({1, 2, 3, 4, 5, 6});
    roll({1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(engine->game().RollingBlocked);
    platform.clearLog();
    engine->mnuNewGame_Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(engine->game().RollingBlocked);
    finishAnimation();
    EXPECT_TRUE(board().picRollDices.enabled);
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollDice);
}

TEST_F(Turn, KeysSpaceMinimisesEnterRolls) {
    start();
    engine->Form_KeyPress(32);
    EXPECT_EQ(platform.minimized, 1);
    platform.queueRoll(6, {1, 1, 1, 1, 1, 2});
    engine->Form_KeyPress(13);
    EXPECT_EQ(engine->turn().RollCount, 1);
    engine->Form_KeyPress('a');
    EXPECT_EQ(engine->turn().RollCount, 1);
    for (int i = 0; i < 6; ++i)
        engine->picDice_Click(i);
    engine->Form_KeyPress(13); // the roll button is off while every die is held
    EXPECT_EQ(engine->turn().RollCount, 1);
}

TEST_F(Turn, ClockAndDelayedMessage) {
    start();
    EXPECT_TRUE(board().tmrTimeElapsed.running);
    EXPECT_EQ(board().tmrTimeElapsed.interval, 1000);
    engine->tmrTimeElapsed_Timer();
    EXPECT_EQ(board().lblTimeElapsed, "00:00:01");
    EXPECT_EQ(board().StatusPanel(5).text, "00:00:01");
    for (int i = 0; i < 86398; ++i)
        engine->tmrTimeElapsed_Timer();
    EXPECT_EQ(board().lblTimeElapsed, "23:59:59");
    engine->tmrTimeElapsed_Timer();
    EXPECT_EQ(board().lblTimeElapsed, "00:00:00");

    roll({1, 2, 3, 4, 5, 6});
    engine->cmdRand_Click(0);
    settings.ConfirmQuitGame = false;
    engine->mnuNewGame_Click();
    engine->tmrRollDice_Timer();
    EXPECT_NE(board().StatusPanel(2).text, "Roll the dice");
    engine->tmrRollDice_Timer();
    EXPECT_EQ(board().StatusPanel(2).text, "Roll the dice");
    EXPECT_FALSE(board().tmrRollDice.running);
}

} // namespace
} // namespace rollwell
