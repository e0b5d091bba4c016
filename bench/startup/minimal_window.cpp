// The yardstick: the smallest Qt window with a menu, a toolbar and a status bar.
#include "startuptime.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>

namespace {
class Central : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::darkBlue);
        if (!painted_) reportFirstPaint();
        painted_ = true;
    }

  private:
    bool painted_ = false;
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&New Game"));
    window.addToolBar(QStringLiteral("Tools"))->addAction(QStringLiteral("New"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.setCentralWidget(new Central);
    window.resize(319, 541);
    window.show();
    return QApplication::exec();
}
