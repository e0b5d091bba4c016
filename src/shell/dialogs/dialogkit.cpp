#include "shell/dialogs/dialogkit.h"

#include "game/geometry.h"
#include "shell/art/artwork.h"
#include "shell/art/palette.h"
#include "shell/dialogs/cursor.h"
#include "shell/dialogs/links.h"
#include "shell/scale.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace rollwell {

namespace {

QString rgb(const char* key) {
    return paletteColor(QString::fromLatin1(key)).name();
}

// The picture with a light wash over its drawn parts only.
QIcon brightened(const QIcon& icon, QSize size, qreal dpr) {
    QPixmap p = icon.pixmap(size, dpr);
    QPainter painter(&p);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(QRect(QPoint(0, 0), p.deviceIndependentSize().toSize()),
                     QColor(255, 255, 255, 90));
    painter.end();
    return QIcon(p);
}

} // namespace

QRect twipsRect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

void fixClientSize(QWidget* window, int widthTwips, int heightTwips) {
    window->setFixedSize(toPixels(widthTwips), toPixels(heightTwips));
}

void placeOnOwner(QWidget* window, const QWidget* owner, double verticalDivisor) {
    const QSize own = window->frameGeometry().size().expandedTo(window->size());
    QRect area;
    if (owner != nullptr && owner->isVisible()) {
        area = owner->frameGeometry();
    } else {
        const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (screen == nullptr) return;
        area = screen->availableGeometry();
    }
    const int left = area.left() + area.width() / 2 - own.width() / 2;
    const int top = area.top() + static_cast<int>(area.height() / verticalDivisor -
                                                  own.height() / verticalDivisor);
    window->move(left, top);
}

void applyDialogLook(QWidget* window) {
    window->setStyleSheet(scaledSheet(
        QStringLiteral(
            "QDialog, #frmWelcome, #frmAbout { background: %1; }"
            "QLabel { color: %2; }"
            "QGroupBox { border: 1px solid %3; border-radius: 4px; margin-top: 9px;"
            "  padding-top: 4px; color: %4; font-weight: bold; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"
            "QGroupBox QRadioButton, QGroupBox QCheckBox { font-weight: normal; color: %2; }"
            "QCheckBox::indicator, QRadioButton::indicator { width: 13px; height: 13px; }"
            "QPushButton { background: %5; color: %2; border: 1px solid %3; border-radius: 4px;"
            "  padding: 3px 10px; text-align: center; }"
            "QPushButton:hover { background: %6; border-color: %4; }"
            "QPushButton:pressed { background: %3; }"
            "QPushButton:focus { border: 2px solid %4; }"
            "QPushButton:disabled { color: #8a94a3; background: #eef1f5; }"
            "QLineEdit { background: white; border: 1px solid %3; border-radius: 3px; padding: "
            "2px; }"
            "QLineEdit:disabled { background: #e8ecf1; color: #8a94a3; }"
            "#titleBand { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %4,"
            "  stop:1 %7); }"
            "#titleBand QLabel { color: white; }"
            "QLabel[link=\"true\"] { color: %4; }")
            .arg(rgb("sheetalt"), rgb("captiontext"), rgb("frame"), rgb("menubg"), rgb("sheet"),
                 rgb("caption"), rgb("tabledark"))));
}

CommandButton::CommandButton(const QString& objectName, const QString& caption, const QString& art,
                             QWidget* parent)
    : QPushButton(caption, parent), normal_(artIcon(art)) {
    setObjectName(objectName);
    setIcon(normal_);
    setIconSize(QSize(scaledPixels(20), scaledPixels(20)));
}

void CommandButton::enterEvent(QEnterEvent* event) {
    if (isEnabled()) {
        if (lit_.isNull()) lit_ = brightened(normal_, iconSize(), devicePixelRatioF());
        setIcon(lit_);
    }
    QPushButton::enterEvent(event);
}

void CommandButton::leaveEvent(QEvent* event) {
    setIcon(normal_);
    QPushButton::leaveEvent(event);
}

LinkLabel::LinkLabel(const QString& objectName, const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
    setObjectName(objectName);
    setProperty("link", true);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

QMessageBox::StandardButton showMessage(QWidget* owner, QMessageBox::Icon icon,
                                        const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, owner);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse); // an address can be copied
    applyDialogLook(&box);
    installGameCursor(&box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void showFileError(QWidget* owner) {
    showMessage(owner, QMessageBox::Information, QStringLiteral("File Error"),
                QStringLiteral("53File not foundCannot open file"));
}

QWidget* makeTitleBand(QWidget* parent, int widthTwips, int heightTwips) {
    auto* band = new QWidget(parent);
    band->setObjectName(QStringLiteral("titleBand"));
    band->setAttribute(Qt::WA_StyledBackground);
    band->setGeometry(twipsRect(0, 0, widthTwips, heightTwips));
    auto* layout = new QVBoxLayout(band);
    layout->setContentsMargins(0, scaledPixels(10), 0, scaledPixels(10));
    layout->setSpacing(scaledPixels(2));
    auto* title = new QLabel(QStringLiteral("R o l l w e l l"), band);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.4);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("Version 2.0"), band);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addWidget(version);
    return band;
}

void addLinks(QWidget* parent, int left, int webTop, int mailTop, int addressWidth) {
    struct Link {
        const char* name;
        const char* caption;
        const char* addressName;
        QString address;
        int top;
        void (*open)();
    };
    const Link links[] = {
        {"lblWebSite", "Web site:", "lblWebSiteAddress", kWebSiteAddress, webTop, openWebSite},
        {"lblemail", "E-Mail:", "lblemailAddress", kAuthorAddress, mailTop, contactAuthor},
    };
    for (const Link& link : links) {
        auto* label = new LinkLabel(QString::fromLatin1(link.name),
                                    QString::fromLatin1(link.caption), parent);
        label->setGeometry(twipsRect(left, link.top, 1000, 285));
        auto* address = new LinkLabel(QString::fromLatin1(link.addressName), link.address, parent);
        address->setGeometry(twipsRect(1400, link.top, addressWidth, 285));
        for (LinkLabel* l : {label, address})
            QObject::connect(l, &LinkLabel::clicked, parent, link.open);
    }
}

} // namespace rollwell
