#pragma once

#include "game/settings.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace rollwell {

// frmOptions: the options window. It shows the settings it is given and, on
// OK, holds the settings as the window leaves them.
class OptionsDialog : public QDialog {
    Q_OBJECT
  public:
    OptionsDialog(const Settings& current, bool openedFromMain, QWidget* owner);

    // The settings after OK; unset after Cancel or while the window is open.
    const std::optional<Settings>& accepted() const { return accepted_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fill(const Settings& s);
    void playersChanged();
    void cmdOK_Click();

    Settings settings_;
    bool openedFromMain_;
    std::optional<Settings> accepted_;

    QRadioButton* opt5Dice_ = nullptr;
    QRadioButton* opt6Dice_ = nullptr;
    QLineEdit* txtName1_ = nullptr;
    QLineEdit* txtName2_ = nullptr;
    QRadioButton* optYahtzee_ = nullptr;
    QRadioButton* optYamb_ = nullptr;
    QRadioButton* opt1Player_ = nullptr;
    QRadioButton* opt2Players_ = nullptr;
    QCheckBox* chkConfirmExit_ = nullptr;
    QCheckBox* chkSoundOnExit_ = nullptr;
    QCheckBox* chkQuitGame_ = nullptr;
    QCheckBox* chkShowStatusBar_ = nullptr;
    QRadioButton* optShowNone_ = nullptr;
    QRadioButton* optShowSplash_ = nullptr;
    QRadioButton* optShowDialog_ = nullptr;
    QCheckBox* chkComputer_ = nullptr;
    QComboBox* cboStrength_ = nullptr;
    QComboBox* cboBoardSize_ = nullptr;
};

// Shows the options window modally over `owner` (the main window or the
// welcome window); the new settings on OK, nullopt on Cancel.
std::optional<Settings> showOptionsDialog(QWidget* owner, const Settings& current);

} // namespace rollwell
