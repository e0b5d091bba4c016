#include "gamefixture.h"
#include "support/bot.h"
#include "support/invariants.h"

#include <tuple>

namespace rollwell {
namespace {

struct Match {
    int columns, dice, strength;
};

class Computer : public ::testing::TestWithParam<Match> {};

// Whole games against the computer, every rule checked after each event: the
// person's moves at random, Undo, Redo and hints among them, the person's
// clicks and Undo tried during the computer's turn, now and then a New Game
// in the middle of it. Only the person's results enter the top scores.
TEST_P(Computer, PlaysPlayerTwoThroughWholeGamesUnderEveryRule) {
    const Match m = GetParam();
    Settings settings;
    std::tie(settings.NumberOfColumns, settings.NumberOfDice, settings.NumberOfPlayers) =
        std::tuple(m.columns, m.dice, 2);
    settings.Player2Computer = true;
    settings.ComputerStrength = m.strength;
    Bot bot(settings, {7, true, 0.25, 0.5, 0.2, 0.05, 0.0005, 0.5, 0.5});
    int finished = 0, games = 0;
    for (; games < 6 && finished < (m.columns == 1 ? 3 : 1); ++games) {
        const int placements = bot.playGame();
        if (!bot.engine().game().GameFinished) continue;
        ++finished;
        EXPECT_EQ(placements, 2 * PlayerSheet::capacity(m.columns));
        ASSERT_TRUE(bot.failures().empty()) << bot.failures().front();
    }
    ASSERT_TRUE(bot.failures().empty()) << bot.failures().front();
    ASSERT_GE(finished, 1);
    const ScriptedPlatform& p = bot.platform();
    EXPECT_EQ(p.records.size(), static_cast<size_t>(finished));
    for (const auto& record : p.records)
        EXPECT_EQ(record.name, settings.Player1);
    ASSERT_EQ(p.winners.size(), static_cast<size_t>(finished));
    EXPECT_EQ(p.winners.back().lblPlayer2, "Computer's Total Score:");
}

INSTANTIATE_TEST_SUITE_P(Strengths, Computer,
                         ::testing::Values(Match{4, 5, 3}, Match{4, 4, 1}, Match{1, 4, 2},
                                           Match{1, 5, 3}),
                         [](const ::testing::TestParamInfo<Match>& p) {
                             return std::string(p.param.columns == 4 ? "Yamb" : "Yahtzee") +
                                    (p.param.dice == 5 ? "Six" : "Five") + "DiceStrength" +
                                    std::to_string(p.param.strength);
                         });

class Suggest : public GameFixture {
  protected:
    void advise(Advice a) {
        engine->setAdvisor([a](const Engine&, Strength) { return a; });
        engine->mnuSuggest_Click();
    }
};

// Undo in the computer's turn takes nothing back; New Game stops it there.
TEST_F(Suggest, NewGameStopsTheComputersTurnCleanly) {
    settings.Player2Computer = true;
    start(1, 4, 2);
    advise({Action::Roll, {true, true}});
    play({6, 6, 6, 6, 6}, 3, 12);
    EXPECT_TRUE(board().tmrComputer.running && engine->computerNext());
    engine->tmrComputer_Timer(); // hands over and rolls
    engine->tmrComputer_Timer(); // holds two dice
    ASSERT_TRUE(engine->computerOnTurn() && board().boardLocked);
    EXPECT_TRUE(engine->turn().DiceHeld[0] && engine->turn().DiceHeld[1]);
    const TurnState turn = engine->turn();
    engine->mnuUndoUndo_Click();
    engine->Toolbar2_ButtonClick("tbSuggest");
    EXPECT_EQ(checkSameMove(engine->sheet(), turn, engine->sheet(), engine->turn()), "");
    EXPECT_EQ(board().advice, AdviceMarks{});
    engine->mnuNewGame_Click();
    EXPECT_FALSE(board().tmrComputer.running || board().boardLocked);
    EXPECT_EQ(engine->game().CurrentPlayer, 1);
    EXPECT_EQ(checkAll(*engine), "");
}

// The advice is shown, never played; the player's next move clears it, and a
// two-player game gives the message panel back the name's place.
TEST_F(Suggest, MarksTheMoveUntilTheNextOne) {
    start(4, 4, 2);
    roll({2, 5, 5, 1, 5});
    Advice hold{Action::Roll, {false, true, true, false, true}};
    hold.expectedGain = 3.25;
    advise(hold);
    EXPECT_EQ(board().advice.hold, hold.hold);
    EXPECT_EQ(board().StatusPanel(2).text, "Hold the marked dice, roll: +3.2");
    EXPECT_TRUE(board().StatusPanel(2).visible && !board().StatusPanel(3).visible);
    EXPECT_EQ(engine->turn().DiceHeld, (std::array<bool, 6>{}));
    engine->picDice_Click(1); // following it keeps the marks
    EXPECT_EQ(board().advice.hold, hold.hold);
    roll({3, 4, 6, 2});
    EXPECT_EQ(board().advice, AdviceMarks{});
    EXPECT_TRUE(board().StatusPanel(3).visible && !board().StatusPanel(2).visible);
    EXPECT_EQ(board().StatusPanel(2).width, 1);
    EXPECT_EQ(board().StatusPanel(2).text, "Place your score or roll the dice");

    advise({Action::Announce, {}, 4, 12});
    EXPECT_EQ(std::tie(board().advice.column, board().advice.row), std::tuple(4, 12));
    EXPECT_TRUE(engine->sheet().isEmpty(4, 12) && !engine->turn().Announced);
    engine->cellClick(1, 0);
    EXPECT_EQ(board().advice, AdviceMarks{});
    EXPECT_TRUE(board().StatusPanel(3).visible && !board().StatusPanel(2).visible);
}

} // namespace
} // namespace rollwell
