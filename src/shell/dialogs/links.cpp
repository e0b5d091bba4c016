#include "shell/dialogs/links.h"

#include <QDesktopServices>
#include <QUrl>

namespace rollwell {

void openWebSite() {
    QDesktopServices::openUrl(QUrl(kWebSiteAddress));
}

void contactAuthor() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + kAuthorAddress));
}

} // namespace rollwell
