#include "game/gamefixture.h"

#include <algorithm>
#include <tuple>

namespace rollwell {
namespace {

// Everything the layout decides about what is seen, for whole-board comparisons.
struct LayoutView {
    BoardGeometry geometry;
    BoardDecorations decorations;
    std::vector<bool> shown; // every cell, button, total and die, in a fixed order

    explicit LayoutView(const Board& b) : geometry(b.geometry), decorations(b.decorations) {
        for (const ColumnControls& col : b.columns) {
            for (int r = 0; r < kRowCount; ++r)
                shown.insert(shown.end(), {col.cmd[r].visible, col.lbl[r].visible});
            shown.insert(shown.end(), {col.Tot1.visible, col.Tot2.visible, col.Tot.visible});
        }
        for (int i = 0; i < kMaxDice; ++i)
            shown.insert(shown.end(), {b.picDice[i].visible, b.PicDiceOff[i].visible});
    }
    bool operator==(const LayoutView&) const = default;
};

class Window : public GameFixture {
  protected:
    // Runs the options command; the window answers with `change` applied.
    template <typename Change> void options(Change change) {
        Settings chosen = settings;
        change(chosen);
        platform.optionsAnswers.push_back(chosen);
        engine->mnuOptions_Click();
    }
};

TEST_F(Window, VariantRoundTripThroughOptionsLeavesEveryElementWhereItWas) {
    start(1, 5, 1);
    const LayoutView yahtzee(board());
    options([](Settings& s) { s.NumberOfColumns = 4; });
    const LayoutView yamb(board());
    EXPECT_EQ(yamb.geometry, BoardGeometry{});
    EXPECT_EQ(yamb.decorations, BoardDecorations{});
    // Yahtzee drops one line of 250 under the sheet; the grand total and its frame move by 270.
    EXPECT_EQ(yahtzee.geometry.lblGrandTotal.top, yamb.geometry.lblGrandTotal.top - 270);
    EXPECT_EQ(yahtzee.geometry.Shape11.top, yamb.geometry.Shape11.top - 270);
    EXPECT_EQ(yahtzee.geometry.Line9.y2, yamb.geometry.Line9.y2 - 250); // the edge's lower end
    options([](Settings& s) { s.NumberOfColumns = 1; });
    EXPECT_EQ(LayoutView(board()), yahtzee);
    engine->Form_Load(); // laying the board out again changes nothing
    EXPECT_EQ(LayoutView(board()), yahtzee);
    options([](Settings& s) { s.NumberOfColumns = 4; });
    engine->Form_Load();
    EXPECT_EQ(LayoutView(board()), yamb);
}

TEST_F(Window, SixDiceChosenBeforeTheFirstRollRelayOutWithoutAQuestion) {
    start(4, 4, 1);
    const auto bottomRow = [this] {
        return std::tuple(board().picDice[5].visible, board().decorations.Shape5,
                          board().geometry.picDice[3].left, board().geometry.picDice[4].left);
    };
    EXPECT_EQ(bottomRow(), std::tuple(false, false, 697, 1602));
    options([](Settings& s) { s.NumberOfColumns = 1, s.NumberOfDice = 5; });
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(board().columns[2].Tot.visible);
    EXPECT_EQ(bottomRow(), std::tuple(true, true, 245, 1150));
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_THAT(dice(), ::testing::ElementsAre(1, 2, 3, 4, 5, 6));
}

TEST_F(Window, TwoPlayerGameReplacedByOnePlayerLeavesNoHandOverBehind) {
    start(4, 5, 2);
    // Before a game one player at once drops a hand-over button left standing.
    probe().board().cmdNextPlayer.visible = true;
    options([](Settings& s) { s.NumberOfPlayers = 1; });
    EXPECT_FALSE(board().cmdNextPlayer.visible);
    options([](Settings& s) { s.NumberOfPlayers = 2; });
    EXPECT_EQ(board().caption, "Rollwell - Player 1");
    EXPECT_EQ(board().StatusPanel(3).text, "0 : 0");
    roll({1, 2, 3, 4, 5, 6});
    // As a finished two-player game leaves it: player 2 last on turn, hand-over buttons up.
    std::tie(probe().game().GameFinished, probe().game().CurrentPlayer) = std::tuple(true, 2);
    probe().board().cmdNextPlayer.visible = true;
    probe().board().cmdShowNextBoard = {true, true, "    Show      Player 1's  Board"};
    options([](Settings& s) { s.NumberOfPlayers = 1; });
    ASSERT_EQ(platform.messages.size(), 1U); // a finished game still asks
    EXPECT_FALSE(board().cmdShowNextBoard.visible || board().cmdNextPlayer.visible);
    EXPECT_EQ(board().caption, "Rollwell 2.0");
    finishAnimation();
    platform.queueRoll(6, {6, 5, 4, 3, 2, 1});
    engine->Form_KeyPress(13); // Enter rolls again
    EXPECT_EQ(engine->turn().RollCount, 1);
}

// Sound off from the toolbar silences every move and swaps the button's picture.
TEST_F(Window, ToolbarSoundOffSilencesTheGame) {
    start(4, 5, 1);
    EXPECT_EQ(board().tbSound.image, 5);
    engine->Toolbar2_ButtonClick("tbSound");
    EXPECT_EQ(board().tbSound.image, 8);
    platform.clearLog();
    roll({1, 2, 3, 4, 5, 6});
    engine->cmdRand_Click(1);
    engine->Toolbar2_ButtonClick("tbUndo");
    EXPECT_FALSE(engine->sheet().cell(3, 1).has_value());
    engine->Toolbar2_ButtonClick("tbRedo");
    EXPECT_TRUE(engine->sheet().cell(3, 1).has_value() && platform.sounds.empty());
}

TEST_F(Window, EachToolbarKeyRunsOnlyItsCommandAndOnlyWhileEnabled) {
    // The five commands first, then keys that are no command.
    const std::vector<std::string> keys = {"tbNew",  "tbHint", "tbSound",    "tbHelp",
                                           "tbExit", "tbnew",  "mnuNewGame", ""};
    const std::vector<ToolButton Board::*> buttons = {
        &Board::tbNew, &Board::tbHint, &Board::tbSound, &Board::tbHelp, &Board::tbExit};
    for (size_t k = 0; k < keys.size(); ++k) {
        for (bool enabled : {true, false}) {
            SCOPED_TRACE(keys[k] + (enabled ? " enabled" : " disabled"));
            settings = Settings{};
            start(4, 5, 1);
            roll({1, 2, 3, 4, 5, 6});
            if (k < buttons.size()) (probe().board().*buttons[k]).enabled = enabled;
            platform.clearLog();
            engine->Toolbar2_ButtonClick(keys[k]);
            // What each of the five commands leaves behind, in the table's order.
            const bool seen[] = {
                !engine->game().GameStarted, std::ranges::count(platform.soundNames(), "hint") > 0,
                !engine->run().SoundOn, platform.quickStarts == 1, platform.closeRequests == 1};
            for (size_t b = 0; b < buttons.size(); ++b)
                EXPECT_EQ(seen[b], enabled && b == k) << b;
        }
    }
}

TEST_F(Window, OptionsDuringAGameAskOnlyForAGameChange) {
    start(4, 4, 1);
    roll({1, 2, 3, 4, 5});
    const Settings before = settings;
    engine->mnuOptions_Click(); // the script's default answer is Cancel
    EXPECT_EQ(settings, before);
    // Names, confirmations and the status bar ask no question; the window shrinks at once.
    options(
        [](Settings& s) { s.Player1 = "Ana       ", s.ConfirmOnExit = s.ShowStatusBar = false; });
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(board().windowHeight, 8300);

    // Six dice, cancelled: the game goes on with five, but the new name stays.
    const BoardGeometry geometry = board().geometry;
    platform.answers.push_back(MsgAnswer::Cancel);
    options(
        [](Settings& s) { s.NumberOfDice = 5, s.NumberOfPlayers = 2, s.Player1 = "Bo        "; });
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(lastMessage(), std::tuple("Start a New Game?",
                                        "Click OK to start a new game or click Cancel to discard "
                                        "changes and return to current game.",
                                        MsgButtons::OkCancel, MsgIcon::Question));
    EXPECT_EQ(std::tie(settings.NumberOfDice, settings.NumberOfPlayers, settings.Player1),
              std::tuple(4, 1, "Bo        "));
    EXPECT_EQ(board().geometry, geometry);
    roll({6, 6, 6, 6, 6});
    EXPECT_EQ(engine->turn().RollCount, 2);
    engine->cmdRand_Click(1);

    // Accepted: a new game at once, without "Quit this Game?"; its animation
    // (pattern 2 builds the board from nothing) starts from its first frame.
    platform.queueRandom(1.5 / 9);
    options([](Settings& s) { s.NumberOfDice = 5; });
    ASSERT_EQ(engine->animation().AnimationPattern, 2);
    for (int c = 1; c <= kColumnCount; ++c)
        for (int r = 0; r < kRowCount; ++r)
            EXPECT_FALSE(board().cmd(c, r).visible) << c << "/" << r;
    EXPECT_EQ(platform.messages.size(), 2U); // no "Quit this Game?"
    EXPECT_EQ(engine->sheet(), PlayerSheet{});
    // A later New Game during play asks again.
    finishAnimation();
    roll({1, 2, 3, 4, 5, 6});
    platform.answers.push_back(MsgAnswer::Cancel);
    engine->mnuNewGame_Click();
    EXPECT_EQ(lastMessage(),
              std::tuple("Confirm", "Quit this Game?", MsgButtons::OkCancel, MsgIcon::Question));
    EXPECT_TRUE(engine->game().GameStarted);
}

} // namespace
} // namespace rollwell
