#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>

namespace rollwell {

// frmAbout: the title, the version and the two links. Modeless, but the main
// window takes no input while it is open.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    AboutDialog(QWidget* owner, std::function<void(bool)> setMainEnabled);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPointer<QWidget> owner_;
};

// Opens the about window centred on `owner`, calls setMainEnabled(false) at
// once and setMainEnabled(true) however the window is closed.
void showAbout(QWidget* owner, std::function<void(bool)> setMainEnabled);

} // namespace rollwell
