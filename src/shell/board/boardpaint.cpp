// The board's drawn parts: the table, the sheet panel and its rules, the frames
// around the dice and the roll button, and the column header arrows. Every
// position comes from the board geometry.
#include "shell/art/artwork.h"
#include "shell/art/palette.h"
#include "shell/board/boardview.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace rollwell {

namespace {

QColor colour(const char16_t* key) {
    return paletteColor(QStringView(key));
}

QRectF inset(const QRect& r, qreal by) {
    return QRectF(r).adjusted(by, by, -by, -by);
}

} // namespace

void BoardView::paintEvent(QPaintEvent*) {
    const Board& b = shown_;
    const BoardGeometry& g = b.geometry;
    const BoardDecorations& d = b.decorations;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), colour(u"table"));

    // The board's outer frame.
    p.setPen(QPen(colour(u"frame").darker(160), 1));
    p.setBrush(colour(u"tabledark"));
    p.drawRoundedRect(inset(px(g.Shape10), 0.5), 6, 6);

    // The sheet: the caption panel on the left, the score cells on the right.
    const int sheetBottom = g.Line4.y1;
    const int cellsLeft = g.Line1.x1;
    const int cellsRight = g.Line3.x1;
    const QRect panel = px(g.Picture2);
    const QRect cells = px({cellsLeft, SheetLayout::kHeaderTop, cellsRight - cellsLeft,
                            sheetBottom - SheetLayout::kHeaderTop});
    p.setPen(Qt::NoPen);
    p.setBrush(colour(u"caption"));
    p.drawRect(panel.adjusted(0, 0, cells.right() - panel.right(), 0));
    p.setBrush(colour(u"sheet"));
    p.drawRect(cells);

    // Header strip with the column arrows.
    const QRect header = px({g.Picture2.left, SheetLayout::kHeaderTop, cellsRight - g.Picture2.left,
                             SheetLayout::kRowHeight});
    p.setBrush(colour(u"rule"));
    p.drawRect(header);
    const QRect arrows = px({2205, SheetLayout::kHeaderTop, 2400, SheetLayout::kRowHeight});
    if (d.imgArrow)
        p.drawPixmap(arrows,
                     artPixmap(QStringLiteral("imgArrow"), arrows.size(), devicePixelRatioF()));
    if (d.imgArrow2)
        p.drawPixmap(arrows,
                     artPixmap(QStringLiteral("imgArrow2"), arrows.size(), devicePixelRatioF()));

    // Alternate row shading and the total lines.
    for (int r = 0; r < kRowCount; ++r) {
        if (r % 2 == 1) {
            p.setBrush(colour(u"sheetalt"));
            p.drawRect(px({cellsLeft, SheetLayout::rowTop(r), cellsRight - cellsLeft,
                           SheetLayout::kRowHeight}));
        }
    }
    std::vector<int> totalLines = {SheetLayout::kSubTotalTop, SheetLayout::kProductTop};
    if (d.Label13) totalLines.push_back(SheetLayout::kColumnTotalTop);
    p.setBrush(colour(u"caption").darker(106));
    for (int top : totalLines)
        p.drawRect(
            px({g.Picture2.left, top, cellsRight - g.Picture2.left, SheetLayout::kRowHeight}));
    p.setBrush(colour(u"grandtotal"));
    p.drawRect(px({g.Picture2.left, g.lblGrandTotal.top - 20, cellsRight - g.Picture2.left,
                   sheetBottom - g.lblGrandTotal.top + 20}));

    // The face of each upper row, small, at the left of its caption.
    for (int r = 0; r < 6; ++r) {
        const QRect mark = px({SheetLayout::kMarkLeft, SheetLayout::rowTop(r) + 20, 210, 210});
        p.drawPixmap(
            mark, artPixmap(QStringLiteral("die%1").arg(r + 1), mark.size(), devicePixelRatioF()));
    }

    // Rules: between the rows, between the columns, and round the cells. They
    // are drawn on whole pixels, one pixel wide at the designed size, so they
    // stay sharp at every board size.
    p.setRenderHint(QPainter::Antialiasing, false);
    const int rule = std::max(1, scaledPixels(1));
    p.setPen(QPen(colour(u"frame"), rule));
    for (int r = 1; r < kRowCount; ++r) {
        const int y = SheetLayout::rowTop(r);
        p.drawLine(px(g.Picture2.left, y), px(cellsRight, y));
    }
    for (int top : totalLines) {
        p.drawLine(px(g.Picture2.left, top + SheetLayout::kRowHeight),
                   px(cellsRight, top + SheetLayout::kRowHeight));
    }
    if (b.columns[0].lbl[0].visible) {
        for (size_t c = 1; c < 4; ++c) {
            const int x = g.columns[c].left;
            p.drawLine(px(x, SheetLayout::kHeaderTop + SheetLayout::kRowHeight),
                       px(x, g.lblGrandTotal.top - 20));
        }
    }
    p.setPen(QPen(colour(u"rule"), 2 * rule));
    p.drawLine(px(g.Line1.x1, g.Line1.y1), px(g.Line1.x2, g.Line1.y2));
    p.drawLine(px(g.Line3.x1, g.Line3.y1), px(g.Line3.x2, g.Line3.y2));
    p.drawLine(px(g.Line4.x1, g.Line4.y1), px(g.Line4.x2, g.Line4.y2));
    p.setRenderHint(QPainter::Antialiasing);

    // Frames of the hint labels that hold a value; a row the roll cannot
    // fill shows nothing.
    for (int r = 0; r < kRowCount; ++r) {
        const TextLabel& tip = b.lblTip[static_cast<size_t>(r)];
        if (!tip.visible || tip.text.empty()) continue;
        p.setPen(QPen(colour(u"offerhover"), 1));
        p.setBrush(colour(u"hintback"));
        p.drawRoundedRect(inset(px({SheetLayout::kTipLeft, SheetLayout::rowTop(r) + 20,
                                    SheetLayout::kTipWidth, SheetLayout::kRowHeight - 40}),
                                0.5),
                          2, 2);
    }

    // The lower part: the double rule under the sheet, the dice tray, the roll
    // button's frame and the bottom rule.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour(u"frame").darker(130), rule));
    for (const Segment* s : {&g.Line5, &g.Line6, &g.Line7, &g.Line8, &g.Line12})
        p.drawLine(px(s->x1, s->y1), px(s->x2, s->y2));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour(u"table"));
    p.setPen(QPen(colour(u"frame").darker(140), 1));
    p.drawRoundedRect(inset(px(g.Shape1), 0.5), 8, 8);
    p.drawRoundedRect(inset(px(g.Shape9), 0.5), 8, 8);
    p.setBrush(colour(u"tabledark"));
    p.setPen(Qt::NoPen);
    std::vector<const Box*> dieFrames = {&g.Shape6, &g.Shape7, &g.Shape8, &g.Shape3, &g.Shape4};
    if (d.Shape5) dieFrames.push_back(&g.Shape5);
    for (const Box* frame : dieFrames)
        p.drawRoundedRect(inset(px(*frame), -1), 9, 9);

    // The board's left and right edges.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour(u"rule"), rule));
    p.drawLine(px(g.Line9.x1, g.Line9.y1), px(g.Line9.x2, g.Line9.y2));
    p.drawLine(px(g.Line10.x1, g.Line10.y1), px(g.Line10.x2, g.Line10.y2));
    if (!painted_) {
        painted_ = true;
        emit firstPainted();
    }
}

} // namespace rollwell
