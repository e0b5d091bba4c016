#pragma once

#include "dialogtesting.h"
#include "shell/mainwindow.h"
#include "support/scriptedplatform.h"

#include <memory>

namespace rollwell {

// The real platform with the dice and the answers taken from a script; pauses
// are real but shortened, so a whole game plays in moments. Without an audio
// player the window plays no sounds.
class WindowPlatform : public QtPlatform {
  public:
    WindowPlatform(PlatformHost& host, ScriptedPlatform& script) : QtPlatform(host), s_(script) {}
    int pauseDivisor = 30;

    void Pause(int ms) override {
        s_.Pause(ms);
        QtPlatform::Pause(ms / pauseDivisor);
    }
    MsgAnswer MessageBox(std::string_view t, std::string_view x, MsgButtons b, MsgIcon i) override {
        return s_.MessageBox(t, x, b, i);
    }
    double Random() override { return s_.Random(); }
    EndGameAnswer ShowEndGameDialog() override { return s_.ShowEndGameDialog(); }
    void ShowWinner(const WinnerInfo& info) override { s_.ShowWinner(info); }
    void ShowTopScores(const TopScoresRequest& r) override { s_.ShowTopScores(r); }
    ScoreEntryResult RecordResult(int t, std::string_view n, int32_t s,
                                  std::string_view d) override {
        return s_.RecordResult(t, n, s, d);
    }
    std::optional<Settings> ShowOptions(const Settings& c) override { return s_.ShowOptions(c); }

  private:
    ScriptedPlatform& s_;
};

// A main window over the scripted platform, found by control names.
class WindowTest : public testing::QtTest {
  public:
    void TearDown() override {
        window.reset();
        QtTest::TearDown();
    }
    void open() {
        window = std::make_unique<MainWindow>(settings, nullptr, [this](PlatformHost& host) {
            auto p = std::make_unique<WindowPlatform>(host, script);
            platform = p.get();
            return p;
        });
        window->show();
        QCoreApplication::processEvents();
    }

    template <class T = QWidget> T* find(const QString& name) const {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    bool shown(const QString& name) const { return find(name)->isVisible(); }
    QString text(const QString& name) const { return find<QLabel>(name)->text(); }
    const Engine& engine() const { return window->engine(); }

    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    void roll() { click("picRollDices"); }
    // "1" for each of these controls that is seen, "0" for each that is not.
    std::string seen(std::initializer_list<const char*> names) const {
        std::string out;
        for (const char* name : names)
            out += shown(name) ? '1' : '0';
        return out;
    }
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }
    // Waits until the new-game animation has built the board.
    void waitForBoard() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !engine().board().tmrAnimation.running; }, 10000));
    }
    // The first cell button of these columns that the roll may fill.
    QString offeredCell(std::initializer_list<int> columns) const {
        static const char* stems[] = {"", "Down", "Up", "Rand", "Oblg"};
        for (int c : columns)
            for (int r = 0; r < kRowCount; ++r) {
                const QString name = QStringLiteral("cmd%1_%2").arg(QLatin1String(stems[c])).arg(r);
                if (shown(name) && find(name)->isEnabled()) return name;
            }
        return {};
    }

    // Plays turns with one roll into the first cell offered, by mouse.
    void playThrough(int placements, std::initializer_list<int> columns = {3}) {
        for (int k = 0; k < placements; ++k) {
            roll();
            const QString cell = offeredCell(columns);
            ASSERT_FALSE(cell.isEmpty()) << "turn " << k;
            click(cell);
        }
    }

    Settings settings;
    ScriptedPlatform script;
    WindowPlatform* platform = nullptr;
    std::unique_ptr<MainWindow> window;
};

} // namespace rollwell
