#pragma once

#include "game/settings.h"

#include <QSettings>
#include <QString>

#include <functional>
#include <memory>

class QApplication;
class QWidget;

namespace rollwell {

class Audio;

// Makes the main window for the settings in force. The window keeps the
// reference: whatever it changes in the settings is saved at the end.
using MainWindowFactory = std::function<std::unique_ptr<QWidget>(Settings&, Audio*)>;

// Where a run keeps its settings and its one-instance lock. The defaults are
// the user's own store and runtime folder, and a server name of the user's
// for when that folder cannot hold the lock; tests point them elsewhere.
struct StartupEnvironment {
    std::function<std::unique_ptr<QSettings>()> openStore;
    QString lockFolder;
    QString lockName;
};
StartupEnvironment defaultStartupEnvironment();

// The whole run of the program: refuses a second running copy, loads the
// settings, shows the welcome window, the splash or nothing, then the main
// window until it closes; at the end saves the settings, closes the other
// windows, gives the cursor back and plays the exit sound. Returns the exit
// code: 1 when another copy is running, otherwise the event loop's.
int runRollwell(QApplication& app, const MainWindowFactory& makeMainWindow, Audio* audio);
int runRollwell(QApplication& app, const MainWindowFactory& makeMainWindow, Audio* audio,
                const StartupEnvironment& environment);

// "Exit Rollwell?" when the player wants to be asked; true means go on and end.
bool confirmExit(QWidget* owner, const Settings& s);

} // namespace rollwell
