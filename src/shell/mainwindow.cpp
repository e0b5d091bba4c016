#include "shell/mainwindow.h"

#include "game/keys.h"

#include "shell/art/artwork.h"
#include "shell/board/boardaccessible.h"
#include "shell/board/boardview.h"
#include "shell/chrome/menuaccessible.h"
#include "shell/chrome/menus.h"
#include "shell/chrome/statusbar.h"
#include "shell/chrome/toolbar.h"
#include "shell/dialogs/aboutdialog.h"
#include "shell/dialogs/helpwindow.h"
#include "shell/dialogs/links.h"
#include "shell/dialogs/optionsdialog.h"
#include "shell/dialogs/quickstart.h"
#include "shell/dialogs/topscoresdialog.h"
#include "shell/platform/audio.h"
#include "shell/scale.h"
#include "shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace rollwell {

namespace {

// The old window's measures include its title bar, menu bar and borders;
// Qt's frame lies outside the client area, so these are taken off.
constexpr int kFrameWidthTwips = 120;
constexpr int kTitleAndMenuTwips = 705;
// The toolbar stands in the top strip of the client area, above the board.
constexpr int kToolbarTwips = 600;

// The engine's timers, in the order of the window's QTimers, with their tick handlers.
struct TimerTick {
    const char* name;
    void (Engine::*handler)();
};
constexpr std::array<TimerTick, 5> kTimers = {{
    {"tmrTimeElapsed", &Engine::tmrTimeElapsed_Timer},
    {"tmrRollDice", &Engine::tmrRollDice_Timer},
    {"tmrAnimation", &Engine::tmrAnimation_Timer},
    {"tmrGameOver", &Engine::tmrGameOver_Timer},
    {"tmrComputer", &Engine::tmrComputer_Timer},
}};
// The computer's pauses count from the end of its last step, which may have
// shaken the dice for a while.
constexpr size_t kComputerTimer = 4;

// The engine's key code of a key that plays the board, or 0.
int boardKeyCode(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    const bool keypad = key.modifiers().testFlag(Qt::KeypadModifier);
    const int k = key.key();
    if (k == Qt::Key_Backtab || (k == Qt::Key_Tab && (mods & ~Qt::ShiftModifier) == 0))
        return kKeyTab;
    if (mods != Qt::NoModifier) return 0;
    if (k >= Qt::Key_1 && k <= Qt::Key_6) return (keypad ? kKeyNumpad1 : kKey1) + (k - Qt::Key_1);
    switch (k) {
    case Qt::Key_Escape:
        return kKeyEscape;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    default:
        return 0;
    }
}

bool isInput(QEvent::Type t) {
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::Leave:
        return true;
    default:
        return false;
    }
}

} // namespace

MainWindow::MainWindow(Settings& settings, Audio* audio, const PlatformFactory& makePlatform,
                       QWidget* parent)
    : QMainWindow(parent), settings_(settings) {
    setObjectName(QStringLiteral("frmRollwell"));
    applyScale(kBoardSizes.front()); // the fit to the screen is measured at the designed size
    installBoardAccessibility();     // before any control is asked about
    installMenuAccessibility();
    setWindowIcon(artIcon(QStringLiteral("rollwell")));
    platform_ = makePlatform ? makePlatform(*this) : std::make_unique<QtPlatform>(*this);
    platform_->setAudio(audio);
    audio_ = audio;
    engine_ = std::make_unique<Engine>(settings_, *platform_);
    engine_->setAdvisor([](const Engine& e, Strength s) { return Advise(PositionFrom(e), s); });

    menus_ = new Menus(this);
    toolbar_ = new Toolbar(this);
    toolbar_->setFixedHeight(toPixels(kToolbarTwips));
    addToolBar(Qt::TopToolBarArea, toolbar_);
    board_ = new BoardView(toPixels(kToolbarTwips), this);
    setCentralWidget(board_);
    status_ = new StatusBar(this);
    setStatusBar(status_);

    for (int t = 0; t < static_cast<int>(kTimers.size()); ++t) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(kTimers[static_cast<size_t>(t)].name));
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, t] { tick(t); });
        timers_[static_cast<size_t>(t)] = timer;
    }

    connectBoard();
    connectWindows(audio);
    addBoardSizeKeys();
    qApp->installEventFilter(this);
    forward([](Engine& e) { e.Form_Load(); });
    placeOnScreen();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    for (auto& [receiver, event] : waiting_)
        delete event;
}

void MainWindow::connectBoard() {
    BoardView* b = board_;
    connect(b, &BoardView::cellClicked, this,
            [this](int c, int r) { forward([c, r](Engine& e) { e.cellClick(c, r); }); });
    connect(b, &BoardView::cellEntered, this,
            [this](int c, int r) { forward([c, r](Engine& e) { e.cellMouseEntered(c, r); }); });
    connect(b, &BoardView::cellLeft, this,
            [this](int c, int r) { forward([c, r](Engine& e) { e.cellMouseLeft(c, r); }); });
    connect(b, &BoardView::dieClicked, this,
            [this](int i) { forward([i](Engine& e) { e.picDice_Click(i); }); });
    connect(b, &BoardView::heldDieClicked, this,
            [this](int i) { forward([i](Engine& e) { e.PicDiceOff_Click(i); }); });
    connect(b, &BoardView::rollMouseDown, this,
            [this] { forward([](Engine& e) { e.picRollDices_MouseDown(); }); });
    connect(b, &BoardView::rollMouseUp, this,
            [this] { forward([](Engine& e) { e.picRollDices_MouseUp(); }); });
    connect(b, &BoardView::nextPlayerClicked, this,
            [this] { forward([](Engine& e) { e.cmdNextPlayer_Click(); }); });
    connect(b, &BoardView::showNextBoardClicked, this,
            [this] { forward([](Engine& e) { e.cmdShowNextBoard_Click(); }); });
    connect(menus_, &Menus::chosen, this, &MainWindow::menuChosen);
    connect(toolbar_, &Toolbar::buttonClick, this, [this](const QString& key) {
        const std::string k = key.toStdString();
        forward([k](Engine& e) { e.Toolbar2_ButtonClick(k); });
    });
}

// The other windows of the program, opened by the engine or by a menu.
void MainWindow::connectWindows(Audio* audio) {
    platform_->showOptions = [this](const Settings& current) {
        return showOptionsDialog(this, current);
    };
    platform_->showTopScores = [this, audio](const TopScoresRequest& request) {
        showTopScores(this, settings_, request, audio, engine_->run().SoundOn);
    };
    platform_->showQuickStart = [this] { showQuickStart(this, true); };
    onHelp = [this] { showHelp(this); };
    onAbout = [this] {
        showAbout(this, [this](bool on) {
            engine_->setWindowEnabled(on);
            sync();
        });
    };
    onWebSite = [] { openWebSite(); };
    onContact = [] { contactAuthor(); };
    confirmExit = [this] { return rollwell::confirmExit(this, settings_); };
    // The effects are loaded once the board is on the screen, and only while
    // sound is on: with sound off nothing of the audio back-end is touched.
    connect(board_, &BoardView::firstPainted, this, [this] {
        painted_ = true;
        QTimer::singleShot(0, this, &MainWindow::readySound);
        QTimer::singleShot(0, this, &MainWindow::prepareAdvisor);
    });
}

void MainWindow::readySound() {
    if (audio_ != nullptr && painted_ && engine_->run().SoundOn) audio_->preload();
}

void MainWindow::menuChosen(const QString& name) {
    using Handler = void (Engine::*)();
    static const QHash<QString, Handler> handlers = {
        {QStringLiteral("mnuNewGame"), &Engine::mnuNewGame_Click},
        {QStringLiteral("mnuOptions"), &Engine::mnuOptions_Click},
        {QStringLiteral("mnuScores"), &Engine::mnuScores_Click},
        {QStringLiteral("mnuQuickStar"), &Engine::mnuQuickStar_Click},
        {QStringLiteral("mnuUndoUndo"), &Engine::mnuUndoUndo_Click},
        {QStringLiteral("mnuUndoRedo"), &Engine::mnuUndoRedo_Click},
        {QStringLiteral("mnuSuggest"), &Engine::mnuSuggest_Click},
        {QStringLiteral("mnuHintsByRequest2"), &Engine::mnuHintsByRequest2_Click},
        {QStringLiteral("mnuHintsAllways2"), &Engine::mnuHintsAllways2_Click},
        {QStringLiteral("mnuSoundsOn"), &Engine::mnuSoundsOn_Click},
        {QStringLiteral("mnuSoundsOn2"), &Engine::mnuSoundsOn2_Click},
        {QStringLiteral("mnuSoundsOff"), &Engine::mnuSoundsOff_Click},
        {QStringLiteral("mnuSoundsOff2"), &Engine::mnuSoundsOff2_Click},
    };
    if (auto it = handlers.constFind(name); it != handlers.constEnd()) {
        const Handler h = *it;
        forward([h](Engine& e) { (e.*h)(); });
        return;
    }
    // The state items of the hint pair show the mode in force and do nothing.
    const QHash<QString, std::function<void()>*> windows = {
        {QStringLiteral("mnuContents"), &onHelp},
        {QStringLiteral("mnuAbout"), &onAbout},
        {QStringLiteral("mnuGoToWeb"), &onWebSite},
        {QStringLiteral("mnuContact"), &onContact},
    };
    if (auto it = windows.constFind(name); it != windows.constEnd()) {
        if (**it) (**it)();
    } else if (name == QLatin1String("mnuGameExit")) {
        close();
    }
}

void MainWindow::forward(const std::function<void(Engine&)>& handler) {
    if (busy_ > 0) {
        // Never re-enters: a command that arrives meanwhile (a menu action
        // from an accessibility client, say) runs after the running handler.
        QMetaObject::invokeMethod(
            this, [this, handler] { forward(handler); }, Qt::QueuedConnection);
        return;
    }
    ++busy_;
    handler(*engine_);
    --busy_;
    sync();
    releaseWaiting();
}

void MainWindow::tick(int timer) {
    if (busy_ > 0 || (askingToClose_ && static_cast<size_t>(timer) == kComputerTimer)) {
        tickWaiting_[static_cast<size_t>(timer)] = true;
        return;
    }
    const auto handler = kTimers[static_cast<size_t>(timer)].handler;
    forward([handler](Engine& e) { (e.*handler)(); });
    QTimer* q = timers_[static_cast<size_t>(timer)];
    if (static_cast<size_t>(timer) == kComputerTimer && q->isActive()) q->start();
}

// Delivers, in order, what arrived while a handler ran.
void MainWindow::releaseWaiting() {
    if (busy_ > 0) return;
    std::vector<std::pair<QObject*, QEvent*>> events;
    events.swap(waiting_);
    for (auto& [receiver, event] : events)
        QCoreApplication::postEvent(receiver, event);
    if (closeWaiting_) {
        closeWaiting_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
    for (int t = 0; t < static_cast<int>(kTimers.size()); ++t) {
        if (!tickWaiting_[static_cast<size_t>(t)]) continue;
        tickWaiting_[static_cast<size_t>(t)] = false;
        if (timers_[static_cast<size_t>(t)]->isActive()) tick(t);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType() || !isInput(event->type())) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this) return false;
    if (busy_ > 0) {
        // Not now: the running handler finishes first.
        waiting_.emplace_back(watched, event->clone());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        // The window sees every key first: Enter rolls or hands over, Space
        // minimises, whichever control has the focus.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (qobject_cast<QMenuBar*>(widget) != nullptr) return false; // its own arrows
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            forward([](Engine& e) { e.Form_KeyPress(kKeyReturn); });
            return true;
        }
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            forward([](Engine& e) { e.Form_KeyPress(kKeySpace); });
            return true;
        }
        // The dice keys, the cell cursor's arrows, Tab and Esc play the board.
        if (const int code = boardKeyCode(*key)) {
            const bool back = key->key() == Qt::Key_Backtab;
            const int shift = back || key->modifiers().testFlag(Qt::ShiftModifier) ? kShiftMask : 0;
            forward([code, shift](Engine& e) { e.Form_KeyDown(code, shift); });
            return true;
        }
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->ignore(); // already on its way out
        return;
    }
    if (busy_ > 0 && event->spontaneous()) {
        // The close box waits like any other input until the running handler
        // is done; a close the game itself asks for (the toolbar's Exit) goes on.
        closeWaiting_ = true;
        event->ignore();
        return;
    }
    if (!isEnabled()) {
        // The about window is open: the close box waits like every other
        // input, and the window that holds the game up comes forward.
        event->ignore();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->objectName() == QLatin1String("frmAbout")) {
                w->raise();
                w->activateWindow();
            }
        }
        return;
    }
    // The computer does not play on behind the question.
    askingToClose_ = true;
    const bool leave = !confirmExit || confirmExit();
    askingToClose_ = false;
    if (!leave) {
        event->ignore();
        releaseWaiting();
        return;
    }
    closing_ = true;
    for (QTimer* t : timers_)
        t->stop();
    // Closing the game ends the program, which plays its exit sound with the
    // window still on the screen: the window stays, and the program's event
    // loop ends here; the window goes with the end of the program.
    event->ignore();
    QCoreApplication::exit(0);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    const QPoint p = frameGeometry().topLeft();
    engine_->setWindowPosition(p.x() * kTwipsPerPixel, p.y() * kTwipsPerPixel);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    sync();
    keepOnScreen();
}

void MainWindow::placeOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    // Centred across the screen, a little above the middle; the screen is
    // measured in pixels, the window at the board size in force.
    const int left = (area.width() - toPixels(engine_->board().windowWidth)) / 2;
    const int top = static_cast<int>((area.height() - toPixels(8100)) / 4.3);
    move(area.left() + std::max(0, left), area.top() + std::max(0, top));
}

// Ctrl+Plus (also Ctrl+= and the keypad's plus), Ctrl+Minus and Ctrl+0 change
// the board size; they wait for a running handler like any other command.
void MainWindow::addBoardSizeKeys() {
    const auto ctrl = [](Qt::Key key) {
        return QList<QKeySequence>{
            QKeySequence(QKeyCombination(Qt::ControlModifier, key)),
            QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, key))};
    };
    const std::array<std::pair<int, QList<QKeySequence>>, 3> keys = {{
        {1,
         ctrl(Qt::Key_Plus) << QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key_Equal))},
        {-1, ctrl(Qt::Key_Minus)},
        {0, ctrl(Qt::Key_0)},
    }};
    for (const auto& [step, sequences] : keys) {
        auto* action = new QAction(this);
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, step = step] {
            forward([this, step](Engine&) {
                settings_.BoardSize = StepBoardSize(settings_.BoardSize, step);
            });
        });
    }
}

// The window's outer size at a board size, measured from its size now.
bool MainWindow::fitsScreen(int percent) const {
    const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (s == nullptr) return true;
    const QRect area = s->availableGeometry();
    const Board& b = engine_->board();
    const int scale = pixelScale();
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(8, 32);
    const int menu = menuBar()->sizeHint().height() * percent / scale;
    const long unit = 100L * kTwipsPerPixel;
    const int width =
        static_cast<int>((b.windowWidth - kFrameWidthTwips) * static_cast<long>(percent) / unit);
    const int height = menu + static_cast<int>((b.windowHeight - kTitleAndMenuTwips) *
                                               static_cast<long>(percent) / unit);
    return width + frame.width() <= area.width() && height + frame.height() <= area.height();
}

// The board size in force: the one chosen, or the largest offered one that the
// screen's free area holds. Every measure of the window follows from it.
void MainWindow::applyBoardSize() {
    int size = kBoardSizes.front();
    for (const int offered : kBoardSizes)
        if (offered <= settings_.BoardSize && fitsScreen(offered)) size = offered;
    settings_.BoardSize = size;
    shownBoardSize_ = size;
    if (size == pixelScale() && shownWidth_ != 0) return;

    applyScale(size);
    menuBar()->setFont(QApplication::font());

    toolbar_->setIconSize(QSize(scaledPixels(18), scaledPixels(18)));
    toolbar_->setFixedHeight(toPixels(kToolbarTwips));
    board_->rescale(toPixels(kToolbarTwips));
    status_->rescale();
    shownWidth_ = 0; // the window's own size follows in syncWindow
    if (isVisible()) QTimer::singleShot(0, this, &MainWindow::keepOnScreen);
}

void MainWindow::keepOnScreen() {
    const QScreen* s = screen();
    if (s == nullptr) return;
    const QRect area = s->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    if (frame.topLeft() != frameGeometry().topLeft()) move(frame.topLeft());
}

// Off the start path: the first Yahtzee game after the board is on the
// screen, at start or after the options, asks for the solved values.
void MainWindow::prepareAdvisor() {
    if (!painted_ || advisorPrepared_ || !prepareYahtzee || settings_.isYamb()) return;
    advisorPrepared_ = true;
    prepareYahtzee(settings_.sixDice() ? 6 : 5);
}

void MainWindow::sync() {
    prepareAdvisor();
    if (settings_.BoardSize != shownBoardSize_) applyBoardSize();
    const Board& b = engine_->board();
    board_->sync(b);
    menus_->sync(b);
    toolbar_->sync(b);
    status_->sync(b);
    syncWindow(b);
    syncTimers(b);
    readySound(); // sound may just have been switched on
}

void MainWindow::syncAndPaint() {
    sync();
    repaint(); // the board with it
}

void MainWindow::syncWindow(const Board& b) {
    const QString caption = QString::fromStdString(b.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    if (isEnabled() != b.windowEnabled) {
        setEnabled(b.windowEnabled);
        // Only the game waits (for the about window): its help and quick
        // start stay usable, though Qt disables child windows with it.
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow()) child->setEnabled(true);
        }
    }
    if (b.windowWidth != shownWidth_ || b.windowHeight != shownHeight_ ||
        b.statusBarVisible != shownStatusBar_) {
        shownWidth_ = b.windowWidth;
        shownHeight_ = b.windowHeight;
        shownStatusBar_ = b.statusBarVisible;
        const int width = toPixels(b.windowWidth - kFrameWidthTwips);
        const int height =
            menuBar()->sizeHint().height() + toPixels(b.windowHeight - kTitleAndMenuTwips);
        setFixedSize(width, height);
    }
}

void MainWindow::syncTimers(const Board& b) {
    const std::array<const Timer*, kTimers.size()> timers = {
        &b.tmrTimeElapsed, &b.tmrRollDice, &b.tmrAnimation, &b.tmrGameOver, &b.tmrComputer};
    for (size_t t = 0; t < timers.size(); ++t) {
        QTimer* q = timers_[t];
        const Timer& want = *timers[t];
        if (q->interval() != want.interval) q->setInterval(want.interval);
        if (closing_ || !want.running) {
            if (q->isActive()) q->stop();
        } else if (!q->isActive()) {
            q->start();
        }
    }
}

} // namespace rollwell
