#include "shell/board/cellwidget.h"

#include "shell/art/artwork.h"
#include "shell/art/palette.h"

#include <QPainter>

#include <algorithm>

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
    setFocusPolicy(Qt::NoFocus); // the keyboard plays through the engine's cell cursor
    setCursor(Qt::PointingHandCursor);
    setProperty("boardButton", true);
}

void CellWidget::setPicture(CellPicture picture) {
    if (picture_ == picture) return;
    picture_ = picture;
    update();
}

void CellWidget::setKeyCursor(bool on) {
    if (keyCursor_ == on) return;
    keyCursor_ = on;
    update();
}

void CellWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (isEnabled()) {
        // An offered cell: a lit tile, the same on both boards, brighter under
        // the mouse, the keyboard's cursor or while pressed; the mouse lights
        // nothing while the board takes no clicks (the computer is playing).
        const bool pointed = (hover_ || isDown()) &&
                             !parentWidget()->testAttribute(Qt::WA_TransparentForMouseEvents);
        const bool lit = pointed || keyCursor_ || picture_ == CellPicture::img1Column;
        const QColor fill = paletteColor(lit ? u"offerhover" : u"offer");
        p.setPen(QPen(fill.darker(125), 1));
        p.setBrush(fill);
        p.drawRoundedRect(r, 3, 3);
    } else {
        p.drawPixmap(rect(), artPixmap(pictureName(picture_), size(), devicePixelRatioF()));
    }
    if (keyCursor_) {
        // The keyboard's cursor: a thick dark frame that no lit tile hides.
        const qreal w = std::max<qreal>(2, height() / 8.0);
        p.setPen(QPen(paletteColor(u"keycursor"), w));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(w / 2, w / 2, -w / 2, -w / 2), 3, 3);
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
