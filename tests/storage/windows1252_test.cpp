#include "storage/windows1252.h"

#include <QList>

#include <gtest/gtest.h>

namespace rollwell {
namespace {

TEST(Windows1252, OneByteACharacter) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(EncodeWindows1252(text), all);
    // Where the code page differs from Latin-1; 0x81 is one it leaves undefined.
    EXPECT_EQ(DecodeWindows1252("\x80\x81\x8C\x99\x9F\xFC"),
              QStringLiteral("€") + QChar(0x81) + QStringLiteral("Œ™Ÿü"));
    // CJK, a character beyond 16 bits, a lone surrogate and U+0080 (not the euro's byte).
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("名a😀") + QChar(0xD800) + QChar(0x80)),
              QByteArray("?a???"));
    // Fitting counts characters: ten emoji stay ten, none split.
    EXPECT_EQ(FitToWidth(QStringLiteral("😀😀😀😀😀😀😀😀😀😀😀😀"), 10).toUcs4().size(), 10);
}

} // namespace
} // namespace rollwell
