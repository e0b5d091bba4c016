#include "storage/windows1252.h"

#include <QList>

#include <array>
#include <cstdint>
#include <optional>

namespace rollwell {
namespace {

// Code points of bytes 0x80..0x9F. The undefined bytes map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

std::optional<char> ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// A letter the code page lacks is stored as its base letter when its
// decomposition is that letter and marks only (č, ő, ǘ; a full-width A is an
// A). Anything else, a ligature of two letters or a letter of another script,
// has no single stand-in and becomes '?'.
char EncodeCodePoint(char32_t cp) {
    if (const std::optional<char> byte = ByteOf(cp)) return *byte;
    const QList<uint> parts =
        QString::fromUcs4(&cp, 1).normalized(QString::NormalizationForm_KD).toUcs4();
    std::optional<char> base;
    for (const uint part : parts) {
        if (QChar::isMark(part)) continue;
        if (base) return '?';
        base = ByteOf(part);
        if (!base || !QChar::isLetter(part)) return '?';
    }
    return base.value_or('?');
}

} // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<uint8_t>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(kHighControls[b - 0x80]) : QChar(b));
    }
    return text;
}

QByteArray EncodeWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t cp : text.toUcs4())
        bytes.append(EncodeCodePoint(cp));
    return bytes;
}

bool FitsWindows1252(char32_t codePoint) {
    return ByteOf(codePoint).has_value();
}

QString FitToWidth(const QString& text, int width) {
    QList<uint> codePoints = text.toUcs4();
    if (codePoints.size() > width) codePoints.resize(width);
    QString fitted = QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()),
                                       codePoints.size());
    const auto count = static_cast<int>(codePoints.size());
    if (count < width) fitted.append(QString(width - count, QLatin1Char(' ')));
    return fitted;
}

} // namespace rollwell
