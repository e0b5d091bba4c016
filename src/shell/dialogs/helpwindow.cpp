#include "shell/dialogs/helpwindow.h"

#include "game/geometry.h"
#include "shell/art/artwork.h"
#include "shell/dialogs/cursor.h"
#include "shell/dialogs/dialogkit.h"
#include "shell/dialogs/links.h"
#include "shell/scale.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBrowser>

#include <algorithm>

namespace rollwell {

namespace {

// Room for the window's frame and title bar, which are not part of its size
// before it is shown.
constexpr int kFrameRoom = 40;

QPointer<HelpWindow>& openWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

HelpWindow::HelpWindow(const QString& html, QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Rollwell Help"));
    setWindowIcon(artIcon(QStringLiteral("help")));
    setAttribute(Qt::WA_DeleteOnClose);
    applyDialogLook(this);
    resize(toPixels(11400), toPixels(8400));
    // Never taller or wider than the screen leaves room for (2x on a small screen).
    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() * 9 / 10;
        resize(size().boundedTo(room));
    }

    lstContents_ = new QListWidget(this);
    lstContents_->setObjectName(QStringLiteral("lstContents"));
    lstContents_->setFixedWidth(toPixels(3000));
    txtHelp_ = new QTextBrowser(this);
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    // Links are followed here: a topic in this window, an address outside.
    txtHelp_->setOpenLinks(false);
    txtHelp_->setHtml(html);
    auto* layout = new QHBoxLayout(this);
    const int margin = scaledPixels(8);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(lstContents_);
    layout->addWidget(txtHelp_, 1);

    // The contents: the document's heading (its top), then every topic, which
    // starts with <h2><a name="...">.
    static const QRegularExpression heading(QStringLiteral("<h1>([^<]+)</h1>"));
    new QListWidgetItem(heading.match(html).captured(1), lstContents_);
    static const QRegularExpression topic(
        QStringLiteral("<h2><a name=\"([^\"]+)\"></a>([^<]+)</h2>"));
    for (auto it = topic.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        auto* item = new QListWidgetItem(m.captured(2), lstContents_);
        item->setData(Qt::UserRole, m.captured(1));
    }
    // The window opens at the top, with the heading's entry chosen.
    lstContents_->setCurrentRow(0);
    // A click goes to its topic every time, also to the one chosen already
    // after the text was scrolled away from it; the arrow keys go there too.
    connect(lstContents_, &QListWidget::itemClicked, this, &HelpWindow::showTopic);
    connect(lstContents_, &QListWidget::currentItemChanged, this, &HelpWindow::showTopic);
    // A link in the text to a topic shows it and chooses it in the contents.
    connect(txtHelp_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (!link.isRelative()) {
            openLink(link);
            return;
        }
        txtHelp_->scrollToAnchor(link.fragment());
        for (int row = 0; row < lstContents_->count(); ++row) {
            QListWidgetItem* item = lstContents_->item(row);
            if (item->data(Qt::UserRole).toString() != link.fragment()) continue;
            const QSignalBlocker quiet(lstContents_);
            lstContents_->setCurrentItem(item);
        }
    });
    installGameCursor(this);
    installGameCursor(txtHelp_->viewport());
}

void HelpWindow::showTopic(QListWidgetItem* item) {
    if (item == nullptr) return;
    const QString anchor = item->data(Qt::UserRole).toString();
    if (anchor.isEmpty()) {
        txtHelp_->verticalScrollBar()->setValue(0);
    } else {
        txtHelp_->scrollToAnchor(anchor);
    }
}

bool showHelpDocument(QWidget* owner, const QString& path) {
    QPointer<HelpWindow>& window = openWindow();
    if (window) {
        window->raise();
        window->activateWindow();
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showFileError(owner);
        return false;
    }
    window = new HelpWindow(QString::fromUtf8(file.readAll()), owner);
    if (owner != nullptr) {
        // Beside the game where the screen has room, so the board stays in view;
        // otherwise centred on it.
        const QRect game = owner->frameGeometry();
        const QRect screen = owner->screen()->availableGeometry();
        QPoint place(game.right() + 8, game.top());
        if (place.x() + window->width() > screen.right())
            place = game.center() - QPoint(window->width() / 2, window->height() / 2);
        // Wholly on the screen, its frame included: the bottom is never cut.
        place.setX(std::min(place.x(), screen.right() - window->width() - kFrameRoom));
        place.setY(std::min(place.y(), screen.bottom() - window->height() - kFrameRoom));
        window->move(std::max(place.x(), screen.left()), std::max(place.y(), screen.top()));
    }
    window->show();
    return true;
}

void showHelp(QWidget* owner) {
    showHelpDocument(owner, QStringLiteral(":/docs/help.html"));
}

void closeHelp() {
    if (QPointer<HelpWindow>& window = openWindow()) window->close();
}

} // namespace rollwell
