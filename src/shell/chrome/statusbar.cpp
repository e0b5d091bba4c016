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
    // Light text on the dark table colour, set through the palette (a style
    // sheet costs time at start-up).
    QPalette pal = palette();
    pal.setColor(QPalette::Window, paletteColor(u"tabledark"));
    pal.setColor(QPalette::WindowText, paletteColor(u"caption"));
    setPalette(pal);
    setAutoFillBackground(true);
    for (int n = 0; n < 5; ++n) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusBar1_%1").arg(n + 1));
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(3);
        addWidget(panel, n == 4 ? 1 : 0);
        panels_[static_cast<size_t>(n)] = panel;
    }
    panels_[4]->setAlignment(Qt::AlignCenter);
    rescale();
}

void StatusBar::rescale() {
    QFont small = font();
    small.setPixelSize(scaledPixels(10));
    setFont(small);
    panels_[4]->setMinimumWidth(toPixels(kClockWidth));
    for (size_t n = 0; n < 4; ++n)
        if (!first_) panels_[n]->setFixedWidth(toPixels(shown_[n].width));
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
