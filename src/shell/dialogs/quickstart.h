#pragma once

#include <QDialog>

class QTextBrowser;

namespace rollwell {

// frmQuickStart: the quick-start document, read from the program's resources,
// with "&Print" and "&OK".
class QuickStartDialog : public QDialog {
    Q_OBJECT
  public:
    QuickStartDialog(QWidget* owner, bool openedFromMain);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void cmdPrint_Click();

    QTextBrowser* RichTextBox1_ = nullptr;
    QString html_;
};

// The quick-start window: modeless over the main window, modal over the
// welcome window. Only one is open at a time; asking again brings it forward.
void showQuickStart(QWidget* owner, bool openedFromMain);
// Closes the quick-start window if one is open.
void closeQuickStart();

} // namespace rollwell
