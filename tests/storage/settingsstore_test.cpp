#include "storage/settingsstore.h"

#include "childprocess.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <tuple>

namespace rollwell {
namespace {

class SettingsStore : public ::testing::Test {
  protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        store.clear();
        store.sync();
    }
    void put(const char* name, const QString& text) { store.setValue(QLatin1String(name), text); }

    // Every QSettings here must land in the test area, so test mode comes first.
    const bool testMode = (QStandardPaths::setTestModeEnabled(true), true);
    QSettings store{QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Rollwell"),
                    QStringLiteral("Rollwell2")};
};

TEST_F(SettingsStore, FirstRunAndValuesThatAreNotText) {
    EXPECT_EQ(LoadSettings(store), Settings{});
    // Other values alone do not make a stored set.
    put("NumberOfPlayers", QStringLiteral("2"));
    EXPECT_EQ(LoadSettings(store), Settings{});
    // A value that is not text reads as empty, yet is present: not a first run.
    store.setValue(QStringLiteral("NumberOfDice"), 4);
    store.setValue(QStringLiteral("Player1"), QByteArray("Ann"));
    WriteRegistryText(store, QStringLiteral("Player2"), QString::fromUtf8("Bo\0b", 4));
    Settings want;
    std::tie(want.NumberOfPlayers, want.Player1, want.Player2) =
        std::tuple(2, "          ", "Bo        ");
    EXPECT_EQ(LoadSettings(store), want);
    // The overloads without a store use the same place.
    want.NumberOfDice = 4;
    EXPECT_TRUE(SaveSettings(want));
    store.sync();
    EXPECT_EQ(LoadSettings(store), want);
    EXPECT_EQ(LoadSettings(), want);
}

// The same text in every value. A number the game cannot play and a
// Boolean that is neither "True"/"False" nor a number take their defaults;
// names are cut or padded to ten characters. What loads saves and loads back.
TEST_F(SettingsStore, EveryValueFromText) {
    struct Case {
        const char* text;
        int32_t dice, players, columns;
        int boolean; // -1: each Boolean keeps its default
    };
    const Case cases[] = {
        {"4", 4, 1, 4, 1},       {"1", 5, 1, 1, 1},           {"2", 5, 2, 4, 1},
        {" 2x", 5, 2, 4, -1},    {"", 5, 1, 4, -1},           {"7", 5, 1, 4, 1},
        {"-1", 5, 1, 4, 1},      {"3", 5, 1, 4, 1},           {"0.0", 5, 1, 4, 0},
        {" FALSE ", 5, 1, 4, 0}, {"99999999999", 5, 1, 4, 1}, {"Jürgen Äält", 5, 1, 4, -1},
        {"150", 5, 1, 4, 1}};
    const char* names[] = {
        "NumberOfDice",    "NumberOfPlayers", "NumberOfColumns", "Player1",       "Player2",
        "SoundEnabled",    "hintAllways",     "ShowDialog",      "ShowSplash",    "ShowStatusBar",
        "ConfirmOnExit",   "ConfirmQuitGame", "SoundOnExit",     "ShowGridLines", "BoardSize",
        "Player2Computer", "ComputerStrength"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        for (const char* name : names)
            put(name, QString::fromUtf8(c.text));
        Settings want;
        std::tie(want.NumberOfDice, want.NumberOfPlayers, want.NumberOfColumns) =
            std::tuple(c.dice, c.players, c.columns);
        const std::string_view text(c.text); // a strength is 1..3, else Normal
        want.ComputerStrength = text == "1" ? 1 : text == "3" ? 3 : 2;
        const QString name = QString::fromUtf8(c.text).leftJustified(10, ' ', true);
        want.Player1 = want.Player2 = name.toStdString();
        want.BoardSize = std::string_view(c.text) == "150" ? 150 : 100; // an offered size or 100
        for (bool* b : {&want.SoundEnabled, &want.hintAllways, &want.ShowDialog, &want.ShowSplash,
                        &want.ShowStatusBar, &want.ConfirmOnExit, &want.ConfirmQuitGame,
                        &want.SoundOnExit, &want.ShowGridLines, &want.Player2Computer})
            *b = c.boolean < 0 ? *b : c.boolean == 1;
        EXPECT_EQ(LoadSettings(store), want);
        // Saved as text: numbers in decimal, Booleans as "True"/"False", names of ten.
        store.clear();
        EXPECT_TRUE(SaveSettings(store, want));
        EXPECT_EQ(store.allKeys().size(), 17);
        EXPECT_EQ(ReadRegistryText(store, QStringLiteral("NumberOfDice")), QString::number(c.dice));
        EXPECT_EQ(ReadRegistryText(store, QStringLiteral("SoundOnExit")),
                  c.boolean == 0 ? QStringLiteral("False") : QStringLiteral("True"));
        EXPECT_EQ(ReadRegistryText(store, QStringLiteral("Player2")), name);
        EXPECT_EQ(LoadSettings(store), want);
    }
    EXPECT_EQ(LeadingNumber(QStringLiteral("-99999999999999")), INT32_MIN);
}

// A store whose file cannot be written reports it with its cause; the old file
// stays.
TEST(SettingsFile, FailedWriteIsReported) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("locked/Rollwell2.conf"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
    {
        QSettings first(file, QSettings::IniFormat);
        ASSERT_TRUE(SaveSettings(first, Settings{}));
    }
    const QString folder = QFileInfo(file).absolutePath();
    ASSERT_TRUE(SetMode(dir.path(), 0755) && SetMode(folder, 0555));
    Settings changed;
    changed.NumberOfDice = 4;
    EXPECT_TRUE(InChild([&] {
        QSettings store(file, QSettings::IniFormat);
        return !SaveSettings(store, changed) &&
               SaveFailureText(store) == "70Permission deniedCannot save " + file;
    }));
    SetMode(folder, 0755);
    QSettings reread(file, QSettings::IniFormat);
    EXPECT_EQ(LoadSettings(reread), Settings{});
}

} // namespace
} // namespace rollwell
