#include "shell/mainwindow.h"
#include "shell/platform/soundplayer.h"
#include "shell/startup.h"
#include "storage/datafolder.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Rollwell"));
    QApplication::setApplicationName(QStringLiteral("Rollwell2"));
    // The desktop shell finds the menu entry and the icon under this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ROLLWELL_APP_ID));

    // Creating the player touches nothing of the audio back-end; the window
    // loads the effects after its first paint.
    rollwell::SoundPlayer sounds(rollwell::FindDataFolder(QApplication::applicationDirPath()));
    return rollwell::runRollwell(
        app,
        [](rollwell::Settings& settings, rollwell::Audio* audio) -> std::unique_ptr<QWidget> {
            return std::make_unique<rollwell::MainWindow>(settings, audio);
        },
        &sounds);
}
