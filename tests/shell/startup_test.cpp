#include "dialogtesting.h"

#include "shell/dialogs/splashwindow.h"
#include "shell/startup.h"
#include "storage/settingsstore.h"

#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    }
    void store(const Settings& s) { SaveSettings(*env.openStore(), s); }
    Settings stored() { return LoadSettings(*env.openStore()); }

    // Starts the program; the main window, when it comes, closes itself
    // after `mainLifeMs`.
    int run(int mainLifeMs = 20) {
        const MainWindowFactory factory = [this, mainLifeMs](Settings&, Audio*) {
            ++mainWindows;
            auto window = std::make_unique<QWidget>();
            window->setObjectName(QStringLiteral("frmRollwell"));
            QTimer::singleShot(mainLifeMs, window.get(), &QWidget::close);
            return window;
        };
        return runRollwell(*qApp, factory, &audio, env);
    }

    QTemporaryDir folder;
    StartupEnvironment env;
    FakeAudio audio;
    int mainWindows = 0;
};

TEST_F(Startup, TheWelcomeWindowLeadsToTheGameOrEndsTheProgramAndKeepsTheBoxChecked) {
    for (const char* leave : {"cmdPlay", "cmdExit"}) {
        store(Settings{});
        mainWindows = 0;
        audio.calls.clear();
        ModalScript script({[leave](QWidget* welcome) {
            EXPECT_EQ(welcome->windowTitle(), QStringLiteral("Welcome to Rollwell 2.0"));
            find<QCheckBox>(welcome, "Check1")->click();
            find<QPushButton>(welcome, leave)->click();
        }});
        EXPECT_EQ(run(), 0);
        EXPECT_TRUE(script.finished());
        const bool play = QLatin1String(leave) == QLatin1String("cmdPlay");
        EXPECT_EQ(mainWindows, play ? 1 : 0) << leave;
        // The next start shows the splash instead, also after "&Exit".
        EXPECT_FALSE(stored().ShowDialog) << leave;
        EXPECT_TRUE(stored().ShowSplash) << leave;
        const std::vector<std::string> end{"sync exitGame", "stop"};
        EXPECT_EQ(audio.calls, play ? end : std::vector<std::string>{}) << leave;
    }
}

TEST_F(Startup, TheSplashOrNothingComesBeforeTheMainWindow) {
    Settings s;
    s.ShowDialog = false;
    s.ShowSplash = true;
    store(s);
    // A key closes the splash at once and the main window opens.
    QTimer::singleShot(50, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* splash = qobject_cast<SplashWindow*>(w)) {
                EXPECT_EQ(splash->size(), QSize(388, 220));
                QTest::keyClick(splash, Qt::Key_Space);
            }
        }
    });
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(mainWindows, 1);

    s.ShowSplash = false;
    store(s);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(mainWindows, 2);
}

TEST_F(Startup, TheEndSavesTheSettingsAndPlaysTheExitSoundOnlyWhenBothSwitchesAreOn) {
    struct Case {
        bool sound, onExit;
        std::vector<std::string> calls;
    };
    for (const Case& c : {Case{true, true, {"sync exitGame", "stop"}}, Case{true, false, {"stop"}},
                          Case{false, true, {"stop"}}}) {
        Settings s;
        s.ShowDialog = false;
        s.SoundEnabled = c.sound;
        s.SoundOnExit = c.onExit;
        s.Player1 = "Old       ";
        store(s);
        audio.calls.clear();
        const MainWindowFactory factory = [](Settings& live, Audio*) {
            live.Player1 = "New       "; // what the game changed is saved at the end
            auto window = std::make_unique<QWidget>();
            QTimer::singleShot(10, window.get(), &QWidget::close);
            return window;
        };
        EXPECT_EQ(runRollwell(*qApp, factory, &audio, env), 0);
        EXPECT_EQ(audio.calls, c.calls);
        EXPECT_EQ(stored().Player1, "New       ");
    }
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
TEST_F(Startup, RunningCopy) {
    const QByteArray where = qgetenv("ROLLWELL_RUNNING_COPY");
    if (where.isEmpty()) GTEST_SKIP() << "only as the child of OneCopyRuns";
    env.lockFolder = QString::fromLocal8Bit(where);
    Settings s;
    s.ShowDialog = false;
    store(s);
    run(60 * 60 * 1000);
}

TEST_F(Startup, OneCopyRunsAndAKilledCopyNeverBlocksTheNext) {
    Settings s;
    s.ShowDialog = false;
    store(s);
    QProcess child;
    QProcessEnvironment childEnv = QProcessEnvironment::systemEnvironment();
    childEnv.insert(QStringLiteral("ROLLWELL_RUNNING_COPY"), env.lockFolder);
    childEnv.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(childEnv);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Startup.RunningCopy")});
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

} // namespace
} // namespace rollwell
