#pragma once

#include <QString>
#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QTextBrowser;

namespace rollwell {

// The help window: the topics on the left, the help document on the right,
// with links between the topics. It belongs to the main window.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    HelpWindow(const QString& html, QWidget* owner);

  private:
    void showTopic(QListWidgetItem* item);

    QListWidget* lstContents_ = nullptr;
    QTextBrowser* txtHelp_ = nullptr;
};

// Opens the help at its contents (brings an open one forward). A help
// document that cannot be read is reported as a file error.
void showHelp(QWidget* owner);
// The same for a given document; false when it could not be opened.
bool showHelpDocument(QWidget* owner, const QString& path);
// Closes the help window if one is open.
void closeHelp();

} // namespace rollwell
