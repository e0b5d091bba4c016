#include "shell/startup.h"

#include "shell/dialogs/cursor.h"
#include "shell/dialogs/helpwindow.h"
#include "shell/dialogs/quickstart.h"
#include "shell/dialogs/splashwindow.h"
#include "shell/dialogs/welcomedialog.h"
#include "shell/platform/audio.h"
#include "storage/settingsstore.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>

namespace rollwell {

namespace {

const QString kTitle = QStringLiteral("Rollwell");

// Holds the one-instance lock for the whole run. Only the dead owner's PID
// makes a lock stale: a copy that has been running for hours still holds it,
// and a run that was killed never blocks the next start.
std::unique_ptr<QLockFile> takeInstanceLock(const QString& folder, bool* otherRunning) {
    QDir().mkpath(folder);
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("rollwell.lock")));
    lock->setStaleLockTime(0);
    *otherRunning = false;
    if (lock->tryLock(0)) return lock;
    // A folder that cannot hold the lock must not keep the player from a game.
    *otherRunning = lock->error() == QLockFile::LockFailedError;
    return nullptr;
}

} // namespace

StartupEnvironment defaultStartupEnvironment() {
    StartupEnvironment env;
    env.openStore = [] {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("Rollwell"), QStringLiteral("Rollwell2"));
    };
    env.lockFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (env.lockFolder.isEmpty()) env.lockFolder = QDir::tempPath();
    return env;
}

int runRollwell(QApplication& app, const MainWindowFactory& makeMainWindow, Audio* audio) {
    return runRollwell(app, makeMainWindow, audio, defaultStartupEnvironment());
}

int runRollwell(QApplication& app, const MainWindowFactory& makeMainWindow, Audio* audio,
                const StartupEnvironment& environment) {
    bool otherRunning = false;
    const std::unique_ptr<QLockFile> lock = takeInstanceLock(environment.lockFolder, &otherRunning);
    if (otherRunning) {
        QMessageBox::critical(nullptr, kTitle + QStringLiteral(" Running"),
                              kTitle + QStringLiteral(" is already running!"));
        return 1;
    }

    const std::unique_ptr<QSettings> store = environment.openStore();
    Settings settings = LoadSettings(*store);

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
    if (settings.ShowDialog) {
        WelcomeDialog welcome(settings, audio);
        welcome.exec();
        if (welcome.settingsChanged()) SaveSettings(*store, settings);
        if (!welcome.playChosen()) {
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

    SaveSettings(*store, settings);
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
    return QMessageBox::question(owner, QStringLiteral("Confirm"), QStringLiteral("Exit Rollwell?"),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

} // namespace rollwell
