#pragma once

#include <QString>

class QUrl;

namespace rollwell {

// The program's two outside links. Every menu command, button and label that
// leads out of the program uses these, so the addresses live here only.
inline const QString kWebSiteAddress = QStringLiteral("https://rollwell.example.org");
inline const QString kAuthorAddress = QStringLiteral("author@rollwell.example.org");

// Opens the product's web page in the user's browser.
void openWebSite();
// Opens a new mail message to the author in the user's mail program.
void contactAuthor();
// Opens a web or "mailto:" link in the user's programs; where none opens, a
// message shows the address, selectable.
void openLink(const QUrl& link);

} // namespace rollwell
