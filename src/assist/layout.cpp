#include "game/engine.h"

namespace rollwell {

namespace {

constexpr int kBoardLeft = 2205;
constexpr int kColumnWidth = 600;
constexpr int kBoardWidth = 4 * kColumnWidth;

// Left edges of dice 3 and 4 and of their frames: centred under the top row
// with five dice, the first two of three with six.
struct BottomRow {
    int die3, die4, frame3, frame4;
};
constexpr BottomRow kFiveDiceRow{697, 1602, 697, 1602};
constexpr BottomRow kSixDiceRow{245, 1150, 247, 1150};

// The sheet panel and the lines whose length follows the variant.
struct SheetExtent {
    int panelHeight;
    int linesEnd;
};
constexpr SheetExtent kYambSheet{4740, 5414};
constexpr SheetExtent kYahtzeeSheet{4505, 5164};

void moveDown(Box& b, int dy) {
    b.top += dy;
}
void moveDown(Segment& s, int dy) {
    s.y1 += dy;
    s.y2 += dy;
}

// Moves everything below the column-total line by one line: down (+1) when
// the line comes back, up (-1) when it goes.
void shiftLowerBoard(BoardGeometry& g, int direction) {
    const int dy = direction * BoardGeometry::kLineStep;
    const int grandDy = direction * BoardGeometry::kGrandTotalStep;
    for (Box* b : {&g.Shape1, &g.Shape3, &g.Shape4, &g.Shape5, &g.Shape6, &g.Shape7, &g.Shape8,
                   &g.Shape9, &g.Label2, &g.shpLabel2, &g.picRollDices})
        moveDown(*b, dy);
    for (Box& die : g.picDice)
        moveDown(die, dy);
    for (Box& die : g.PicDiceOff)
        moveDown(die, dy);
    for (Segment* s : {&g.Line5, &g.Line6, &g.Line7, &g.Line8, &g.Line12})
        moveDown(*s, dy);
    // These two start in the upper part: only their lower end follows.
    g.Line9.y2 += dy;
    g.Line10.y2 += dy;
    g.Shape10.height += dy;
    moveDown(g.Shape11, grandDy);
    moveDown(g.lblGrandTotal, grandDy);
}

} // namespace

void Engine::LayOutBoard() {
    clearAdvice();
    BoardGeometry& g = board_.geometry;
    BoardDecorations& d = board_.decorations;

    ArrangeStatusBar();

    // The dice.
    if (settings_.NumberOfDice == 4 || settings_.NumberOfDice == 5) {
        const bool six = settings_.NumberOfDice == 5;
        const BottomRow& row = six ? kSixDiceRow : kFiveDiceRow;
        board_.picDice[5].visible = six;
        board_.PicDiceOff[5].visible = false;
        d.Shape5 = six;
        g.picDice[3].left = g.PicDiceOff[3].left = row.die3;
        g.picDice[4].left = g.PicDiceOff[4].left = row.die4;
        g.Shape3.left = row.frame3;
        g.Shape4.left = row.frame4;
    }

    // The columns.
    ColumnControls& rand = board_.columns[2];
    if (yamb()) {
        for (int i = 0; i < kColumnCount; ++i)
            g.columns[static_cast<size_t>(i)] = {kBoardLeft + i * kColumnWidth, kColumnWidth};
        for (int r = 0; r < kRowCount; ++r) {
            for (int c = 1; c <= kColumnCount; ++c) {
                board_.cmd(c, r).picture = CellPicture::imgBut3;
                board_.cmd(c, r).visible = true;
                board_.lbl(c, r).visible = true;
            }
        }
        for (int c : {1, 2, 4}) {
            ColumnControls& col = board_.columns[static_cast<size_t>(c - 1)];
            col.Tot1.visible = col.Tot2.visible = col.Tot.visible = true;
        }
    } else {
        for (int r = 0; r < kRowCount; ++r) {
            for (int c : {1, 2, 4}) {
                board_.cmd(c, r).visible = false;
                board_.lbl(c, r).visible = false;
            }
            board_.cmdRand(r).picture = CellPicture::img1ColumnP;
            board_.cmdRand(r).visible = true;
            board_.cmdRand(r).enabled = false; // the first roll makes it usable
            board_.lbl(3, r).visible = true;
        }
        for (int c : {1, 2, 4}) {
            ColumnControls& col = board_.columns[static_cast<size_t>(c - 1)];
            col.Tot1.visible = col.Tot2.visible = col.Tot.visible = false;
        }
        g.columns[2] = {kBoardLeft, kBoardWidth};
    }
    g.lblGrandTotal.left = kBoardLeft;
    g.lblGrandTotal.width = kBoardWidth;

    // The column-total line: the board changes shape only when the variant
    // differs from the shape shown, so the lower part never drifts.
    const bool fourColumnShape = rand.Tot.visible;
    if (yamb() != fourColumnShape) {
        rand.Tot.visible = d.Label13 = d.shpLabel13 = d.imgArrow = yamb();
        d.imgArrow2 = !yamb();
        shiftLowerBoard(g, yamb() ? +1 : -1);
    }

    // The sheet panel and its lines.
    const SheetExtent& sheet = yamb() ? kYambSheet : kYahtzeeSheet;
    g.Picture2.height = sheet.panelHeight;
    g.Line1.y2 = g.Line3.y2 = sheet.linesEnd;
    g.Line4.y1 = g.Line4.y2 = sheet.linesEnd;

    // The caption. A board is laid out only while no game is under way, so
    // player 1 is the one on turn.
    if (twoPlayers()) {
        board_.caption = "Rollwell - Player 1";
        board_.StatusPanel(1).text = settings_.Player1;
        board_.StatusPanel(3).text = "0 : 0";
    } else {
        board_.caption = "Rollwell 2.0";
    }

    // The menus and the sound button.
    if (settings_.hintAllways) game_.HintsAlways = true;
    showHintMenus();
    setSound(settings_.SoundEnabled);
}

void Engine::ArrangeStatusBar() {
    struct PanelShape {
        bool visible;
        int width;
    };
    static constexpr PanelShape kOnePlayer[4] = {
        {false, 1}, {true, 2550}, {false, 1}, {true, 1230}};
    static constexpr PanelShape kTwoPlayers[4] = {
        {true, 2000}, {false, 1}, {true, 1630}, {false, 1}};

    const bool two = twoPlayers();
    const PanelShape* shapes = two ? kTwoPlayers : kOnePlayer;
    for (int n = 1; n <= 4; ++n) {
        board_.StatusPanel(n).visible = shapes[n - 1].visible;
        board_.StatusPanel(n).width = shapes[n - 1].width;
    }
    board_.StatusPanel(5).visible = true;
    if (!two) {
        board_.statusBarVisible = settings_.ShowStatusBar;
        board_.cmdNextPlayer.visible = false;
    } else {
        board_.statusBarVisible = true;
    }

    if (two) {
        board_.windowHeight = yamb() ? 8530 : 8300;
    } else if (settings_.ShowStatusBar) {
        board_.windowHeight = yamb() ? 8530 : 8270;
    } else {
        board_.windowHeight = yamb() ? 8300 : 8030;
    }
}

} // namespace rollwell
