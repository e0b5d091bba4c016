#pragma once

#include "game/settings.h"

#include <QSettings>
#include <QString>

namespace rollwell {

// The options live in the user's native store under organisation "Rollwell",
// application "Rollwell2" (on Windows: HKEY_CURRENT_USER\Software\Rollwell\Rollwell2),
// every value as text.

// A first run (nothing stored yet) gives the defaults; a value that cannot be
// read, or names a game the board cannot play, takes its default.
Settings LoadSettings(QSettings& store);
Settings LoadSettings();

// Numbers as decimal text, Booleans as "True"/"False", names as exactly ten
// characters. False when the store could not be written; the game goes on
// with the values in memory either way.
bool SaveSettings(QSettings& store, const Settings& settings);
bool SaveSettings(const Settings& settings);
// Why the last save of the store failed, as the message says it: the error
// number, its description, "Cannot save " and the store's file.
QString SaveFailureText(const QSettings& store);

// A text value; a missing value or one that is not text reads as "". The text
// ends before its first NUL character.
QString ReadRegistryText(QSettings& store, const QString& name);
void WriteRegistryText(QSettings& store, const QString& name, const QString& text);

// The leading decimal number of the text: leading blanks, an optional sign,
// digits. No number gives 0; a number too large for int32 is held at the limit.
int32_t LeadingNumber(const QString& text);

} // namespace rollwell
