#pragma once

#include "game/board.h"

#include <QStatusBar>

#include <array>

class QLabel;

namespace rollwell {

// StatusBar1 and its five panels (named StatusBar1_1 .. StatusBar1_5): the
// player on turn, messages, both scores, the round and the clock.
class StatusBar : public QStatusBar {
    Q_OBJECT
  public:
    explicit StatusBar(QWidget* parent);
    void sync(const Board& board);
    // Fonts and panel widths at the board size in force.
    void rescale();

  private:
    std::array<QLabel*, 5> panels_{};
    std::array<Panel, 5> shown_{};
    bool first_ = true;
};

} // namespace rollwell
