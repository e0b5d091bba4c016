#pragma once

#include <QTimer>
#include <QWidget>

namespace rollwell {

// frmSplash: a 388 x 220 picture without a frame, on top of every window,
// for two seconds or until a key is pressed. `finished` asks for the main
// window; the splash closes itself right after.
class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SplashWindow(QWidget* parent = nullptr);

    static constexpr int kWidth = 388;
    static constexpr int kHeight = 220;

  signals:
    void finished();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void tmrUnload_Timer();

    QTimer tmrUnload_;
    bool done_ = false;
};

} // namespace rollwell
