#pragma once

#include "game/settings.h"

#include <QDialog>

class QCheckBox;

namespace rollwell {

class Audio;

// frmWelcome: the first window of a start when the player wants it. "&Play"
// goes on to the game, "&Exit" ends the program; the options, the quick start
// and the top scores can be opened from here before a game.
class WelcomeDialog : public QDialog {
    Q_OBJECT
  public:
    WelcomeDialog(Settings& settings, Audio* audio, QWidget* parent = nullptr);

    // Set when the window was left with "&Play".
    bool playChosen() const { return playChosen_; }
    // Set when the options or the start-up box were changed here, so the
    // settings must be saved even if no game follows.
    bool settingsChanged() const { return settingsChanged_; }

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void cmdOptions_Click();
    void Check1_Click();

    Settings& settings_;
    Audio* audio_;
    bool playChosen_ = false;
    bool settingsChanged_ = false;
    QCheckBox* Check1_ = nullptr;
};

} // namespace rollwell
