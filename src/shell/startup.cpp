#include "shell/startup.h"

#include "shell/dialogs/cursor.h"
#include "shell/dialogs/dialogkit.h"
#include "shell/dialogs/helpwindow.h"
#include "shell/dialogs/quickstart.h"
#include "shell/dialogs/splashwindow.h"
#include "shell/dialogs/welcomedialog.h"
#include "shell/instancelock.h"
#include "shell/platform/audio.h"
#include "shell/scale.h"
#include "storage/settingsstore.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>

namespace rollwell {

namespace {

const QString kTitle = QStringLiteral("Rollwell");

} // namespace

StartupEnvironment defaultStartupEnvironment() {
    StartupEnvironment env;
    env.openStore = [] {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("Rollwell"), QStringLiteral("Rollwell2"));
    };
    env.lockFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (env.lockFolder.isEmpty()) env.lockFolder = QDir::tempPath();
    env.lockName = InstanceLock::userServerName();
    return env;
}

int runRollwell(QApplication& app, const MainWindowFactory& makeMainWindow, Audio* audio) {
    return runRollwell(app, makeMainWindow, audio, defaultStartupEnvironment());
}

int runRollwell(QApplication& app, const MainWindowFactory& makeMainWindow, Audio* audio,
                const StartupEnvironment& environment) {
    const InstanceLock lock(environment.lockFolder, environment.lockName);
    if (lock.otherRunning()) {
        QMessageBox::critical(nullptr, kTitle + QStringLiteral(" Running"),
                              kTitle + QStringLiteral(" is already running!"));
        return 1;
    }

    const std::unique_ptr<QSettings> store = environment.openStore();
    Settings settings = LoadSettings(*store);

    // Settings that could not be kept are told once, as the program ends.
    bool settingsSaved = true;
    const auto reportUnsavedSettings = [&] {
        if (settingsSaved) return;
        QMessageBox::information(nullptr, QStringLiteral("Save settings"), SaveFailureText(*store));
    };

    std::unique_ptr<QWidget> mainWindow;
    const auto openMainWindow = [&] {
        mainWindow = makeMainWindow(settings, audio);
        if (!mainWindow) return;
        installGameCursor(mainWindow.get());
        mainWindow->show();
        // The game takes the keyboard at once, also after the welcome window or splash.
        mainWindow->raise();
        mainWindow->activateWindow();
    };

    // Until the main window stands, closing the welcome window or the splash
    // must not end the run.
    app.setQuitOnLastWindowClosed(false);
    QPointer<SplashWindow> splash;
    applyScale(settings.BoardSize); // the first windows come at the board's size too
    if (settings.ShowDialog) {
        WelcomeDialog welcome(settings, audio);
        welcome.exec();
        if (welcome.settingsChanged()) settingsSaved = SaveSettings(*store, settings);
        if (!welcome.playChosen()) {
            reportUnsavedSettings();
            closeQuickStart();
            restoreSystemCursor();
            return 0;
        }
        openMainWindow();
    } else if (settings.ShowSplash) {
        splash = new SplashWindow;
        // The main window opens before the splash closes, so that there is
        // always a window on the screen.
        QObject::connect(splash, &SplashWindow::finished, splash, openMainWindow);
        splash->show();
        splash->raise();
        splash->activateWindow();
    } else {
        openMainWindow();
    }
    app.setQuitOnLastWindowClosed(true);
    if (!splash && !mainWindow) return 0;

    const int code = QApplication::exec();

    settingsSaved = SaveSettings(*store, settings);
    reportUnsavedSettings();
    if (splash) splash->close();
    closeHelp();
    restoreSystemCursor();
    if (audio != nullptr && settings.SoundEnabled && settings.SoundOnExit) {
        audio->playSync("exitGame");
    }
    closeQuickStart();
    if (audio != nullptr) audio->stopMusic();
    mainWindow.reset();
    return code;
}

bool confirmExit(QWidget* owner, const Settings& s) {
    if (!s.ConfirmOnExit) return true;
    return showMessage(owner, QMessageBox::Question, QStringLiteral("Confirm"),
                       QStringLiteral("Exit Rollwell?"),
                       QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

} // namespace rollwell
