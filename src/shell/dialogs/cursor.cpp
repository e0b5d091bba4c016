#include "shell/dialogs/cursor.h"

#include "shell/art/artwork.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace rollwell {

namespace {

constexpr int kCursorSize = 32;

// The windows that wear the game's cursor, so that the end can take it back.
std::vector<QPointer<QWidget>>& dressed() {
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}

} // namespace

void installGameCursor(QWidget* window) {
    if (window == nullptr || !artExists(QStringLiteral("cursor"))) return;
    const qreal dpr = window->devicePixelRatioF();
    const QPixmap arrow = artPixmap(QStringLiteral("cursor"), QSize(kCursorSize, kCursorSize), dpr);
    // The hot spot is the arrow's tip, the picture's top-left corner.
    window->setCursor(QCursor(arrow, 0, 0));
    dressed().emplace_back(window);
}

void restoreSystemCursor() {
    for (const QPointer<QWidget>& window : dressed()) {
        if (window) window->unsetCursor();
    }
    dressed().clear();
}

} // namespace rollwell
