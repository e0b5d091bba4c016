#pragma once

#include <QMainWindow>

namespace rollwell {

// The main game window. It mirrors the engine's board and forwards events.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace rollwell
