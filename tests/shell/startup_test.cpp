#include "dialogtesting.h"

#include "shell/dialogs/splashwindow.h"
#include "shell/instancelock.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "storage/settingsstore.h"

namespace rollwell {
namespace {

using namespace rollwell::testing;

// A run of the program over a settings file and a lock folder of its own.
class Startup : public QtTest {
  protected:
    void SetUp() override {
        QtTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        env.lockFolder = folder.filePath(QStringLiteral("run"));
        const QString ini = folder.filePath(QStringLiteral("settings.ini"));
        env.openStore = [ini] { return std::make_unique<QSettings>(ini, QSettings::IniFormat); };
        env.lockName = QStringLiteral("rollwell-test-%1").arg(QCoreApplication::applicationPid());
        start.ShowDialog = false; // straight to the game unless a test says otherwise
        store(start);
    }
    void store(const Settings& s) { SaveSettings(*env.openStore(), s); }
    Settings stored() { return LoadSettings(*env.openStore()); }

    // Starts the program; the main window, when it comes, renames the first
    // player and closes itself after `mainLifeMs`.
    int run(int mainLifeMs = 20) {
        const MainWindowFactory factory = [this, mainLifeMs](Settings& live, Audio*) {
            ++mainWindows;
            live.Player1 = "New       ";
            auto window = std::make_unique<QWidget>();
            window->setObjectName(QStringLiteral("frmRollwell"));
            QTimer::singleShot(mainLifeMs, window.get(), &QWidget::close);
            return window;
        };
        return runRollwell(*qApp, factory, &audio, env);
    }

    // A path below a plain file: nothing can be written there, not even by root.
    QString unwritable(const char* name) {
        QFile blocker(folder.filePath(QStringLiteral("blocker")));
        EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
        return blocker.fileName() + QLatin1Char('/') + QLatin1String(name);
    }

    QTemporaryDir folder;
    StartupEnvironment env;
    Settings start;
    FakeAudio audio;
    int mainWindows = 0;
};

TEST_F(Startup, TheWelcomeWindowLeadsToTheGameOrEndsTheProgramAndKeepsTheBoxChecked) {
    struct Case {
        const char* leave;
        int mainWindows;
        std::vector<std::string> calls;
        int32_t boardSize;
    };
    for (const Case& c :
         {Case{"cmdExit", 0, {}, 150}, Case{"cmdPlay", 1, {"sync exitGame", "stop"}, 100}}) {
        Settings kept;
        kept.BoardSize = c.boardSize;
        store(kept);
        mainWindows = 0;
        audio.calls.clear();
        OnModal script([&](QWidget* welcome) {
            EXPECT_EQ(welcome->windowTitle(), QStringLiteral("Welcome to Rollwell 2.0"));
            // The welcome window grows with the board: 420 x 308 at 100 %.
            EXPECT_EQ(welcome->size(), QSize(420, 308) * c.boardSize / 100);
            find<QCheckBox>(welcome, "Check1")->click();
            find<QPushButton>(welcome, c.leave)->click();
        });
        EXPECT_EQ(run(), 0);
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(mainWindows, c.mainWindows) << c.leave;
        EXPECT_EQ(audio.calls, c.calls) << c.leave;
        // The next start shows the splash instead, also after "&Exit".
        EXPECT_TRUE(!stored().ShowDialog && stored().ShowSplash) << c.leave;
    }
}

TEST_F(Startup, TheSplashComesBeforeTheMainWindow) {
    start.ShowSplash = true;
    store(start);
    // A key closes the splash at once and the main window opens.
    QTimer::singleShot(50, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* splash = qobject_cast<SplashWindow*>(w)) {
                EXPECT_EQ(splash->size(), QSize(388, 220));
                QTest::keyClick(splash, Qt::Key_Space);
                EXPECT_FALSE(splash->isVisible()) << "a key closes the splash at once";
            }
        }
    });
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(mainWindows, 1);
}

TEST_F(Startup, TheEndSavesTheSettingsAndPlaysTheExitSoundOnlyWhenBothSwitchesAreOn) {
    // (With both on, as the welcome window's "&Play" walk shows, "exitGame" plays.)
    for (const auto& [sound, onExit] : {std::pair{true, false}, {false, true}}) {
        std::tie(start.SoundEnabled, start.SoundOnExit) = std::tuple(sound, onExit);
        store(start);
        audio.calls.clear();
        EXPECT_EQ(run(10), 0);
        EXPECT_EQ(audio.calls, std::vector<std::string>{"stop"});
        EXPECT_EQ(stored().Player1, "New       "); // what the game changed is saved at the end
    }
}

TEST_F(Startup, TheExitSoundIsHeardWhileTheGameWindowIsStillOnTheScreen) {
    struct Watching : FakeAudio {
        QPointer<QWidget> window;
        void playSync(std::string_view n) override {
            FakeAudio::playSync(n);
            calls.emplace_back(window && window->isVisible() ? "window shown" : "window gone");
        }
    } watching;
    start.ConfirmOnExit = false;
    store(start);
    const MainWindowFactory factory = [&](Settings& live, Audio* a) -> std::unique_ptr<QWidget> {
        auto window = std::make_unique<MainWindow>(live, a);
        watching.window = window.get();
        QTimer::singleShot(50, window.get(), &QWidget::close);
        return window;
    };
    EXPECT_EQ(runRollwell(*qApp, factory, &watching, env), 0);
    EXPECT_EQ(watching.calls, (std::vector<std::string>{"sync exitGame", "window shown", "stop"}));
    EXPECT_TRUE(watching.window.isNull()) << "the window goes with the end of the program";
}

TEST_F(Startup, ExitAsksOnlyWhenWanted) {
    Settings s;
    bool exits = true;
    EXPECT_EQ(answered(QMessageBox::Cancel, [&] { exits = confirmExit(nullptr, s); }),
              "Confirm | Exit Rollwell? | Question");
    EXPECT_FALSE(exits);
    s.ConfirmOnExit = false;
    EXPECT_TRUE(confirmExit(nullptr, s));
}

// Run in a child process by the test below: a copy of the program that holds
// the one-instance lock until it is killed.
TEST_F(Startup, AsChildARunningCopy) {
    const QByteArray where = qgetenv("ROLLWELL_RUNNING_COPY");
    if (where.isEmpty()) GTEST_SKIP() << "only as the child of OneCopyRuns";
    env.lockFolder = QString::fromLocal8Bit(where);
    run(60 * 60 * 1000);
}

TEST_F(Startup, OneCopyRunsAndAKilledCopyNeverBlocksTheNext) {
    QProcess child;
    QProcessEnvironment childEnv = QProcessEnvironment::systemEnvironment();
    childEnv.insert(QStringLiteral("ROLLWELL_RUNNING_COPY"), env.lockFolder);
    childEnv.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(childEnv);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Startup.AsChildARunningCopy")});
    ASSERT_TRUE(child.waitForStarted());
    const QString lockFile = QDir(env.lockFolder).filePath(QStringLiteral("rollwell.lock"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(lockFile); }, 10000));

    int code = 0;
    EXPECT_EQ(answered(QMessageBox::Ok, [&] { code = run(); }),
              "Rollwell Running | Rollwell is already running! | Critical");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(mainWindows, 0);
    EXPECT_EQ(child.state(), QProcess::Running); // the running copy is left alone

    child.kill(); // SIGKILL: the lock stays behind
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_TRUE(QFile::exists(lockFile));
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(mainWindows, 1);
}

// Where the lock's folder cannot be written, the copies meet by a name instead;
// a copy that finds the folder writable again still meets that name.
TEST_F(Startup, ASecondCopyIsRefusedAlsoWhereTheLockFolderCannotBeWritten) {
    auto running = std::make_unique<InstanceLock>(unwritable("run"), env.lockName);
    ASSERT_FALSE(running->otherRunning());
    const QString writable = env.lockFolder;
    for (const QString& lockFolder : {unwritable("run"), writable}) {
        env.lockFolder = lockFolder;
        int code = 0;
        EXPECT_EQ(answered(QMessageBox::Ok, [&] { code = run(); }),
                  "Rollwell Running | Rollwell is already running! | Critical");
        EXPECT_EQ(code, 1);
    }
    running.reset();
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(mainWindows, 1);
}

// Settings that cannot be written are told once as the program ends, with the
// cause, and the end goes on as usual.
TEST_F(Startup, SettingsThatCannotBeSavedAreToldAtTheEnd) {
    const QString ini = unwritable("settings.ini");
    env.openStore = [ini] { return std::make_unique<QSettings>(ini, QSettings::IniFormat); };
    OnModal welcome([](QWidget* w) { find<QPushButton>(w, "cmdPlay")->click(); }); // a first run
    int code = -1;
    EXPECT_EQ(answered(QMessageBox::Ok, [&] { code = run(); }),
              "Save settings | 76Path not foundCannot save " + ini.toStdString() +
                  " | Information");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(audio.calls, (std::vector<std::string>{"sync exitGame", "stop"}));
}

} // namespace
} // namespace rollwell
