#pragma once

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRect>
#include <QString>

class QWidget;

namespace rollwell {

// The shared look and the small helpers of the program's secondary windows.

// A rectangle given in twips, in pixels.
QRect twipsRect(int left, int top, int width, int height);

// Sizes a window so that its client area is `width` x `height` twips and fixes
// it there: the secondary windows are not resizable.
void fixClientSize(QWidget* window, int widthTwips, int heightTwips);

// Centres `window` on `owner` (on the screen when there is no owner). With
// `verticalDivisor` other than 2 the top is owner top + owner height / d -
// own height / d, which the options window uses over the welcome window.
void placeOnOwner(QWidget* window, const QWidget* owner, double verticalDivisor = 2.0);

// The calm dialog look: light blue-grey client, deep blue header band, framed
// command buttons. Applied once to each window.
void applyDialogLook(QWidget* window);

// A command button with a picture. The picture brightens and the button lights
// up while the mouse is over it.
class CommandButton : public QPushButton {
    Q_OBJECT
  public:
    CommandButton(const QString& objectName, const QString& caption, const QString& art,
                  QWidget* parent);

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QIcon normal_;
    QIcon lit_;
};

// A label that looks and works like a link: underlined, a pointing hand over
// it, `clicked` on a left click. Its text is the caption as given.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(const QString& objectName, const QString& caption, QWidget* parent);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The two links, web page and mail, each a caption and its address: captions
// at `left`, addresses 1400 twips from the left edge, `addressWidth` wide.
void addLinks(QWidget* parent, int left, int webTop, int mailTop, int addressWidth);

// A message box of the program over `owner`: the game's palette and cursor,
// the buttons and icon given. Returns the button chosen.
QMessageBox::StandardButton showMessage(QWidget* owner, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// The message of a file that cannot be opened: error 53, its description and
// "Cannot open file" run together, titled "File Error", information icon.
void showFileError(QWidget* owner);

// The deep blue band with the spaced title and the version under it, used by
// the welcome and about windows.
QWidget* makeTitleBand(QWidget* parent, int widthTwips, int heightTwips);

} // namespace rollwell
