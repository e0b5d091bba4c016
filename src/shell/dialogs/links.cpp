#include "shell/dialogs/links.h"

#include "shell/dialogs/dialogkit.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace rollwell {

void openLink(const QUrl& link) {
    if (QDesktopServices::openUrl(link)) return;
    // No program took the link: the player still gets the address, to copy
    // from the message.
    const bool mail = link.scheme() == QLatin1String("mailto");
    showMessage(QApplication::activeWindow(), QMessageBox::Information,
                mail ? QStringLiteral("Contact the Author") : QStringLiteral("Visit Web Site"),
                (mail ? QStringLiteral("No mail program could be opened. You can write to\n\n%1")
                      : QStringLiteral("No web browser could be opened. The address is\n\n%1"))
                    .arg(mail ? link.path() : link.toString()));
}

void openWebSite() {
    openLink(QUrl(kWebSiteAddress));
}

void contactAuthor() {
    openLink(QUrl(QStringLiteral("mailto:") + kAuthorAddress));
}

} // namespace rollwell
