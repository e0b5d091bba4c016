#include "shell/dialogs/aboutdialog.h"

#include "shell/art/artwork.h"
#include "shell/dialogs/cursor.h"
#include "shell/dialogs/dialogkit.h"
#include "shell/dialogs/links.h"

#include <QWindow>

namespace rollwell {

namespace {
constexpr int kWidth = 5400;
} // namespace

AboutDialog::AboutDialog(QWidget* owner, std::function<void(bool)> setMainEnabled)
    : QDialog(nullptr), owner_(owner) {
    // No widget parent: disabling the main window would disable its children
    // too, and this window must stay usable. It is kept above the main window
    // as a transient window instead.
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Rollwell 2.0"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(artIcon(QStringLiteral("rollwell")));
    setAttribute(Qt::WA_DeleteOnClose);
    applyDialogLook(this);
    fixClientSize(this, kWidth, 3240);
    makeTitleBand(this, kWidth, 1500);

    addLinks(this, 360, 1740, 2070, 3700);

    auto* close = new CommandButton(QStringLiteral("cmdClose"), QStringLiteral("&Close"),
                                    QStringLiteral("ok"), this);
    close->setGeometry(twipsRect(kWidth - 1560, 2580, 1320, 435));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    if (setMainEnabled) {
        // finished() comes with every way of closing: the button, Esc, the close box.
        connect(this, &QDialog::finished, this, [setMainEnabled] { setMainEnabled(true); });
    }
    installGameCursor(this);
}

void AboutDialog::showEvent(QShowEvent* event) {
    if (owner_ && owner_->window()->windowHandle() && windowHandle()) {
        windowHandle()->setTransientParent(owner_->window()->windowHandle());
    }
    placeOnOwner(this, owner_);
    QDialog::showEvent(event);
}

void showAbout(QWidget* owner, std::function<void(bool)> setMainEnabled) {
    auto* about = new AboutDialog(owner, setMainEnabled);
    if (setMainEnabled) setMainEnabled(false);
    about->show();
    about->raise();
    about->activateWindow();
}

} // namespace rollwell
