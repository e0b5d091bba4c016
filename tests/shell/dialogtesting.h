#pragma once

// Helpers for the tests that drive the program's windows offscreen.

#include "shell/platform/audio.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rollwell::testing {

// Each test brings up its own application object and takes it down again,
// with every window it left open.
class QtTest : public ::testing::Test {
  protected:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_shell";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance() == nullptr) app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override {
        std::vector<QPointer<QWidget>> left;
        for (QWidget* w : QApplication::topLevelWidgets())
            left.emplace_back(w);
        for (const QPointer<QWidget>& w : left)
            delete w.data();
        app_.reset();
    }

  private:
    std::unique_ptr<QApplication> app_;
};

// Lets the event loop run for `ms` milliseconds.
inline void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

inline void keyClick(QWidget* w, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

inline void mouseClick(QWidget* w, QPoint at) {
    const QPointF local(at);
    const QPointF global(w->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

template <typename T = QWidget> T* find(const QWidget* window, const char* name) {
    return window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
}

// Runs `act` on each modal window as it comes up, in order, one action per
// window; a window that is still up after its action is left alone.
class ModalScript {
  public:
    explicit ModalScript(std::vector<std::function<void(QWidget*)>> actions)
        : actions_(std::move(actions)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }
    bool finished() const { return next_ >= actions_.size(); }

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == last_ || finished()) return;
        last_ = modal;
        actions_[next_++](modal);
    }
    std::vector<std::function<void(QWidget*)>> actions_;
    std::size_t next_ = 0;
    QWidget* last_ = nullptr;
    QTimer timer_;
};

// What a message box showed.
struct Shown {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// An action that notes a message box and answers it with `button`.
inline std::function<void(QWidget*)> answer(Shown* shown, QMessageBox::StandardButton button) {
    return [shown, button](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box == nullptr) return;
        *shown = {box->windowTitle(), box->text(), box->icon()};
        box->button(button)->click();
    };
}

class FakeAudio : public Audio {
  public:
    void playAsync(std::string_view name) override {
        calls.push_back("async " + std::string(name));
    }
    void playSync(std::string_view name) override { calls.push_back("sync " + std::string(name)); }
    void playMusic() override { calls.emplace_back("music"); }
    void stopMusic() override { calls.emplace_back("stop"); }
    std::vector<std::string> calls;
};

} // namespace rollwell::testing
