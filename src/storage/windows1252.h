#pragma once

#include <QByteArray>
#include <QString>

namespace rollwell {

// Names and dates in the top-score tables are kept in Windows-1252, one byte a
// character, so that tables stay byte-compatible with ones written on Windows.

// Each byte becomes one character. Bytes 0x80-0x9F follow the Windows-1252
// table; the five it leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the
// control characters of the same number.
QString DecodeWindows1252(const QByteArray& bytes);

// Each character (code point) becomes one byte. A letter Windows-1252 cannot
// hold becomes its plain base letter (č becomes c); only a character without
// one becomes '?'.
QByteArray EncodeWindows1252(const QString& text);

// Whether Windows-1252 holds the character as it is.
bool FitsWindows1252(char32_t codePoint);

// The text cut to `width` characters or padded with blanks to exactly `width`.
// Characters are code points, so a surrogate pair is never split.
QString FitToWidth(const QString& text, int width);

} // namespace rollwell
