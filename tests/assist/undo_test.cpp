#include "game/gamefixture.h"

#include <array>

namespace rollwell {
namespace {

class Undo : public GameFixture {
  protected:
    using Totals = std::array<std::string, 3>;

    void begin(int players = 1) { start(4, 4, players); } // four columns, five dice
    void place(int column, int row) { engine->cellClick(column, row); }
    void undo() { engine->mnuUndoUndo_Click(); }
    void redo() { engine->mnuUndoRedo_Click(); }
    // The column's total and upper total, and the grand total, as shown.
    Totals totals(int column) const {
        const auto& col = board().columns[column - 1];
        return {col.Tot.text, col.Tot1.text, board().lblGrandTotal.text};
    }
};

// What the undo-then-redo comparison cannot see: the sounds, the message and
// the roll button of the turn brought back, for a placement after one, two or
// three rolls and for an announcement.
TEST_F(Undo, SoundsMessageAndRollButtonOfTheTurnBroughtBack) {
    for (int rolls : {1, 2, 3}) {
        SCOPED_TRACE(rolls);
        begin();
        for (int n = 0; n < rolls; ++n)
            roll({1, 2, 3, 4, 6});
        place(3, 10);
        platform.clearLog();
        undo();
        EXPECT_EQ(platform.soundNames(), std::vector<std::string>{"undo"});
        EXPECT_EQ(totals(3), (Totals{"", "", ""})); // the first placement's totals empty
        EXPECT_EQ(board().picRollDices.enabled, rolls < 3);
        EXPECT_EQ(board().StatusPanel(2).text,
                  rolls < 3 ? "Place your score or roll the dice" : "Place your score");
        EXPECT_EQ(board().picRound, (std::array<bool, 3>{true, rolls > 1, rolls > 2}));
        redo(); // the replay is silent but for its own sound
        EXPECT_EQ(platform.soundNames(), (std::vector<std::string>{"undo", "redo"}));
    }
    play({3, 3, 3, 4, 5}, 4, 2); // announce Threes
    platform.clearLog();
    undo();
    redo();
    EXPECT_EQ(platform.soundNames(), (std::vector<std::string>{"undo", "redo"}));
    play({3, 3, 3, 1, 2}, 4, 2); // placed after the second roll
    undo();
    EXPECT_EQ(board().StatusPanel(2).text, "Place your score or roll the dice");
}

// (The dice and holds brought back are compared by the soak.)
TEST_F(Undo, ATurnBroughtBackWithEveryDieHeldKeepsTheRollButtonOff) {
    begin();
    roll({5, 2, 6, 2, 1});
    for (int i = 0; i < 5; ++i)
        engine->picDice_Click(i);
    place(3, 1);
    undo();
    EXPECT_FALSE(board().picRollDices.enabled);
    engine->PicDiceOff_Click(0);
    EXPECT_TRUE(board().picRollDices.enabled && board().picDice[0].enabled);
}

// (Undo and Redo of player 2's moves are compared by the soak.)
TEST_F(Undo, TwoPlayersFirstPlacementAndTheHandOver) {
    begin(2);
    play({1, 2, 3, 4, 6}, 3, 10);
    undo();
    EXPECT_EQ(totals(3), (Totals{"", "", "0"}));
    EXPECT_EQ(board().StatusPanel(3).text, "0 : 0");
    EXPECT_FALSE(board().cmdNextPlayer.visible);
    redo(); // shows the hand-over after a placement only
    EXPECT_TRUE(board().cmdNextPlayer.visible);
}

} // namespace
} // namespace rollwell
