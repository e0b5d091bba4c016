#pragma once

#include <array>

namespace rollwell {

// The window converts twips to pixels here and nowhere else: 15 twips make a
// pixel at the designed size, and the board size in force (a percentage the
// window sets) scales every measure alike, so the whole window grows as one.
inline constexpr int kTwipsPerPixel = 15;
int toPixels(int twips);
int pixelScale(); // percent
void setPixelScale(int percent);
// A font's or a picture's size in pixels, given at the designed size.
int scaledPixels(int pixels);

// A rectangle in twips, in the coordinates of the main window's client area.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box&) const = default;
};

// A line from (x1, y1) to (x2, y2) in twips.
struct Segment {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const Segment&) const = default;
};

// Where a score column stands: its cell buttons, cells and three totals share
// the left edge and the width.
struct ColumnSpan {
    int left = 0;
    int width = 0;
    bool operator==(const ColumnSpan&) const = default;
};

// The board's geometry as the layout leaves it. Defaults are the designed
// board: four columns, six dice, the column-total line shown.
//
// Upper part: the sheet rows start at 924 and are 250 apart; "Sub Total " sits
// at 2424, "(Max-Min)xOnes" at 3174, "Column Total " at 4674. Everything below
// that line is the lower part, which moves up one line on the single-column
// board.
struct BoardGeometry {
    // The lower part moves this far when the column-total line comes or goes;
    // the grand total and its frame a little more, so that on the
    // single-column board they sit exactly where the column total was.
    static constexpr int kLineStep = 250;
    static constexpr int kGrandTotalStep = 270;

    // Columns 1..4 (Down, Up, Free, Announce) at index 0..3.
    std::array<ColumnSpan, 4> columns{{{2205, 600}, {2805, 600}, {3405, 600}, {4005, 600}}};

    // The sheet panel (row captions and hints) and the lines whose length
    // follows the variant: Line1 and Line3 bound the cells left and right,
    // Line4 closes the sheet at the bottom.
    Box Picture2{60, 674, 2130, 4740};
    Segment Line1{2190, 674, 2190, 5414};
    Segment Line3{4620, 674, 4620, 5414};
    Segment Line4{60, 5414, 4620, 5414};

    // The grand-total line.
    Box shpLabel2{90, 4904, 2070, 290};
    Box Label2{150, 4944, 1950, 210};
    Box Shape11{2190, 4924, 2430, 290};
    Box lblGrandTotal{2205, 4944, 2400, 250};

    // The dice: top row 0..2, bottom row 3..5 (two centred with five dice,
    // three with six). PicDiceOff(i), the held look, lies on picDice(i).
    std::array<Box, 6> picDice{{{245, 5624, 810, 810},
                                {1150, 5624, 810, 810},
                                {2055, 5624, 810, 810},
                                {245, 6494, 810, 810},
                                {1150, 6494, 810, 810},
                                {2055, 6494, 810, 810}}};
    std::array<Box, 6> PicDiceOff = picDice;

    // Frames: Shape6..Shape8 around dice 0..2, Shape3..Shape5 around dice
    // 3..5, Shape1 around the dice tray, Shape9 around the roll button, Shape10
    // around the whole board.
    Box Shape1{150, 5534, 2805, 1860};
    Box Shape3{247, 6494, 810, 810};
    Box Shape4{1150, 6494, 810, 810};
    Box Shape5{2055, 6494, 810, 810};
    Box Shape6{245, 5624, 810, 810};
    Box Shape7{1150, 5624, 810, 810};
    Box Shape8{2055, 5624, 810, 810};
    Box Shape9{3075, 5594, 1485, 1740};
    Box Shape10{30, 624, 4740, 6830};
    Box picRollDices{3105, 5624, 1425, 1680};

    // Rules of the lower part: Line5 and Line6 a double rule under the sheet,
    // Line7 the bottom rule, Line8 under the roll button, Line12 between the
    // tray and the roll button. Line9 and Line10 are the board's left and
    // right edges; they start in the upper part, so only their lower ends move.
    Segment Line5{60, 5444, 4740, 5444};
    Segment Line6{60, 5474, 4740, 5474};
    Segment Line7{60, 7424, 4740, 7424};
    Segment Line8{3105, 7334, 4530, 7334};
    Segment Line9{45, 674, 45, 7424};
    Segment Line10{4755, 674, 4755, 7424};
    Segment Line12{3030, 5534, 3030, 7394};

    bool operator==(const BoardGeometry&) const = default;
};

// Which of the board's captions, frames and arrows are shown. The designed
// board shows the four-column ones.
struct BoardDecorations {
    bool Label13 = true;    // "Column Total " caption
    bool shpLabel13 = true; // its frame
    bool imgArrow = true;   // arrow of the four-column board
    bool imgArrow2 = false; // arrow of the single-column board
    bool Shape5 = true;     // frame of the sixth die
    bool operator==(const BoardDecorations&) const = default;
};

// The fixed upper part of the board: the header strip, the 13 rows of the
// sheet with their captions and hint labels, and the three total lines. None
// of it moves between the variants.
struct SheetLayout {
    static constexpr int kHeaderTop = 674; // the strip with the column arrows
    static constexpr int kRowHeight = 250;
    static constexpr int kSubTotalTop = 2424;
    static constexpr int kProductTop = 3174;
    static constexpr int kColumnTotalTop = 4674;
    // Row captions sit at the right of the sheet panel, the hint label at the
    // right end of the caption; the panel's left end holds a small mark per
    // row (the die face of an upper row).
    static constexpr int kCaptionLeft = 560;
    static constexpr int kTipLeft = 1830;
    static constexpr int kTipWidth = 300;
    static constexpr int kMarkLeft = 150;

    static constexpr int rowTop(int row) {
        if (row < 6) return 924 + kRowHeight * row;
        if (row < 8) return 2674 + kRowHeight * (row - 6);
        return 3424 + kRowHeight * (row - 8);
    }
    // The calm strip at the foot of the roll button that holds the roll lights.
    static constexpr int kRollLightStrip = 390;
    // Roll light k (0..2) in that strip.
    static constexpr Box rollLight(int k, const Box& rollButton) {
        constexpr int size = 240, gap = 120, strip = kRollLightStrip;
        const int left = rollButton.left + (rollButton.width - (3 * size + 2 * gap)) / 2;
        return {left + k * (size + gap),
                rollButton.top + rollButton.height - strip + (strip - size) / 2, size, size};
    }
};

} // namespace rollwell
