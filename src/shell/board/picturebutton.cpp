#include "shell/board/picturebutton.h"

#include "shell/art/artwork.h"

#include <QMouseEvent>
#include <QPainter>

namespace rollwell {

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setProperty("boardButton", true);
    // Presses that do not come from the mouse (an accessibility client, a
    // test's click()) report the same two steps.
    connect(this, &QAbstractButton::pressed, this, &PictureButton::mouseDown);
    connect(this, &QAbstractButton::released, this, &PictureButton::mouseUp);
}

void PictureButton::setPictureName(const QString& name) {
    if (name_ == name) return;
    name_ = name;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(rect(), artPixmap(name_, size(), devicePixelRatioF()));
}

// The mouse reaches the game directly: any button presses, and the release
// counts wherever the pointer is by then, as the captured mouse of a picture
// control does.
void PictureButton::mousePressEvent(QMouseEvent* e) {
    e->accept();
    emit mouseDown();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    emit mouseUp();
    if (rect().contains(e->position().toPoint())) emit clicked();
}

} // namespace rollwell
