#pragma once

#include "game/board.h"

#include <QHash>
#include <QToolBar>

namespace rollwell {

// Toolbar2: the seven buttons by key, standing on the Image1 pattern. A click
// emits the key of its button.
class Toolbar : public QToolBar {
    Q_OBJECT
  public:
    explicit Toolbar(QWidget* parent);

    QAction* button(const QString& key) const { return buttons_.value(key); }
    void sync(const Board& board);

  signals:
    void buttonClick(const QString& key);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QHash<QString, QAction*> buttons_;
    int soundImage_ = 0;
};

} // namespace rollwell
