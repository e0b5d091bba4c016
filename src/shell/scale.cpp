#include "shell/scale.h"

#include "game/geometry.h"

#include <QApplication>
#include <QFont>
#include <QRegularExpression>

#include <algorithm>

namespace rollwell {

void applyScale(int percent) {
    setPixelScale(percent);
    // Kept with the application, which owns the font.
    const QVariant shown = qApp->property("rollwellFontPercent");
    if (percent == (shown.isValid() ? shown.toInt() : 100)) return;
    qApp->setProperty("rollwellFontPercent", percent);
    QVariant designed = qApp->property("rollwellDesignedFont");
    if (!designed.isValid()) {
        designed = QApplication::font();
        qApp->setProperty("rollwellDesignedFont", designed);
    }
    QFont font = designed.value<QFont>();
    if (font.pixelSize() > 0) {
        font.setPixelSize(scaledPixels(font.pixelSize()));
    } else {
        font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    }
    QApplication::setFont(font);
}

QString scaledSheet(const QString& sheet) {
    static const QRegularExpression px(QStringLiteral("(\\d+)px"));
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : px.globalMatch(sheet)) {
        out += QStringView(sheet).mid(from, m.capturedStart() - from);
        const int n = m.captured(1).toInt();
        out += QStringLiteral("%1px").arg(n == 0 ? 0 : std::max(1, scaledPixels(n)));
        from = m.capturedEnd();
    }
    out += QStringView(sheet).mid(from);
    return out;
}

} // namespace rollwell
