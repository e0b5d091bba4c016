#include "shell/art/artwork.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace rollwell {

namespace {

QString artPath(const QString& name) {
    return QStringLiteral(":/art/%1.svg").arg(name);
}

QPixmap render(const QString& name, QSize size, qreal dpr) {
    const QSize device = (QSizeF(size) * dpr).toSize();
    QPixmap pixmap(device.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(artPath(name));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

// An icon engine that renders the SVG for each size asked, through the cache.
class ArtIconEngine : public QIconEngine {
  public:
    explicit ArtIconEngine(QString name) : name_(std::move(name)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, dpr));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        QPixmap p = artPixmap(name_, size, scale);
        if (mode != QIcon::Disabled) return p;
        // A disabled command shows its picture faded.
        QPixmap faded(p.size());
        faded.setDevicePixelRatio(p.devicePixelRatio());
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setOpacity(0.35);
        painter.drawPixmap(0, 0, p);
        return faded;
    }
    QIconEngine* clone() const override { return new ArtIconEngine(name_); }

  private:
    QString name_;
};

} // namespace

QPixmap artPixmap(const QString& name, QSize size, qreal dpr) {
    static QHash<QString, QPixmap> cache;
    const QString key =
        QStringLiteral("%1@%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(dpr);
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    QPixmap pixmap = render(name, size, dpr);
    cache.insert(key, pixmap);
    return pixmap;
}

QIcon artIcon(const QString& name) {
    return QIcon(new ArtIconEngine(name));
}

bool artExists(const QString& name) {
    return QFile::exists(artPath(name));
}

} // namespace rollwell
