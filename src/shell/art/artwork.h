#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace rollwell {

// The game's pictures are SVG files compiled into the program (":/art/<name>.svg").
// They are rendered at the device pixel ratio of the screen they are shown on,
// so they stay crisp at any scale, and each size is rendered once.

// The picture `name` at `size` logical pixels for a screen of ratio `dpr`. A
// picture that does not exist gives a transparent pixmap of that size.
QPixmap artPixmap(const QString& name, QSize size, qreal dpr);

// The picture as an icon that renders itself at whatever size and ratio a
// menu, toolbar or window asks for.
QIcon artIcon(const QString& name);

// Whether the picture exists in the resources.
bool artExists(const QString& name);

} // namespace rollwell
