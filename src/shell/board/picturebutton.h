#pragma once

#include <QAbstractButton>
#include <QString>

namespace rollwell {

// A control that shows one of the game's pictures: a die, the roll button, a
// roll light. The roll button reports the press and the release of the mouse
// separately (the roll happens on the release); a keyboard or accessibility
// "press" arrives the same way.
class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit PictureButton(QWidget* parent);

    void setPictureName(const QString& name);

  signals:
    void mouseDown();
    void mouseUp();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    QString name_;
};

} // namespace rollwell
