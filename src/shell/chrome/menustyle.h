#pragma once

#include <QBrush>
#include <QProxyStyle>

namespace rollwell {

// The program's own look for the menus and the toolbar: the items stand on the
// Image1 pattern, each command with its picture beside the caption; a selected
// item is filled dark; frame lines are white. Colours come from the palette by
// the menu keys ("menubg", "Selected", "BorderColor", "SelectedText",
// "GeneralText", "menutext").
class MenuStyle : public QProxyStyle {
    Q_OBJECT
  public:
    explicit MenuStyle(QObject* parent);

    // The Image1 pattern as a brush for a device of ratio `dpr`.
    static QBrush pattern(qreal dpr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

} // namespace rollwell
