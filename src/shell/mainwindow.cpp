#include "shell/mainwindow.h"

namespace rollwell {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmRollwell"));
    setWindowTitle(QStringLiteral("Rollwell 2.0"));
    resize(4900 / 15, 8530 / 15);
}

} // namespace rollwell
