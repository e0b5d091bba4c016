#include "shell/dialogs/helpwindow.h"

#include "game/geometry.h"
#include "shell/art/artwork.h"
#include "shell/dialogs/cursor.h"
#include "shell/dialogs/dialogkit.h"

#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBrowser>

#include <algorithm>

namespace rollwell {

namespace {

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

    lstContents_ = new QListWidget(this);
    lstContents_->setObjectName(QStringLiteral("lstContents"));
    lstContents_->setFixedWidth(toPixels(3000));
    txtHelp_ = new QTextBrowser(this);
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    txtHelp_->setOpenExternalLinks(true);
    txtHelp_->setHtml(html);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(lstContents_);
    layout->addWidget(txtHelp_, 1);

    // Every topic of the document starts with <h2><a name="...">; those make
    // the contents.
    static const QRegularExpression topic(
        QStringLiteral("<h2><a name=\"([^\"]+)\"></a>([^<]+)</h2>"));
    for (auto it = topic.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        auto* item = new QListWidgetItem(m.captured(2), lstContents_);
        item->setData(Qt::UserRole, m.captured(1));
    }
    connect(lstContents_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) txtHelp_->scrollToAnchor(item->data(Qt::UserRole).toString());
    });
    installGameCursor(this);
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
