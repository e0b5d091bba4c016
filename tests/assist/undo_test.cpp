#include "game/engine.h"
#include "support/engineprobe.h"
#include "support/invariants.h"
#include "support/scriptedplatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace rollwell {
namespace {

using Faces = std::vector<int>;

class UndoTest : public ::testing::Test {
  protected:
    // Five dice unless told otherwise.
    void start(int columns = 4, int players = 1) {
        settings.NumberOfColumns = columns;
        settings.NumberOfDice = 4;
        settings.NumberOfPlayers = players;
        engine = std::make_unique<Engine>(settings, platform);
        engine->Form_Load();
    }

    void roll(const Faces& faces) {
        int free = 0;
        for (int i = 0; i < engine->game().diceInPlay(); ++i)
            free += engine->turn().DiceHeld[i] ? 0 : 1;
        platform.queueRoll(free, faces);
        engine->picRollDices_MouseUp();
    }
    void place(int column, int row) { engine->cellClick(column, row); }
    void turn(const Faces& faces, int column, int row) {
        if (board().cmdNextPlayer.visible) {
            int free = engine->game().diceInPlay();
            platform.queueRoll(free, faces);
            engine->cmdNextPlayer_Click();
        } else {
            roll(faces);
        }
        place(column, row);
    }
    void undo() { engine->mnuUndoUndo_Click(); }
    void redo() { engine->mnuUndoRedo_Click(); }

    bool offered(int c, int r) const {
        const CellButton& b = board().cmd(c, r);
        return b.visible && b.enabled;
    }
    // The checks the soak test runs after every event.
    void expectConsistent() const {
        EXPECT_EQ(checkAll(*engine), "");
        EXPECT_EQ(checkSheetTotals(sheet(), settings.isYamb()), "");
    }

    const Board& board() const { return engine->board(); }
    const PlayerSheet& sheet() const { return engine->sheet(); }
    const TurnState& state() const { return engine->turn(); }
    EngineProbe probe() { return EngineProbe(*engine); }
    // Presets the sheet shown with cells (column, row, value); counters follow.
    void preset(const std::vector<std::array<int, 3>>& cells) {
        PlayerSheet& s = probe().sheet();
        for (const auto& [c, r, v] : cells) {
            s.RecordScore(c, r, v);
            s.PlacedCount += 1;
        }
        s.RecomputeGrandTotal();
        while (s.NextDownRow < kRowCount && s.cell(1, s.NextDownRow))
            ++s.NextDownRow;
        while (s.NextUpRow >= 0 && s.cell(2, s.NextUpRow))
            --s.NextUpRow;
        probe().syncSheet();
    }

    Settings settings;
    ScriptedPlatform platform;
    std::unique_ptr<Engine> engine;
};

TEST_F(UndoTest, DownSixesBonusIsTakenBackAndNotEarnedByALowerSixes) {
    start();
    turn({1, 1, 1, 4, 5}, 1, 0); // 3
    turn({2, 2, 2, 4, 5}, 1, 1); // 6
    turn({3, 3, 3, 4, 5}, 1, 2); // 9
    turn({4, 4, 4, 1, 5}, 1, 3); // 12
    turn({5, 5, 5, 1, 2}, 1, 4); // 15: 45 so far
    turn({6, 6, 6, 1, 2}, 1, 5); // 18: 63 earns the bonus
    ASSERT_EQ(board().columns[0].Tot1.text, "98");
    ASSERT_EQ(board().columns[0].Tot.text, "98");

    undo();
    EXPECT_FALSE(sheet().cell(1, 5));
    EXPECT_FALSE(sheet().BonusAwarded[0]);
    EXPECT_EQ(board().columns[0].Tot1.text, "45");
    EXPECT_EQ(board().columns[0].Tot.text, "45");
    EXPECT_EQ(board().lblGrandTotal.text, "45");
    EXPECT_EQ(sheet().NextDownRow, 5);
    EXPECT_EQ(sheet().PlacedCount, 5);
    expectConsistent();

    roll({6, 6, 1, 2, 3}); // second roll of the reopened turn: 12 sixes, 57 in all
    place(1, 5);
    EXPECT_FALSE(sheet().BonusAwarded[0]);
    EXPECT_EQ(board().columns[0].Tot1.text, "57");
    undo();
    EXPECT_EQ(board().columns[0].Tot1.text, "45");
    EXPECT_EQ(board().columns[0].Tot.text, "45");
    expectConsistent();
}

TEST_F(UndoTest, UpOnesWithANegativeProductMakesTheTotalsGrowAndKeepsANegativeTotal) {
    start();
    // Down: (5 - 30) x 1 = -25 makes the column total -24.
    preset(
        {{1, 0, 1}, {1, 1, 0}, {1, 2, 0}, {1, 3, 0}, {1, 4, 0}, {1, 5, 0}, {1, 6, 5}, {1, 7, 30}});
    // Up filled from Rollwell to Twos; Max 10, Min 25.
    preset({{2, 12, 0},
            {2, 11, 0},
            {2, 10, 0},
            {2, 9, 0},
            {2, 8, 0},
            {2, 7, 25},
            {2, 6, 10},
            {2, 5, 0},
            {2, 4, 0},
            {2, 3, 0},
            {2, 2, 0},
            {2, 1, 2}});
    ASSERT_EQ(sheet().NextUpRow, 0);
    turn({1, 1, 1, 1, 2}, 2, 0); // 4 ones: (10 - 25) x 4 = -60
    ASSERT_EQ(board().columns[1].Tot.text, "-54");
    ASSERT_EQ(board().lblGrandTotal.text, "-78");

    undo();
    EXPECT_FALSE(sheet().cell(2, 0));
    EXPECT_EQ(board().columns[1].Tot2.text, "");
    EXPECT_EQ(board().columns[1].Tot1.text, "2");
    EXPECT_EQ(board().columns[1].Tot.text, "2");
    EXPECT_EQ(board().lblGrandTotal.text, "-22"); // grown, still negative and shown
    EXPECT_EQ(sheet().NextUpRow, 0);
    expectConsistent();
}

TEST_F(UndoTest, ANegativeColumnTotalStaysAndTheNextPlacementAddsToIt) {
    start();
    // Free: (5 - 30) x 1 = -25, column total -24.
    preset({{3, 0, 1}, {3, 6, 5}, {3, 7, 30}});
    turn({3, 3, 3, 1, 2}, 3, 8); // 3 of a Kind: 12 + 10
    ASSERT_EQ(board().columns[2].Tot.text, "-2");

    undo();
    EXPECT_EQ(board().columns[2].Tot.text, "-24");
    EXPECT_EQ(board().lblGrandTotal.text, "-24");
    expectConsistent();

    roll({4, 4, 4, 1, 2}); // the reopened turn goes on: 15 + 10
    place(3, 8);
    EXPECT_EQ(board().columns[2].Tot.text, "1");
    EXPECT_EQ(board().lblGrandTotal.text, "1");
    expectConsistent();
}

TEST_F(UndoTest, DownMinTakesItsProductOffTheTotals) {
    start();
    preset({{1, 0, 3}, {1, 1, 2}, {1, 2, 3}, {1, 3, 4}, {1, 4, 5}, {1, 5, 6}, {1, 6, 20}});
    const PlayerSheet before = sheet();
    turn({1, 1, 1, 2, 2}, 1, 7); // Min 7: (20 - 7) x 3 = 39
    ASSERT_EQ(board().columns[0].Tot2.text, "39");
    ASSERT_EQ(board().columns[0].Tot.text, "62");

    undo();
    EXPECT_EQ(board().columns[0].Tot2.text, "");
    EXPECT_EQ(board().columns[0].Tot.text, "23");
    EXPECT_EQ(board().lblGrandTotal.text, "23");
    EXPECT_EQ(sheet(), before);
}

TEST_F(UndoTest, UndoOfTheFirstPlacementEmptiesEveryTotalItTouched) {
    struct Case {
        int players;
        const char* grand;
        const char* scores;
    };
    for (const Case& k : {Case{1, "", nullptr}, Case{2, "0", "0 : 0"}}) {
        SCOPED_TRACE(k.players);
        start(4, k.players);
        turn({2, 2, 3, 4, 5}, 3, 1);
        ASSERT_EQ(board().columns[2].Tot1.text, "4");
        undo();
        EXPECT_EQ(board().columns[2].Tot1.text, "");
        EXPECT_EQ(board().columns[2].Tot.text, "");
        EXPECT_EQ(board().lblGrandTotal.text, k.grand);
        if (k.scores) {
            EXPECT_EQ(board().StatusPanel(3).text, k.scores);
        }
        EXPECT_EQ(sheet().PlacedCount, 0);
        expectConsistent();
    }
}

TEST_F(UndoTest, UndoOfAnAnnouncementReopensTheAnnounceColumn) {
    start();
    preset({{4, 0, 2}});
    roll({3, 3, 3, 4, 5});
    const PlayerSheet before = sheet();
    place(4, 2);
    ASSERT_TRUE(state().Announced);
    platform.clearLog();

    undo();
    EXPECT_EQ(sheet(), before);
    EXPECT_EQ(state().RollCount, 1);
    EXPECT_FALSE(state().Announced);
    EXPECT_FALSE(offered(4, 0));
    for (int r = 1; r < kRowCount; ++r)
        EXPECT_TRUE(offered(4, r)) << r;
    EXPECT_TRUE(offered(1, 0));
    EXPECT_TRUE(offered(2, 12));
    EXPECT_TRUE(offered(3, 7));
    EXPECT_TRUE(board().picRollDices.enabled);
    EXPECT_FALSE(board().mnuUndoUndo.enabled);
    EXPECT_TRUE(board().mnuUndoRedo.enabled && board().tbRedo.enabled);
    EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"undo"});
    expectConsistent();

    platform.clearLog();
    redo();
    EXPECT_TRUE(state().Announced);
    EXPECT_EQ(state().CurrentRow, 2);
    EXPECT_TRUE(sheet().isEmpty(4, 2)); // announced again, not placed
    EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"redo"});
    EXPECT_TRUE(board().mnuUndoUndo.enabled && board().tbUndo.enabled);
    expectConsistent();
}

TEST_F(UndoTest, AnnouncedPlacementIsRedoneByAnnouncingThenPlacing) {
    start();
    roll({3, 3, 3, 4, 5});
    place(4, 2); // announce Threes
    place(4, 2); // and place it at once: 9
    const PlayerSheet placed = sheet();
    const TurnState after = state();

    undo();
    EXPECT_TRUE(sheet().isEmpty(4, 2));
    EXPECT_EQ(state().RollCount, 1);
    for (int r = 0; r < kRowCount; ++r)
        EXPECT_TRUE(offered(4, r)) << r;
    expectConsistent();

    platform.clearLog();
    redo();
    EXPECT_EQ(sheet(), placed);
    EXPECT_EQ(state().RollCount, after.RollCount);
    EXPECT_EQ(state().RollsUsed, after.RollsUsed);
    EXPECT_EQ(state().HideAnnounceOnRoll, after.HideAnnounceOnRoll);
    EXPECT_FALSE(state().Announced);
    EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"redo"});
    expectConsistent();
}

TEST_F(UndoTest, AnnouncedCellPlacedAfterTheSecondRollIsTheOnlyCellOfferedAgain) {
    start();
    roll({3, 3, 1, 4, 5});
    place(4, 2);
    roll({3, 3, 3, 4, 5});
    place(4, 2);
    ASSERT_TRUE(state().AnnounceStanding);
    const PlayerSheet placed = sheet();

    undo();
    EXPECT_EQ(state().RollCount, 2);
    int offers = 0;
    for (int c = 1; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r)
            offers += offered(c, r) ? 1 : 0;
    }
    EXPECT_EQ(offers, 1);
    EXPECT_TRUE(offered(4, 2));
    expectConsistent();

    redo();
    EXPECT_EQ(sheet(), placed);
    expectConsistent();
}

TEST_F(UndoTest, UndoRedoUndoTakesTheReplayBackTheSameWay) {
    start();
    turn({6, 6, 6, 2, 1}, 2, 12); // Up Rollwell: 0
    turn({2, 3, 4, 5, 6}, 3, 10);
    undo();
    const PlayerSheet undone = sheet();
    const TurnState firstUndo = state();
    redo();
    undo();
    EXPECT_EQ(sheet(), undone);
    EXPECT_EQ(state().DiceValues, firstUndo.DiceValues);
    EXPECT_EQ(state().RollCount, firstUndo.RollCount);
    EXPECT_TRUE(board().mnuUndoRedo.enabled);
    expectConsistent();
}

TEST_F(UndoTest, RollButtonMessageAndLightsFollowTheRollsOfTheUndoneTurn) {
    struct Case {
        int rolls;
        bool rollEnabled;
        const char* message;
        bool announceOpen;
    };
    for (const Case& k : {Case{1, true, "Place your score or roll the dice", true},
                          Case{2, true, "Place your score or roll the dice", false},
                          Case{3, false, "Place your score", false}}) {
        SCOPED_TRACE(k.rolls);
        start();
        for (int n = 0; n < k.rolls; ++n)
            roll({1, 2, 3, 4, 6});
        place(3, 10);
        undo();
        EXPECT_EQ(state().RollCount, k.rolls);
        EXPECT_EQ(board().picRollDices.enabled, k.rollEnabled);
        EXPECT_EQ(board().picRollDices.picture,
                  k.rollEnabled ? RollPicture::picRollDice : RollPicture::picRollOff);
        EXPECT_EQ(board().StatusPanel(2).text, k.message);
        for (int light = 0; light < 3; ++light) {
            EXPECT_EQ(board().picRound[light], light < k.rolls);
            EXPECT_NE(board().picRound[light], board().picRoundBG[light]);
        }
        EXPECT_EQ(offered(4, 5), k.announceOpen);
        expectConsistent();
    }
}

TEST_F(UndoTest, DiceComeBackInTheirOrderWithTheirHolds) {
    start();
    roll({5, 2, 6, 2, 1});
    engine->picDice_Click(1);
    engine->picDice_Click(3);
    roll({4, 4, 3}); // dice 0, 2 and 4
    place(3, 1);     // Twos: the placement sorts the dice to score them
    undo();
    EXPECT_EQ(state().DiceValues, (std::array<int32_t, 6>{4, 2, 4, 2, 3, 0}));
    for (int i = 0; i < 5; ++i) {
        const bool held = i == 1 || i == 3;
        EXPECT_EQ(state().DiceHeld[i], held) << i;
        EXPECT_EQ(board().PicDiceOff[i].visible, held) << i;
        EXPECT_EQ(board().picDice[i].visible, !held) << i;
        EXPECT_TRUE(board().picDice[i].enabled && board().PicDiceOff[i].enabled) << i;
        EXPECT_EQ(board().picDice[i].face, state().DiceValues[i]) << i;
    }

    // After the third roll no die is held and none can be clicked.
    roll({1, 1, 1});
    place(3, 0);
    undo();
    EXPECT_EQ(state().DiceValues, (std::array<int32_t, 6>{1, 2, 1, 2, 1, 0}));
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(state().DiceHeld[i]) << i;
        EXPECT_TRUE(board().picDice[i].visible && !board().picDice[i].enabled) << i;
    }
}

TEST_F(UndoTest, ARollAfterUndoEndsTheChanceToRedo) {
    start();
    turn({1, 2, 3, 4, 6}, 3, 10);
    undo();
    roll({1, 2, 3, 4, 5});
    EXPECT_FALSE(board().mnuUndoRedo.enabled || board().tbRedo.enabled);
    const PlayerSheet before = sheet();
    redo();
    EXPECT_EQ(sheet(), before);
    EXPECT_EQ(state().RollCount, 2);
}

TEST_F(UndoTest, CommandsDoNothingWhileTheyAreDisabled) {
    start();
    roll({1, 2, 3, 4, 6});
    platform.clearLog();
    undo();
    redo();
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_EQ(state().RollCount, 1);
    EXPECT_EQ(board().StatusPanel(2).text, "Place your score or roll the dice");
}

TEST_F(UndoTest, RedoOfAnAnnouncementAfterAnEarlierAnnouncedUndoOnlyAnnounces) {
    start();
    roll({3, 3, 3, 4, 5});
    place(4, 2);
    place(4, 2); // announced Threes placed at once
    undo();      // Redo would announce and place Threes
    roll({1, 2, 3, 4, 6});
    place(3, 10); // another move instead
    roll({5, 5, 5, 1, 2});
    place(4, 4); // announce Fives
    undo();
    redo();
    EXPECT_TRUE(state().Announced);
    EXPECT_TRUE(sheet().isEmpty(4, 4));
    expectConsistent();
}

TEST_F(UndoTest, TwoPlayersTheSamePlayerPlaysOnAndRedoOffersTheHandOverAgain) {
    start(4, 2);
    turn({1, 2, 3, 4, 6}, 3, 10);
    ASSERT_TRUE(board().cmdNextPlayer.visible);
    undo();
    EXPECT_FALSE(board().cmdNextPlayer.visible);
    EXPECT_EQ(engine->game().CurrentPlayer, 1);
    redo();
    EXPECT_TRUE(board().cmdNextPlayer.visible);

    // A replayed announcement ends no turn: no hand-over offered.
    turn({3, 3, 3, 4, 5}, 4, 2);
    ASSERT_EQ(engine->game().CurrentPlayer, 2);
    undo();
    redo();
    EXPECT_TRUE(state().Announced);
    EXPECT_FALSE(board().cmdNextPlayer.visible);
    expectConsistent();
}

TEST_F(UndoTest, RedoOfTheFinalPlacementAsksAgainAndAFinishedGameOffersNoUndo) {
    start(1);
    probe().fillAllBut({{3, 12}}, 2);
    roll({1, 2, 3, 4, 6});
    platform.endGameAnswers.push_back(EndGameAnswer::Undo);
    place(3, 12);
    ASSERT_TRUE(sheet().isEmpty(3, 12));
    EXPECT_TRUE(board().mnuUndoRedo.enabled);

    platform.clearLog();
    platform.endGameAnswers.push_back(EndGameAnswer::Finish);
    redo();
    EXPECT_EQ(platform.endGameDialogs, 2);
    EXPECT_TRUE(engine->game().GameFinished);
    EXPECT_FALSE(board().mnuUndoUndo.enabled || board().tbUndo.enabled);
    EXPECT_FALSE(board().mnuUndoRedo.enabled);
    EXPECT_FALSE(state().RedoPlacement);
    EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"redo"});
    undo();
    EXPECT_FALSE(sheet().isEmpty(3, 12));
}

TEST_F(UndoTest, TurnBackWithEveryDieHeldKeepsTheRollButtonOff) {
    start();
    roll({2, 2, 2, 2, 2});
    for (int i = 0; i < 5; ++i)
        engine->picDice_Click(i);
    ASSERT_FALSE(board().picRollDices.enabled);
    place(4, 12); // announce, then place at once
    place(4, 12);
    ASSERT_TRUE(board().picRollDices.enabled);
    undo();
    EXPECT_EQ(state().RollCount, 1);
    EXPECT_FALSE(board().picRollDices.enabled) << "five held dice cannot be rolled";
    EXPECT_EQ(board().picRollDices.picture, RollPicture::picRollOff);
    engine->PicDiceOff_Click(0);
    EXPECT_TRUE(board().picRollDices.enabled);
}

} // namespace
} // namespace rollwell
