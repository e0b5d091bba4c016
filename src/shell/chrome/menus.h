#pragma once

#include "game/board.h"

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace rollwell {

// The menu bar of the main window: Game, Tools and Help, every item an action
// named after its menu item. Choosing an item emits its name.
class Menus : public QObject {
    Q_OBJECT
  public:
    explicit Menus(QMainWindow* window);

    QAction* action(const QString& name) const { return actions_.value(name); }
    void sync(const Board& board);

  signals:
    void chosen(const QString& name);

  private:
    QHash<QString, QAction*> actions_;
};

} // namespace rollwell
