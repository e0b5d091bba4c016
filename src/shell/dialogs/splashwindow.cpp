#include "shell/dialogs/splashwindow.h"

#include "game/geometry.h"
#include "shell/art/artwork.h"
#include "shell/art/palette.h"
#include "shell/dialogs/cursor.h"
#include "shell/scale.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace rollwell {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QSize size(scaledPixels(kWidth), scaledPixels(kHeight));
    setFixedSize(size);
    setFocusPolicy(Qt::StrongFocus);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // A third of the free width to the left; vertically a little above the middle.
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - size.width()) / 3,
             area.top() + (area.height() - size.height()) * 2 / 5);
    }
    tmrUnload_.setObjectName(QStringLiteral("tmrUnload"));
    tmrUnload_.setInterval(2000);
    tmrUnload_.setSingleShot(true);
    connect(&tmrUnload_, &QTimer::timeout, this, &SplashWindow::tmrUnload_Timer);
    tmrUnload_.start();
    installGameCursor(this);
}

void SplashWindow::tmrUnload_Timer() {
    if (done_) return;
    done_ = true;
    tmrUnload_.stop();
    emit finished();
    close();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    tmrUnload_Timer();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (artExists(QStringLiteral("splash"))) {
        painter.drawPixmap(0, 0, artPixmap(QStringLiteral("splash"), size(), devicePixelRatioF()));
        return;
    }
    // Without its picture the splash still shows the game's name on the table blue.
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, paletteColor(u"menubg"));
    sky.setColorAt(1, paletteColor(u"tabledark"));
    painter.fillRect(rect(), sky);
    painter.setPen(Qt::white);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 2.6);
    f.setBold(true);
    painter.setFont(f);
    painter.drawText(rect().adjusted(0, 0, 0, -scaledPixels(30)), Qt::AlignCenter,
                     QStringLiteral("Rollwell"));
    painter.setFont(font());
    painter.drawText(rect().adjusted(0, scaledPixels(60), 0, 0), Qt::AlignCenter,
                     QStringLiteral("Version 2.0"));
}

} // namespace rollwell
