#pragma once

#include "game/engine.h"
#include "shell/platform/qtplatform.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

namespace rollwell {

class Audio;
class BoardView;
class Menus;
class StatusBar;
class Toolbar;

// frmRollwell, the main game window. It owns the engine and mirrors the
// engine's board after every event; every event of its controls goes to the
// engine's handler of the same name. While a handler runs (a pause, a dialog,
// a sound played to its end) no other handler starts: input and timer ticks
// wait and are delivered, in order, when it returns.
class MainWindow : public QMainWindow, public PlatformHost {
    Q_OBJECT
  public:
    using PlatformFactory = std::function<std::unique_ptr<QtPlatform>(PlatformHost&)>;

    // `makePlatform` lets a test script the dice and the answers; by default
    // the real platform is used.
    explicit MainWindow(Settings& settings, Audio* audio = nullptr,
                        const PlatformFactory& makePlatform = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    Engine& engine() { return *engine_; }
    QtPlatform& platform() { return *platform_; }

    // Runs an engine handler as one event: nothing else enters the engine
    // meanwhile, and the window mirrors the board when it returns.
    void forward(const std::function<void(Engine&)>& handler);
    // Brings every widget up to date from the board.
    void sync();

    // Commands that open windows of their own; the start-up wires them.
    std::function<void()> onHelp, onAbout, onWebSite, onContact;
    // Asked before the window closes; true lets it close.
    std::function<bool()> confirmExit;
    // Readies the advisor's solved Yahtzee values in the background, given
    // the number of dice to ready first; asked once, after the first paint,
    // when a Yahtzee game is in force.
    std::function<void(int dice)> prepareYahtzee;

    QWidget* ownerWindow() override { return this; }
    void syncAndPaint() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void connectBoard();
    void connectWindows(Audio* audio);
    void menuChosen(const QString& name);
    void syncWindow(const Board& board);
    void syncTimers(const Board& board);
    void tick(int timer);
    void releaseWaiting();
    void placeOnScreen();
    void prepareAdvisor();
    void addBoardSizeKeys();
    void applyBoardSize();
    bool fitsScreen(int percent) const;
    void keepOnScreen();
    void readySound();

    Settings& settings_;
    Audio* audio_ = nullptr;
    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<Engine> engine_;
    BoardView* board_ = nullptr;
    Menus* menus_ = nullptr;
    Toolbar* toolbar_ = nullptr;
    StatusBar* status_ = nullptr;
    std::array<QTimer*, 5> timers_{};
    std::array<bool, 5> tickWaiting_{};
    std::vector<std::pair<QObject*, QEvent*>> waiting_;
    int busy_ = 0;
    int shownWidth_ = 0;
    int shownHeight_ = 0;
    bool shownStatusBar_ = true;
    int shownBoardSize_ = 0;
    bool closing_ = false;
    bool painted_ = false;
    bool closeWaiting_ = false;
    bool askingToClose_ = false;
    bool advisorPrepared_ = false;
};

} // namespace rollwell
