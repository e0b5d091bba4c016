#include "shell/mainwindow.h"
#include "shell/platform/soundplayer.h"
#include "shell/startup.h"
#include "storage/datafolder.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Rollwell"));
    QApplication::setApplicationName(QStringLiteral("Rollwell2"));
    // The desktop shell finds the menu entry and the icon under this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ROLLWELL_APP_ID));

    // Creating the player touches nothing of the audio back-end; the window
    // loads the effects after its first paint.
    rollwell::SoundPlayer sounds(rollwell::FindDataFolder(QApplication::applicationDirPath()));
    // The advisor's solved Yahtzee values are kept per user, solved there once.
    const std::string folder =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation).toStdString();
    const int code = rollwell::runRollwell(
        app,
        [&folder](rollwell::Settings& settings,
                  rollwell::Audio* audio) -> std::unique_ptr<QWidget> {
            auto window = std::make_unique<rollwell::MainWindow>(settings, audio);
            window->prepareYahtzee = [&folder](int dice) {
                if (!folder.empty()) rollwell::PrepareYahtzeeValues(folder, dice);
            };
            return window;
        },
        &sounds);
    rollwell::StopPreparingYahtzeeValues();
    return code;
}
