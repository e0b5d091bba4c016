#include "gamefixture.h"
#include "support/invariants.h"

#include <tuple>

namespace rollwell {
namespace {

class Computer : public GameFixture {
  protected:
    void advise(Advice a) {
        engine->setAdvisor([a](const Engine&, Strength) { return a; });
        engine->mnuSuggest_Click();
    }
};

// Undo in the computer's turn takes nothing back; New Game stops it there.
TEST_F(Computer, NewGameStopsItsTurnCleanly) {
    settings.Player2Computer = true;
    start(1, 4, 2);
    advise({Action::Roll, {true, true}}); // the computer's: no suggestion before a roll
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
TEST_F(Computer, SuggestionMarksTheMoveUntilTheNextOne) {
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
