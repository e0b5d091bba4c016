// What mirroring the board costs: the window brought up to date after a
// change of a few controls (a die held and released), and after a whole roll.
#include "shell/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    rollwell::Settings settings;
    settings.SoundEnabled = false;
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
    return 0;
}
