#pragma once

// Helpers for the tests that drive the program's windows offscreen.

#include "shell/platform/audio.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
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

template <typename T = QWidget> T* find(const QWidget* window, const char* name) {
    return window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
}

// Runs `act` once, on the first modal window that comes up while this lives.
class OnModal {
  public:
    explicit OnModal(std::function<void(QWidget*)> act) : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && act_)
                std::exchange(act_, nullptr)(modal);
        });
        timer_.start(10);
    }
    bool finished() const { return !act_; }

  private:
    std::function<void(QWidget*)> act_;
    QTimer timer_;
};

// Runs `act` while the message box it brings up is answered with `button`;
// returns what the box showed as "title | text | icon".
inline std::string answered(QMessageBox::StandardButton button, const std::function<void()>& act) {
    std::string shown = "(no message box)";
    {
        OnModal script([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box == nullptr) return;
            static const char* icons[] = {"none", "Information", "Warning", "Critical", "Question"};
            shown = (box->windowTitle() + QStringLiteral(" | ") + box->text()).toStdString() +
                    " | " + icons[box->icon()];
            box->button(button)->click();
        });
        act();
    }
    return shown;
}

class FakeAudio : public Audio {
  public:
    void playAsync(std::string_view n) override { calls.push_back("async " + std::string(n)); }
    void playSync(std::string_view n) override { calls.push_back("sync " + std::string(n)); }
    void playMusic() override { calls.emplace_back("music"); }
    void stopMusic() override { calls.emplace_back("stop"); }
    std::vector<std::string> calls;
};

} // namespace rollwell::testing
