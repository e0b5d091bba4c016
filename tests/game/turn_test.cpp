#include "gamefixture.h"

#include <cmath>
#include <limits>
#include <tuple>

namespace rollwell {
namespace {

using ::testing::ElementsAre;

class Turn : public GameFixture {
  protected:
    // The first `rows` Announce cells and `alsoOpen` open, every other cell filled.
    void announceCellsOpen(int rows, std::vector<std::pair<int, int>> alsoOpen = {}) {
        for (int r = 0; r < rows; ++r)
            alsoOpen.emplace_back(4, r);
        probe().fillAllBut(alsoOpen);
    }
};

TEST_F(Turn, FirstRollOffersTheColumnRules) {
    start();
    roll({3, 1, 4, 1, 5, 2});
    EXPECT_EQ(dice(), (std::vector<int32_t>{3, 1, 4, 1, 5, 2}));
    EXPECT_TRUE(board().picDice[5].enabled); // the cells offered are checked by the soak
    EXPECT_THAT(board().picRound, ElementsAre(true, false, false));
    EXPECT_EQ(board().StatusPanel(2).text, "Place your score or roll the dice");
    EXPECT_THAT(platform.soundNames(), ElementsAre("rollAll"));
    EXPECT_EQ(platform.pauses, std::vector<int>(9, 60)); // the shake

    // The lowest shake value shows face two, never face one; a source straying
    // out of [0, 1) still gives faces.
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> stray = {1e300, inf, -inf, std::nan(""), -1.0, 1.0};
    for (int i = 0; i < 60; ++i) // 54 shake values, then the six faces
        platform.queueRandom(i < 27 ? 0.0 : stray[i % 6]);
    engine->picRollDices_MouseUp();
    EXPECT_EQ(dice(), (std::vector<int32_t>{6, 6, 1, 1, 1, 6}));
}

TEST_F(Turn, AnnounceOnlyAfterTheFirstRoll) {
    start();
    roll({1, 2, 3, 4, 5, 6});
    roll({6, 6, 6, 6, 6, 6});
    engine->cmdOblg_Click(3); // withdrawn: ignored
    EXPECT_FALSE(engine->turn().Announced);

    // Announced at the first roll and placed at once.
    play({2, 2, 3, 4, 5, 6}, 3, 0);
    play({5, 5, 5, 5, 5, 1}, 4, 12);
    EXPECT_EQ(platform.soundNames().back(), "announce");
    EXPECT_TRUE(board().mnuUndoUndo.enabled);
    engine->cmdOblg_Click(12);
    EXPECT_EQ(engine->sheet().cell(4, 12), 100);
    EXPECT_EQ(engine->turn().RollsUsed, 1);
    EXPECT_EQ(platform.soundNames().back(), "score");
}

TEST_F(Turn, AnnouncedCellIsPlacedAutomaticallyAfterTheThirdRoll) {
    start();
    play({2, 2, 2, 3, 4, 5}, 4, 8);
    roll({2, 2, 2, 3, 4, 5});
    platform.clearLog();
    roll({2, 2, 2, 6, 6, 6});
    EXPECT_EQ(platform.pauses.back(), 200);
    EXPECT_EQ(engine->sheet().cell(4, 8), 6 + 6 + 6 + 2 + 2 + 10); // best five
    EXPECT_FALSE(board().mnuUndoUndo.enabled) << "a third-roll announced placement stays";
    EXPECT_TRUE(board().picRollDices.enabled);

    // The last cell of the sheet is announced for the player.
    start();
    probe().fillAllBut({{4, 7}});
    roll({1, 1, 1, 2, 2, 6});
    EXPECT_TRUE(engine->turn().Announced && engine->turn().CurrentRow == 7);
    EXPECT_TRUE(engine->turn().RollCount == 1 && !board().mnuUndoUndo.enabled);
    EXPECT_THAT(platform.soundNames(), ElementsAre("announce", "rollAll"));

    roll({1, 1, 1, 2, 2, 6});
    roll({1, 1, 1, 2, 2, 6});
    EXPECT_TRUE(engine->sheet().cell(4, 7) == 7 && engine->game().GameFinished);
    EXPECT_EQ(platform.sounds.back().name, "score");
    EXPECT_TRUE(platform.sounds.back().sync) << "the last placement's sound ends first";
}

TEST_F(Turn, ForcedAnnouncementBlocksTheSecondRoll) {
    start();
    announceCellsOpen(13);
    roll({1, 2, 3, 4, 5, 6});
    platform.clearLog();
    roll({6, 6, 6, 6, 6, 6});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), std::tuple("Reminder", "You must announce now!", MsgButtons::Ok,
                                        MsgIcon::Exclamation));
    EXPECT_TRUE(platform.soundNames().empty() && engine->turn().RollCount == 1) << "no roll";
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollOff);

    engine->cmdOblg_Click(10);
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollDice);
    roll({2, 3, 4, 5, 6, 6});
    EXPECT_EQ(engine->turn().RollCount, 2);

    // With one of the 13 placements left to another column, no reminder.
    start();
    announceCellsOpen(12, {{3, 12}});
    roll({1, 2, 3, 4, 5, 6});
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(engine->turn().RollCount, 2);
}

TEST_F(Turn, HoldingDiceAndKeys) {
    start();
    engine->picDice_Click(0);  // before the first roll the dice cannot be clicked
    engine->Form_KeyPress(32); // Space minimizes, Enter rolls
    EXPECT_TRUE(!engine->turn().DiceHeld[0] && platform.minimized == 1);
    platform.queueRoll(6, {1, 2, 3, 4, 5, 6});
    engine->Form_KeyPress(13);
    for (int i = 0; i < 6; ++i)
        engine->picDice_Click(i);
    EXPECT_FALSE(board().picRollDices.enabled);
    EXPECT_TRUE(board().PicDiceOff[0].visible && !board().picDice[0].visible);
    engine->picRollDices_MouseDown(); // a switched-off button never looks pressed
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollOff);
    engine->Form_KeyPress(13); // no roll while every die is held
    EXPECT_EQ(engine->turn().RollCount, 1);

    engine->PicDiceOff_Click(2);
    EXPECT_TRUE(board().picRollDices.enabled);
    EXPECT_EQ(platform.soundNames().back(), "UnHoldDice");
    roll({6});
    EXPECT_EQ(dice(), (std::vector<int32_t>{1, 2, 6, 4, 5, 6}));
    EXPECT_EQ(platform.soundNames().back(), "rollOne");
    roll({6});
    // The third roll: roll button off, dice unclickable and released.
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollOff);
    EXPECT_EQ(board().StatusPanel(2).text, "Place your score");
    EXPECT_FALSE(engine->turn().DiceHeld[0] || board().PicDiceOff[0].enabled);
}

// The roll sound follows the free dice; Rollwell sounds while its row is open.
TEST_F(Turn, RollSounds) {
    for (auto [held, sound] : {std::pair{2, "rollAll"}, {3, "rollSome"}, {4, "rollSome"}}) {
        start();
        roll({1, 2, 3, 4, 5, 6});
        for (int i = 0; i < held; ++i)
            engine->picDice_Click(i);
        platform.clearLog();
        roll(std::vector<int>(6 - held, 6));
        EXPECT_EQ(platform.soundNames().front(), sound) << held << " held";
    }
    start(1, 4);
    roll({4, 4, 2, 4, 4});
    EXPECT_THAT(platform.soundNames(), ElementsAre("rollAll"));
    for (int i : {0, 1, 3, 4})
        engine->picDice_Click(i);
    platform.clearLog();
    roll({4});
    EXPECT_THAT(platform.soundNames(), ElementsAre("rollOne", "Rollwell"));
    engine->cmdRand_Click(12);
    platform.clearLog();
    roll({3, 3, 3, 3, 3});
    EXPECT_THAT(platform.soundNames(), ElementsAre("rollAll"));
}

TEST_F(Turn, PlacementScoresAndEndsTheTurn) {
    start();
    play({6, 5, 4, 3, 2, 2}, 3, 10);
    EXPECT_EQ(engine->sheet().cell(3, 10), 60);
    EXPECT_EQ(dice(), (std::vector<int32_t>{2, 2, 3, 4, 5, 6})) << "scoring sorts the dice";
    EXPECT_EQ(engine->turn().SavedDice[0], 6) << "undo keeps the dice as rolled";
    EXPECT_THAT(board().picRound, ElementsAre(false, false, false));
    EXPECT_EQ(board().StatusPanel(2).text, "Roll the dice or undo last move");

    play({1, 1, 2, 2, 3, 3}, 1, 0);
    play({1, 1, 2, 2, 3, 3}, 2, 12);
    EXPECT_EQ(board().lbl(2, 12).text, "0");
    EXPECT_EQ(platform.soundNames().back(), "scoreZero");
    roll({1, 1, 2, 2, 3, 3});
    EXPECT_EQ(board().StatusPanel(4).text, "Round 4 of 52");
}

TEST_F(Turn, TwoPlayerHandOverExchangesSheets) {
    settings.Player1 = "Ann       ";
    settings.Player2 = "Bob       ";
    start(4, 5, 2);
    play({6, 6, 6, 6, 1, 1}, 1, 0);
    EXPECT_TRUE(board().cmdNextPlayer.visible);
    EXPECT_EQ(board().StatusPanel(3).text, "2 : 0");

    platform.queueRoll(6, {5, 5, 5, 5, 5, 2});
    engine->cmdNextPlayer_Click();
    EXPECT_EQ(board().caption + board().StatusPanel(1).text, "Rollwell - Player 2Bob       ");
    engine->cmdShowNextBoard_Click(); // hidden during the game: the sheets stay
    EXPECT_TRUE(engine->sheet().isEmpty(1, 0) && board().lbl(1, 0).text.empty());
    engine->cmdUp_Click(12);
    EXPECT_EQ(board().StatusPanel(3).text, "2 : 100") << "player 1's total comes first";

    platform.queueRoll(6, {1, 2, 3, 4, 5, 6});
    engine->Form_KeyPress(13); // Enter hands over and rolls too
    EXPECT_EQ(board().caption + board().StatusPanel(1).text, "Rollwell - Player 1Ann       ");
    EXPECT_EQ(engine->sheet().cell(1, 0), 2);
    engine->cmdRand_Click(3);
    EXPECT_EQ(board().StatusPanel(3).text, "6 : 100");
}

// Without the question New Game starts at once, also over a game whose second
// roll is blocked, and lets the next game roll. (The question itself is
// checked with the options.)
TEST_F(Turn, NewGameWithoutConfirmationAndTheClock) {
    settings.ConfirmQuitGame = false;
    start();
    engine->mnuNewGame_Click(); // before the first roll: nothing to discard
    EXPECT_TRUE(platform.sounds.empty());
    announceCellsOpen(13);
    roll({1, 2, 3, 4, 5, 6});
    roll({1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(engine->game().RollingBlocked);
    platform.clearLog();
    engine->mnuNewGame_Click();
    EXPECT_TRUE(platform.messages.empty() && engine->sheet() == PlayerSheet{});
    EXPECT_EQ(platform.soundNames().back(), "newGame");
    finishAnimation();
    EXPECT_TRUE(board().picRollDices.enabled && !engine->game().RollingBlocked);
    engine->tmrRollDice_Timer();
    EXPECT_NE(board().StatusPanel(2).text, "Roll the dice");
    engine->tmrRollDice_Timer(); // the second tick
    EXPECT_EQ(board().StatusPanel(2).text, "Roll the dice");

    // The clock wraps after a day.
    for (int i = 0; i < 86399; ++i)
        engine->tmrTimeElapsed_Timer();
    EXPECT_EQ(board().lblTimeElapsed, "23:59:59");
    EXPECT_EQ(board().StatusPanel(5).text, "23:59:59");
    engine->tmrTimeElapsed_Timer();
    EXPECT_EQ(board().lblTimeElapsed, "00:00:00");
}

} // namespace
} // namespace rollwell
