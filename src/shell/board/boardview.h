#pragma once

#include "game/board.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace rollwell {

class AdviceMarksView;
class CellWidget;
class PictureButton;

// The board of the main window: the sheet, the dice, the roll button and their
// frames and lines. Every control is a child widget named after the control it
// shows; sync() brings them up to date from the engine's Board and touches
// only what changed. Every event goes out as a signal named after the
// engine handler it is for.
class BoardView : public QWidget {
    Q_OBJECT
  public:
    // `top` is the height of the area the window keeps above the board (the
    // toolbar), so positions given for the whole client area land right.
    explicit BoardView(int top, QWidget* parent = nullptr);

    void sync(const Board& board);
    // Lays the board out anew at the board size in force; `top` as above.
    void rescale(int top);

  signals:
    void cellClicked(int column, int row);
    void cellEntered(int column, int row);
    void cellLeft(int column, int row);
    void dieClicked(int index);
    void heldDieClicked(int index);
    void rollMouseDown();
    void rollMouseUp();
    void nextPlayerClicked();
    void showNextBoardClicked();
    // The board has been painted for the first time.
    void firstPainted();

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QRect px(const Box& b) const;
    QPoint px(int x, int y) const;
    void createSheet();
    void createDice();
    void placeFixed();
    void syncSheet(const Board& board);
    void syncDice(const Board& board);
    void placeColumns(const BoardGeometry& g);
    void syncAdvice(const Board& board);
    void describe(const Board& board);

    int top_;
    Board shown_; // what the widgets show now
    bool first_ = true;
    bool painted_ = false;

    std::array<std::array<CellWidget*, kRowCount>, kColumnCount> cmd_{};
    std::array<std::array<QLabel*, kRowCount>, kColumnCount> lbl_{};
    std::array<QLabel*, kColumnCount> tot1_{}, tot2_{}, tot_{};
    QLabel* grandTotal_ = nullptr;
    QLabel* playerOnTurn_ = nullptr;
    std::array<QLabel*, kColumnCount> head_{};
    std::array<QLabel*, kRowCount> option_{};
    std::array<QLabel*, kRowCount> tip_{};
    QLabel* label13_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* subTotalCaption_ = nullptr;
    QLabel* productCaption_ = nullptr;

    std::array<PictureButton*, kMaxDice> dice_{};
    std::array<PictureButton*, kMaxDice> diceOff_{};
    PictureButton* roll_ = nullptr;
    std::array<PictureButton*, 3> round_{};
    std::array<PictureButton*, 3> roundBG_{};
    QPushButton* nextPlayer_ = nullptr;
    QPushButton* showNextBoard_ = nullptr;
    AdviceMarksView* marks_ = nullptr;
};

} // namespace rollwell
