#include "shell/chrome/statusbar.h"

#include "shell/art/palette.h"

#include <QLabel>

namespace rollwell {

namespace {
constexpr int kClockWidth = 800; // twips; the clock panel keeps its width
}

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    setStyleSheet(QStringLiteral("QStatusBar{background:%1;}QStatusBar::item{border:none;}"
                                 "QLabel{color:%2;font-size:11px;padding:0 4px;"
                                 "border:1px solid %3;border-radius:2px;background:%4;}")
                      .arg(paletteColor(u"tabledark").name(), paletteColor(u"caption").name(),
                           paletteColor(u"table").lighter(130).name(),
                           paletteColor(u"table").name()));
    for (int n = 0; n < 5; ++n) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusBar1_%1").arg(n + 1));
        panel->setTextFormat(Qt::PlainText);
        addWidget(panel, n == 4 ? 1 : 0);
        panels_[static_cast<size_t>(n)] = panel;
    }
    panels_[4]->setMinimumWidth(toPixels(kClockWidth));
    panels_[4]->setAlignment(Qt::AlignCenter);
}

void StatusBar::sync(const Board& b) {
    for (size_t n = 0; n < 5; ++n) {
        const Panel& now = b.panels[n];
        Panel& was = shown_[n];
        QLabel* panel = panels_[n];
        // The clock panel mirrors the clock label.
        const std::string& text = n == 4 ? b.lblTimeElapsed : now.text;
        if (first_ || text != was.text) {
            // Leading blanks of the marquee are kept as they are.
            panel->setText(QString::fromStdString(text));
            was.text = text;
        }
        if (n < 4 && (first_ || now.width != was.width)) {
            panel->setFixedWidth(toPixels(now.width));
            was.width = now.width;
        }
        if (first_ || now.visible != was.visible) {
            panel->setVisible(now.visible);
            was.visible = now.visible;
        }
    }
    first_ = false;
    if (isHidden() == b.statusBarVisible) setVisible(b.statusBarVisible);
}

} // namespace rollwell
