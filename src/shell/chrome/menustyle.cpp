#include "shell/chrome/menustyle.h"

#include "game/geometry.h"
#include "shell/art/artwork.h"
#include "shell/art/palette.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace rollwell {

namespace {
// At the designed board size; the menus grow with the board.
int pictureSize() {
    return scaledPixels(16);
}
int pictureMargin() {
    return scaledPixels(5);
}
} // namespace

MenuStyle::MenuStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
    setParent(parent);
}

QBrush MenuStyle::pattern(qreal dpr) {
    const QPixmap tile = artPixmap(QStringLiteral("Image1"), QSize(135, 64), dpr);
    if (tile.isNull()) return paletteColor(u"menubg");
    return QBrush(tile);
}

void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    const qreal dpr = widget ? widget->devicePixelRatioF() : 1.0;
    switch (element) {
    case PE_PanelMenu:
    case PE_PanelMenuBar:
        painter->fillRect(option->rect, pattern(dpr));
        return;
    case PE_FrameMenu:
        // A dark edge outside the white frame line keeps the popup apart from
        // the light board and pattern behind it.
        painter->setBrush(Qt::NoBrush);
        painter->setPen(paletteColor(u"tabledark"));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->setPen(paletteColor(u"BorderColor"));
        painter->drawRect(option->rect.adjusted(1, 1, -2, -2));
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    const qreal dpr = widget ? widget->devicePixelRatioF() : 1.0;
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarEmptyArea) {
        painter->fillRect(option->rect, pattern(dpr));
        return;
    }
    if (item == nullptr || (element != CE_MenuItem && element != CE_MenuBarItem)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->save();
    const QRect r = option->rect;
    const bool selected = (option->state & State_Selected) && (option->state & State_Enabled);
    painter->fillRect(r, selected ? QBrush(paletteColor(u"Selected")) : pattern(dpr));
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        painter->setPen(paletteColor(u"BorderColor"));
        const int y = r.center().y();
        painter->drawLine(r.left() + 4, y, r.right() - 4, y);
        painter->restore();
        return;
    }
    QColor text = paletteColor(selected ? u"SelectedText" : u"menutext");
    if (!(option->state & State_Enabled)) text = QColor(110, 118, 130);
    painter->setPen(text);
    const int flags =
        Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
    if (element == CE_MenuBarItem) {
        painter->drawText(r, flags | Qt::AlignHCenter, item->text);
        painter->restore();
        return;
    }
    if (!item->icon.isNull()) {
        const QRect pic(r.left() + pictureMargin(), r.top() + (r.height() - pictureSize()) / 2,
                        pictureSize(), pictureSize());
        item->icon.paint(painter, pic, Qt::AlignCenter,
                         (option->state & State_Enabled) ? QIcon::Normal : QIcon::Disabled);
    }
    QString caption = item->text;
    QString shortcut;
    const qsizetype tab = caption.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        shortcut = caption.mid(tab + 1);
        caption.truncate(tab);
    }
    const int textLeft = r.left() + pictureMargin() * 2 + pictureSize() + 4;
    const QRect textRect(textLeft, r.top(), r.right() - textLeft - 8, r.height());
    painter->drawText(textRect, flags | Qt::AlignLeft, caption);
    if (!shortcut.isEmpty()) painter->drawText(textRect, flags | Qt::AlignRight, shortcut);
    painter->restore();
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    if (metric == PM_SmallIconSize) return pictureSize();
    if (metric == PM_MenuPanelWidth) return 2; // the two frame lines
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace rollwell
