#include "shell/board/advicemarks.h"

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
    const QColor colour = paletteColor(u"advice");
    p.setPen(QPen(colour, 3));
    for (const QRect& die : dice_)
        p.drawRoundedRect(QRectF(die).adjusted(-3.5, -3.5, 3.5, 3.5), 8, 8);
    if (!cell_.isNull()) {
        p.setPen(QPen(colour.darker(130), 3));
        p.drawRoundedRect(QRectF(cell_).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
}

} // namespace rollwell
