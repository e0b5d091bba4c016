// The game's main window as the program opens it, with the sound players
// attached: time to its first painted board and memory one second later.
//   rollwell_window [--sound-off]
#include "shell/board/boardview.h"
#include "shell/mainwindow.h"
#include "shell/platform/soundplayer.h"
#include "startuptime.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    rollwell::SoundPlayer sounds;
    rollwell::Settings settings; // defaults: Yamb, six dice, sound on
    settings.SoundEnabled = !QCoreApplication::arguments().contains(QStringLiteral("--sound-off"));
    rollwell::MainWindow window(settings, &sounds);
    auto* board = window.findChild<rollwell::BoardView*>();
    QObject::connect(board, &rollwell::BoardView::firstPainted, [] { reportFirstPaint(); });
    window.show();
    return QApplication::exec();
}
