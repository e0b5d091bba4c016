#pragma once

#include "game/platform.h"
#include "game/settings.h"

#include <QDialog>
#include <QTimer>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTableWidget;

namespace rollwell {

class Audio;

// frmScores2: the four top-score tables on four tabs, where the last result
// landed, "&Clear Table" and the grid-lines box.
class TopScoresDialog : public QDialog {
    Q_OBJECT
  public:
    // `scoresFolder` holds the "scores" folder of the tables. `audio` may be
    // null; with `soundOn` false the window stays silent.
    TopScoresDialog(Settings& settings, const TopScoresRequest& request, QString scoresFolder,
                    Audio* audio, bool soundOn, QWidget* owner);

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString tablePath(int tableNumber) const;
    void showTable(int tableNumber);
    void useLayout(bool tall);
    void showResult(const TopScoresRequest& request);
    void TabStrip1_Click(int index);
    void cmdClearTable_Click();
    void Timer1_Timer();

    Settings& settings_;
    QString folder_;
    Audio* audio_;
    bool soundOn_;
    int musicTicks_ = 0;

    QTabBar* TabStrip1_ = nullptr;
    QTableWidget* ListView1_ = nullptr;
    QLabel* lblScore_ = nullptr;
    QPushButton* cmdClearTable_ = nullptr;
    QPushButton* cmdReturn_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QWidget* lines_ = nullptr;
    QTimer Timer1_;
};

// Shows the top-scores window modally over `owner` and keeps the grid-lines
// choice in `settings` when it closes.
void showTopScores(QWidget* owner, Settings& settings, const TopScoresRequest& request,
                   Audio* audio, bool soundOn);

} // namespace rollwell
