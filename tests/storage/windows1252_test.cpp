#include "storage/windows1252.h"

#include <QList>

#include <gtest/gtest.h>

namespace rollwell {
namespace {

TEST(Windows1252, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(EncodeWindows1252(text), all);
}

TEST(Windows1252, KnownCharacters) {
    struct Case {
        QString text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {QStringLiteral("Jürgen"), QByteArray("J\xFCrgen")},
        {QStringLiteral("€"), QByteArray("\x80")},
        {QStringLiteral("‚ƒ„…"), QByteArray("\x82\x83\x84\x85")},
        {QStringLiteral("Œ™Ÿ"), QByteArray("\x8C\x99\x9F")},
        {QString(QChar(0x81)) + QChar(0x8D) + QChar(0x9D), QByteArray("\x81\x8D\x9D")},
        {QStringLiteral("ÿ é"), QByteArray("\xFF \xE9")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeWindows1252(c.text), c.bytes) << c.text.toStdString();
        EXPECT_EQ(DecodeWindows1252(c.bytes), c.text) << c.text.toStdString();
    }
}

TEST(Windows1252, CharactersItCannotHoldBecomeQuestionMarks) {
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("名")), QByteArray("?"));
    // A character beyond the 16-bit range is one character, hence one '?'.
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("a😀b")), QByteArray("a?b"));
    EXPECT_EQ(EncodeWindows1252(QString(QChar(0xD800))), QByteArray("?"));
    // U+0080 is not the euro sign's byte: 0x80 means € in this code page.
    EXPECT_EQ(EncodeWindows1252(QString(QChar(0x80))), QByteArray("?"));
}

TEST(Windows1252, FitToWidthCountsCharacters) {
    EXPECT_EQ(FitToWidth(QStringLiteral("Ann"), 10), QStringLiteral("Ann       "));
    EXPECT_EQ(FitToWidth(QStringLiteral("Maximilian12"), 10), QStringLiteral("Maximilian"));
    EXPECT_EQ(FitToWidth(QString(), 10), QString(10, QLatin1Char(' ')));
    // Ten emoji are ten characters (twenty UTF-16 units); none is split.
    const QString faces = QStringLiteral("😀😀😀😀😀😀😀😀😀😀😀😀");
    EXPECT_EQ(FitToWidth(faces, 10).toUcs4().size(), 10);
}

} // namespace
} // namespace rollwell
