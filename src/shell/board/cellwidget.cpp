#include "shell/board/cellwidget.h"

#include "shell/art/artwork.h"
#include "shell/art/palette.h"

#include <QPainter>

namespace rollwell {

namespace {
QString pictureName(CellPicture p) {
    switch (p) {
    case CellPicture::img1ColumnP:
        return QStringLiteral("img1ColumnP");
    case CellPicture::img1Column:
        return QStringLiteral("img1Column");
    case CellPicture::imgBut3:
        break;
    }
    return QStringLiteral("imgBut3");
}
} // namespace

CellWidget::CellWidget(int column, int row, QWidget* parent)
    : QAbstractButton(parent), column_(column), row_(row) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void CellWidget::setPicture(CellPicture picture) {
    if (picture_ == picture) return;
    picture_ = picture;
    update();
}

void CellWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (picture_ == CellPicture::imgBut3 && isEnabled()) {
        // An offered cell: a lit tile, brighter under the mouse or while pressed,
        // unless the board takes no clicks (the computer is playing).
        const bool lit = (hover_ || isDown()) &&
                         !parentWidget()->testAttribute(Qt::WA_TransparentForMouseEvents);
        const QColor fill = paletteColor(lit ? u"offerhover" : u"offer");
        p.setPen(QPen(fill.darker(125), 1));
        p.setBrush(fill);
        p.drawRoundedRect(r, 3, 3);
        return;
    }
    p.drawPixmap(rect(), artPixmap(pictureName(picture_), size(), devicePixelRatioF()));
    if (picture_ != CellPicture::imgBut3 && isEnabled()) {
        // The single-column board: every open row can take the roll; a thin lit
        // edge on the left says so without hiding the row picture.
        p.setPen(Qt::NoPen);
        p.setBrush(paletteColor(u"offer"));
        p.drawRoundedRect(QRectF(r.left(), r.top(), 4, r.height()), 1.5, 1.5);
    }
}

void CellWidget::enterEvent(QEnterEvent* e) {
    hover_ = true;
    update();
    emit entered(column_, row_);
    QAbstractButton::enterEvent(e);
}

void CellWidget::leaveEvent(QEvent* e) {
    hover_ = false;
    update();
    emit left(column_, row_);
    QAbstractButton::leaveEvent(e);
}

} // namespace rollwell
