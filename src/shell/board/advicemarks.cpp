#include "shell/board/advicemarks.h"

#include "game/geometry.h"
#include "shell/art/palette.h"

#include <QPainter>

namespace rollwell {

AdviceMarksView::AdviceMarksView(QWidget* board) : QWidget(board) {
    setObjectName(QStringLiteral("AdviceMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void AdviceMarksView::mark(std::vector<QRect> dice, const QRect& cell) {
    if (dice == dice_ && cell == cell_) return;
    dice_ = std::move(dice);
    cell_ = cell;
    setGeometry(parentWidget()->rect());
    setVisible(!dice_.empty() || !cell_.isNull());
    raise();
    update();
}

void AdviceMarksView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    // The rings and the frame grow with the board.
    const qreal k = pixelScale() / 100.0;
    const QColor colour = paletteColor(u"advice");
    p.setPen(QPen(colour, 3 * k));
    const qreal out = 3.5 * k;
    for (const QRect& die : dice_)
        p.drawRoundedRect(QRectF(die).adjusted(-out, -out, out, out), 8 * k, 8 * k);
    if (!cell_.isNull()) {
        p.setPen(QPen(colour.darker(130), 3 * k));
        p.drawRoundedRect(QRectF(cell_).adjusted(0.5, 0.5, -0.5, -0.5), 3 * k, 3 * k);
    }
}

} // namespace rollwell
