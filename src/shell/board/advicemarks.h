#pragma once

#include <QWidget>

#include <vector>

namespace rollwell {

// Drawn over the board: a ring round each die a suggestion holds and a frame
// round the cell it takes. It lets every click through to the board.
class AdviceMarksView : public QWidget {
    Q_OBJECT
  public:
    explicit AdviceMarksView(QWidget* board);

    // Places in the board's coordinates; no places clear the marks.
    void mark(std::vector<QRect> dice, const QRect& cell);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    std::vector<QRect> dice_;
    QRect cell_;
};

} // namespace rollwell
