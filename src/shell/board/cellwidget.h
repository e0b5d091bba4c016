#pragma once

#include "game/board.h"

#include <QAbstractButton>

namespace rollwell {

// A cell button of the sheet. On the four-column board an open cell that the
// roll may fill shows as a lit tile over its empty cell; otherwise it shows its
// picture (nearly invisible on the four-column board, the row strip on the
// single-column board). The score itself is the label beneath.
class CellWidget : public QAbstractButton {
    Q_OBJECT
  public:
    CellWidget(int column, int row, QWidget* parent);

    void setPicture(CellPicture picture);
    // The keyboard's cursor stands on this cell.
    void setKeyCursor(bool on);
    int column() const { return column_; }
    int row() const { return row_; }

  signals:
    void entered(int column, int row);
    void left(int column, int row);

  protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

  private:
    int column_;
    int row_;
    CellPicture picture_ = CellPicture::imgBut3;
    bool hover_ = false;
    bool keyCursor_ = false;
};

} // namespace rollwell
