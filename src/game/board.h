#pragma once

#include "game/geometry.h"
#include "sheet/scorerow.h"

#include <array>
#include <string>

namespace rollwell {

// The three pictures of the roll button: ready, pressed, switched off.
enum class RollPicture { picRollDice, picRollOn, picRollOff };

// Pictures a cell button shows: the four-column board's imgBut3, and on the
// single-column board the row picture (img1ColumnP) and its highlight (img1Column).
enum class CellPicture { imgBut3, img1ColumnP, img1Column };

struct CellButton {
    bool visible = false;
    bool enabled = false;
    CellPicture picture = CellPicture::imgBut3;
    bool operator==(const CellButton&) const = default;
};

struct TextLabel {
    std::string text;
    bool visible = true;
    bool operator==(const TextLabel&) const = default;
};

struct RowCaption {
    std::string text;
    int width = 1570;         // twips; 1250 while the hint column is shown
    bool highlighted = false; // tooltip colours while the mouse is over the row's cell button
};

// One die picture: picDice (free look) or PicDiceOff (held look).
struct DiePicture {
    int face = 0; // 1..6; 0 before the first roll of the program
    bool visible = true;
    bool enabled = false;
};

struct RollButton {
    bool visible = true;
    bool enabled = true;
    RollPicture picture = RollPicture::picRollDice;
};

struct Switch {
    bool visible = false;
    bool enabled = true;
    std::string caption; // the hand-over button names the player who comes next
    bool operator==(const Switch&) const = default;
};

struct CaptionedSwitch {
    bool visible = false;
    bool enabled = false;
    std::string caption;
};

struct Timer {
    bool running = false;
    int interval = 0;
};

struct Panel {
    std::string text;
    bool visible = true;
    int width = 0; // twips
};

struct MenuItem {
    bool visible = true;
    bool enabled = true;
};

struct ToolButton {
    bool enabled = true;
    int image = 0;
};

// The controls of one score column: the 13 cell buttons over the 13 cells and
// the three total lines.
struct ColumnControls {
    std::array<CellButton, kRowCount> cmd{};
    std::array<TextLabel, kRowCount> lbl{};
    TextLabel Tot1; // "Sub Total "
    TextLabel Tot2; // "(Max-Min)xOnes"
    TextLabel Tot;  // "Column Total "
};

inline constexpr int kMaxDice = 6;

// A suggested move on the board, or the cell the computer is about to fill:
// the dice to hold are marked and the cell to take (or announce) is framed.
struct AdviceMarks {
    std::array<bool, kMaxDice> hold{};
    int column = 0; // 1..4; 0 when no cell is framed
    int row = 0;
    bool operator==(const AdviceMarks&) const = default;
};

// The keyboard's cell cursor: a column 1..4 and a row, or column 0 for none.
// It stands only on a cell that can take the roll.
struct CellCursor {
    int column = 0;
    int row = 0;
    explicit operator bool() const { return column != 0; }
    bool operator==(const CellCursor&) const = default;
};

// What every control of the main window shows. The engine writes it; the
// window mirrors it after every event.
struct Board {
    std::array<ColumnControls, kColumnCount> columns{};
    TextLabel lblGrandTotal;
    std::array<TextLabel, kRowCount> lblTip{}; // hint labels; Shape12 follows their visibility
    std::array<RowCaption, kRowCount> lblOption{};
    CellCursor cellCursor;

    std::array<DiePicture, kMaxDice> picDice{};
    std::array<DiePicture, kMaxDice> PicDiceOff{};
    RollButton picRollDices;
    std::array<bool, 3> picRound{};                   // lit roll lights
    std::array<bool, 3> picRoundBG{true, true, true}; // their unlit backgrounds

    Switch cmdNextPlayer;
    CaptionedSwitch cmdShowNextBoard;
    std::string caption = "Rollwell 2.0";
    std::string lblTimeElapsed = "00:00:00";
    bool windowEnabled = true;
    int windowWidth = 4900;  // twips
    int windowHeight = 8530; // twips

    bool statusBarVisible = true;
    std::array<Panel, 5> panels{}; // status panels 1..5, see StatusPanel()

    MenuItem mnuUndoUndo, mnuUndoRedo;
    MenuItem mnuHintsByRequest, mnuHintsByRequest2, mnuHintsAllways, mnuHintsAllways2;
    MenuItem mnuSoundsOn, mnuSoundsOn2, mnuSoundsOff, mnuSoundsOff2;
    ToolButton tbNew, tbUndo, tbRedo, tbHint, tbSound{true, 5}, tbHelp, tbExit;
    MenuItem mnuSuggest;
    ToolButton tbSuggest;

    AdviceMarks advice;
    // A suggestion in a two-player game has the room of the name and score
    // panels; the name stays on the board.
    bool adviceLendsPanels = false;
    // While the computer plays its turn the board takes no clicks.
    bool boardLocked = false;

    Timer tmrTimeElapsed{false, 1000};
    Timer tmrRollDice{false, 300};
    Timer tmrAnimation{false, 1};
    Timer tmrGameOver{false, 2000};
    Timer tmrComputer{false, 1000}; // steps the computer's turn

    BoardGeometry geometry;
    BoardDecorations decorations;

    // Named access, as the rules speak of the controls. Columns 1..4.
    CellButton& cmd(int column, int row) { return columns.at(column - 1).cmd.at(row); }
    const CellButton& cmd(int column, int row) const { return columns.at(column - 1).cmd.at(row); }
    CellButton& cmdDown(int r) { return cmd(1, r); }
    CellButton& cmdUp(int r) { return cmd(2, r); }
    CellButton& cmdRand(int r) { return cmd(3, r); }
    CellButton& cmdOblg(int r) { return cmd(4, r); }
    const CellButton& cmdDown(int r) const { return cmd(1, r); }
    const CellButton& cmdUp(int r) const { return cmd(2, r); }
    const CellButton& cmdRand(int r) const { return cmd(3, r); }
    const CellButton& cmdOblg(int r) const { return cmd(4, r); }
    TextLabel& lbl(int column, int row) { return columns.at(column - 1).lbl.at(row); }
    const TextLabel& lbl(int column, int row) const { return columns.at(column - 1).lbl.at(row); }
    Panel& StatusPanel(int n) { return panels.at(n - 1); }
    const Panel& StatusPanel(int n) const { return panels.at(n - 1); }

    // Undo and Redo: the menu item and its toolbar button always together.
    void setUndoEnabled(bool on) { mnuUndoUndo.enabled = tbUndo.enabled = on; }
    void setRedoEnabled(bool on) { mnuUndoRedo.enabled = tbRedo.enabled = on; }
    void setSuggestEnabled(bool on) { mnuSuggest.enabled = tbSuggest.enabled = on; }
    void setRollLights(int lit) {
        for (int k = 0; k < 3; ++k) {
            picRound[k] = k < lit;
            picRoundBG[k] = !(k < lit);
        }
    }
};

} // namespace rollwell
