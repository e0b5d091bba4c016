// What mirroring the board costs: the window brought up to date after a
// change of a few controls (a die held and released), and after a whole roll.
#include "shell/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    rollwell::Settings settings;
    settings.SoundEnabled = false;
    settings.ConfirmOnExit = false;
    rollwell::MainWindow window(settings);
    window.show();
    QCoreApplication::processEvents();
    window.forward([](rollwell::Engine& e) { e.RollRequest(); });

    constexpr int kRounds = 2000;
    QElapsedTimer clock;
    clock.start();
    for (int k = 0; k < kRounds; ++k)
        window.forward([k](rollwell::Engine& e) {
            if (k % 2 == 0)
                e.picDice_Click(0);
            else
                e.PicDiceOff_Click(0);
        });
    const double hold = static_cast<double>(clock.nsecsElapsed()) / kRounds / 1000.0;
    clock.restart();
    for (int k = 0; k < kRounds; ++k)
        window.sync();
    const double idle = static_cast<double>(clock.nsecsElapsed()) / kRounds / 1000.0;
    std::printf("hold or release a die, handler and mirror: %.1f us\n", hold);
    std::printf("mirror with nothing changed: %.1f us\n", idle);

    // Idle, between turns: every timer event the program receives in five seconds.
    struct Counter : QObject {
        int ticks = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Timer) ++ticks;
            return false;
        }
    } counter;
    window.forward([](rollwell::Engine& e) { e.cellClick(3, 0); });
    QTimer::singleShot(1000, [&] { qApp->installEventFilter(&counter); });
    QTimer::singleShot(6000, &app, &QCoreApplication::quit);
    QApplication::exec();
    std::printf("idle: %.1f timer events per second\n", (counter.ticks - 1) / 5.0);
    return 0;
}
