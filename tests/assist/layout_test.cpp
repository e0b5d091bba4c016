#include "game/gamefixture.h"

namespace rollwell {
namespace {

// Everything the layout decides about what is seen, for whole-board comparisons.
struct LayoutView {
    BoardGeometry geometry;
    BoardDecorations decorations;
    std::vector<bool> shown; // every cell, button, total and die, in a fixed order

    explicit LayoutView(const Board& b) : geometry(b.geometry), decorations(b.decorations) {
        for (const ColumnControls& col : b.columns) {
            for (int r = 0; r < kRowCount; ++r) {
                shown.push_back(col.cmd[r].visible);
                shown.push_back(col.lbl[r].visible);
            }
            shown.push_back(col.Tot1.visible);
            shown.push_back(col.Tot2.visible);
            shown.push_back(col.Tot.visible);
        }
        for (int i = 0; i < kMaxDice; ++i) {
            shown.push_back(b.picDice[i].visible);
            shown.push_back(b.PicDiceOff[i].visible);
        }
    }
    bool operator==(const LayoutView&) const = default;
};

class Layout : public GameFixture {
  protected:
    // Runs the options command; the window answers with `change` applied.
    template <typename Change> void options(Change change) {
        Settings chosen = settings;
        change(chosen);
        platform.optionsAnswers.push_back(chosen);
        engine->mnuOptions_Click();
    }
    void switchTo(int columns) {
        options([columns](Settings& s) { s.NumberOfColumns = columns; });
    }
    const BoardGeometry& geo() const { return board().geometry; }
};

TEST_F(Layout, YambBoardIsTheDesignedBoard) {
    start(4, 5, 1);
    EXPECT_EQ(geo(), BoardGeometry{});
    EXPECT_EQ(board().decorations, BoardDecorations{});
    for (int c = 1; c <= kColumnCount; ++c) {
        EXPECT_EQ(geo().columns[static_cast<size_t>(c - 1)].left, 2205 + (c - 1) * 600);
        EXPECT_EQ(geo().columns[static_cast<size_t>(c - 1)].width, 600);
        for (int r = 0; r < kRowCount; ++r) {
            EXPECT_TRUE(board().cmd(c, r).visible);
            EXPECT_EQ(board().cmd(c, r).picture, CellPicture::imgBut3);
            EXPECT_TRUE(board().lbl(c, r).visible);
        }
        EXPECT_TRUE(board().columns[static_cast<size_t>(c - 1)].Tot.visible);
    }
    EXPECT_EQ(geo().lblGrandTotal.left, 2205);
    EXPECT_EQ(geo().lblGrandTotal.width, 2400);
    EXPECT_EQ(geo().Picture2.height, 4740);
    EXPECT_EQ(geo().Line1.y2, 5414);
    EXPECT_EQ(geo().Line3.y2, 5414);
    EXPECT_EQ(geo().Line4.y1, 5414);
    EXPECT_EQ(geo().Line4.y2, 5414);
}

TEST_F(Layout, YahtzeeSpreadsOneColumnAndLiftsTheLowerBoardOneLine) {
    start(1, 5, 1);
    const BoardGeometry yamb;
    const BoardGeometry& g = geo();
    EXPECT_EQ(g.columns[2], (ColumnSpan{2205, 2400}));
    EXPECT_EQ(g.lblGrandTotal.left, 2205);
    EXPECT_EQ(g.lblGrandTotal.width, 2400);
    for (int r = 0; r < kRowCount; ++r) {
        for (int c : {1, 2, 4}) {
            EXPECT_FALSE(board().cmd(c, r).visible);
            EXPECT_FALSE(board().lbl(c, r).visible);
        }
        EXPECT_TRUE(board().cmdRand(r).visible);
        EXPECT_FALSE(board().cmdRand(r).enabled);
        EXPECT_EQ(board().cmdRand(r).picture, CellPicture::img1ColumnP);
    }
    for (int c : {1, 2, 4}) {
        const ColumnControls& col = board().columns[static_cast<size_t>(c - 1)];
        EXPECT_FALSE(col.Tot1.visible || col.Tot2.visible || col.Tot.visible);
    }
    EXPECT_FALSE(board().columns[2].Tot.visible);
    EXPECT_EQ(board().decorations,
              (BoardDecorations{false, false, false, true, board().decorations.Shape5}));

    // One line of 250 removed; the grand total and its frame by 270.
    EXPECT_EQ(g.picRollDices.top, yamb.picRollDices.top - 250);
    EXPECT_EQ(g.Shape1.top, yamb.Shape1.top - 250);
    EXPECT_EQ(g.Label2.top, yamb.Label2.top - 250);
    for (int i = 0; i < kMaxDice; ++i) {
        EXPECT_EQ(g.picDice[static_cast<size_t>(i)].top,
                  yamb.picDice[static_cast<size_t>(i)].top - 250);
        EXPECT_EQ(g.PicDiceOff[static_cast<size_t>(i)].top,
                  yamb.PicDiceOff[static_cast<size_t>(i)].top - 250);
    }
    EXPECT_EQ(g.lblGrandTotal.top, yamb.lblGrandTotal.top - 270);
    EXPECT_EQ(g.Shape11.top, yamb.Shape11.top - 270);
    EXPECT_EQ(g.Shape10.top, yamb.Shape10.top);
    EXPECT_EQ(g.Shape10.height, yamb.Shape10.height - 250);
    EXPECT_EQ(g.Line5,
              (Segment{yamb.Line5.x1, yamb.Line5.y1 - 250, yamb.Line5.x2, yamb.Line5.y2 - 250}));
    EXPECT_EQ(g.Line9.y1, yamb.Line9.y1);
    EXPECT_EQ(g.Line9.y2, yamb.Line9.y2 - 250);
    EXPECT_EQ(g.Line10.y1, yamb.Line10.y1);
    EXPECT_EQ(g.Line10.y2, yamb.Line10.y2 - 250);
    // The upper part stays.
    EXPECT_EQ(g.Picture2.top, yamb.Picture2.top);
    EXPECT_EQ(g.Picture2.height, 4505);
    EXPECT_EQ(g.Line1.y2, 5164);
    EXPECT_EQ(g.Line3.y2, 5164);
    EXPECT_EQ(g.Line4.y1, 5164);
}

TEST_F(Layout, SwitchingVariantsThroughOptionsLeavesNoDrift) {
    start(1, 4, 1);
    const LayoutView yahtzee(board());
    switchTo(4);
    EXPECT_EQ(geo().lblGrandTotal.top, BoardGeometry{}.lblGrandTotal.top);
    EXPECT_TRUE(board().columns[2].Tot.visible);
    switchTo(1);
    EXPECT_EQ(LayoutView(board()), yahtzee);

    const LayoutView yamb = [&] {
        switchTo(4);
        return LayoutView(board());
    }();
    for (int round = 0; round < 3; ++round) {
        switchTo(1);
        switchTo(4);
    }
    EXPECT_EQ(LayoutView(board()), yamb);
}

TEST_F(Layout, LayingOutAgainChangesNothing) {
    for (int columns : {4, 1}) {
        start(columns, 4, 1);
        const LayoutView once(board());
        engine->Form_Load(); // lays the board out a second time
        EXPECT_EQ(LayoutView(board()), once) << columns << " columns";
        // A relayout for another setting leaves the board's shape alone.
        options([](Settings& s) { s.NumberOfPlayers = 2; });
        EXPECT_EQ(geo(), once.geometry) << columns << " columns";
    }
}

TEST_F(Layout, DiceByNumberOfDice) {
    struct Case {
        int dice;
        bool sixth;
        int die3, die4, frame3, frame4;
    };
    for (const Case& c :
         {Case{4, false, 697, 1602, 697, 1602}, Case{5, true, 245, 1150, 247, 1150}}) {
        for (int columns : {4, 1}) {
            start(columns, c.dice, 1);
            SCOPED_TRACE(testing::Message() << "dice " << c.dice << ", columns " << columns);
            EXPECT_EQ(board().picDice[5].visible, c.sixth);
            EXPECT_FALSE(board().PicDiceOff[5].visible);
            EXPECT_EQ(board().decorations.Shape5, c.sixth);
            EXPECT_EQ(geo().picDice[3].left, c.die3);
            EXPECT_EQ(geo().picDice[4].left, c.die4);
            EXPECT_EQ(geo().PicDiceOff[3].left, c.die3);
            EXPECT_EQ(geo().PicDiceOff[4].left, c.die4);
            EXPECT_EQ(geo().Shape3.left, c.frame3);
            EXPECT_EQ(geo().Shape4.left, c.frame4);
            // The top row never moves sideways.
            for (size_t i = 0; i < 3; ++i)
                EXPECT_EQ(geo().picDice[i].left, BoardGeometry{}.picDice[i].left);
        }
    }
    // Five dice sit centred under the gaps of the top row.
    const BoardGeometry g;
    EXPECT_EQ(697, (g.picDice[0].left + g.picDice[1].left) / 2);
    EXPECT_EQ(1602, (g.picDice[1].left + g.picDice[2].left) / 2);
}

TEST_F(Layout, SixthDieComesBackWhenSixDiceAreChosenBeforeTheFirstRoll) {
    start(4, 4, 1);
    options([](Settings& s) { s.NumberOfDice = 5; });
    EXPECT_TRUE(board().picDice[5].visible);
    EXPECT_EQ(engine->game().HighestDieIndex, 5);
    EXPECT_EQ(geo().picDice[3].left, 245);
    roll({1, 2, 3, 4, 5, 6});
    EXPECT_THAT(dice(), ::testing::ElementsAre(1, 2, 3, 4, 5, 6));
}

TEST_F(Layout, CaptionByPlayers) {
    start(4, 5, 2);
    EXPECT_EQ(board().caption, "Rollwell - Player 1");
    EXPECT_EQ(board().StatusPanel(3).text, "0 : 0");
    EXPECT_EQ(board().StatusPanel(1).text, settings.Player1);
    options([](Settings& s) { s.NumberOfPlayers = 1; });
    EXPECT_EQ(board().caption, "Rollwell 2.0");
}

struct StatusCase {
    int players;
    bool showStatusBar;
    int columns;
    int height;
};

class StatusBar : public Layout, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusBar, PanelsAndWindowHeight) {
    const StatusCase c = GetParam();
    settings.ShowStatusBar = c.showStatusBar;
    start(c.columns, 5, c.players);
    const bool two = c.players == 2;
    const int widths[2][4] = {{1, 2550, 1, 1230}, {2000, 1, 1630, 1}};
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(board().StatusPanel(n).visible, two == (n == 1 || n == 3)) << "panel " << n;
        EXPECT_EQ(board().StatusPanel(n).width, widths[two ? 1 : 0][n - 1]) << "panel " << n;
    }
    EXPECT_TRUE(board().StatusPanel(5).visible);
    EXPECT_EQ(board().statusBarVisible, two || c.showStatusBar);
    EXPECT_EQ(board().windowHeight, c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StatusBar,
    ::testing::Values(StatusCase{1, true, 4, 8530}, StatusCase{1, true, 1, 8270},
                      StatusCase{1, false, 4, 8300}, StatusCase{1, false, 1, 8030},
                      StatusCase{2, true, 4, 8530}, StatusCase{2, false, 4, 8530},
                      StatusCase{2, true, 1, 8300}, StatusCase{2, false, 1, 8300}));

TEST_F(Layout, StatusBarSwitchedOffInOptionsShrinksTheWindowAtOnce) {
    for (auto [columns, before, after] : {std::tuple{4, 8530, 8300}, std::tuple{1, 8270, 8030}}) {
        start(columns, 5, 1);
        roll({1, 1, 2, 3, 4, 5}); // during a game: no question for the status bar
        EXPECT_EQ(board().windowHeight, before);
        options([](Settings& s) { s.ShowStatusBar = false; });
        EXPECT_EQ(board().windowHeight, after);
        EXPECT_FALSE(board().statusBarVisible);
        EXPECT_TRUE(platform.messages.empty());
        options([](Settings& s) { s.ShowStatusBar = true; });
        EXPECT_EQ(board().windowHeight, before);
        EXPECT_TRUE(board().statusBarVisible);
    }
}

TEST_F(Layout, OnePlayerHidesTheNextPlayerButton) {
    start(4, 5, 2);
    probe().board().cmdNextPlayer.visible = true;
    options([](Settings& s) { s.NumberOfPlayers = 1; });
    EXPECT_FALSE(board().cmdNextPlayer.visible);
}

} // namespace
} // namespace rollwell
