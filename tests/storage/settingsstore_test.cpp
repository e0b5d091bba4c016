#include "storage/settingsstore.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>

namespace rollwell {
namespace {

// Every QSettings in this program must land in the test area, so test mode is
// switched on before the first one is made.
const bool kTestMode = [] {
    QStandardPaths::setTestModeEnabled(true);
    return true;
}();

class SettingsStore : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(kTestMode);
        store =
            std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                        QStringLiteral("Rollwell"), QStringLiteral("Rollwell2"));
        store->clear();
        store->sync();
    }
    void TearDown() override {
        store->clear();
        store->sync();
    }
    void put(const char* name, const QString& text) { store->setValue(QLatin1String(name), text); }

    std::unique_ptr<QSettings> store;
};

TEST_F(SettingsStore, FirstRunGivesDefaults) {
    EXPECT_EQ(LoadSettings(*store), Settings{});
    // Other values alone do not make a stored set.
    put("NumberOfPlayers", QStringLiteral("2"));
    put("SoundEnabled", QStringLiteral("False"));
    EXPECT_EQ(LoadSettings(*store), Settings{});
}

// The same text in all fourteen values. A number the game cannot play and a
// Boolean that is neither "True"/"False" nor a number take their defaults.
TEST_F(SettingsStore, EveryValueFromText) {
    struct Case {
        QString text;
        int32_t dice, players, columns;
        std::optional<bool> boolean; // nullopt: each Boolean keeps its default
    };
    const Case cases[] = {
        {QStringLiteral("4"), 4, 1, 4, true},
        {QStringLiteral("5"), 5, 1, 4, true},
        {QStringLiteral("1"), 5, 1, 1, true},
        {QStringLiteral("2"), 5, 2, 4, true},
        {QStringLiteral("+4"), 4, 1, 4, true},
        {QStringLiteral(" 2x"), 5, 2, 4, std::nullopt},
        {QStringLiteral("abc"), 5, 1, 4, std::nullopt},
        {QString(), 5, 1, 4, std::nullopt},
        {QStringLiteral("maybe"), 5, 1, 4, std::nullopt},
        {QStringLiteral("7"), 5, 1, 4, true},
        {QStringLiteral("-1"), 5, 1, 4, true},
        {QStringLiteral("0"), 5, 1, 4, false},
        {QStringLiteral("0.0"), 5, 1, 4, false},
        {QStringLiteral("2.5"), 5, 2, 4, true},
        {QStringLiteral("99999999999999"), 5, 1, 4, true},
        {QStringLiteral("true"), 5, 1, 4, true},
        {QStringLiteral(" FALSE "), 5, 1, 4, false},
    };
    const char* names[] = {"NumberOfDice", "NumberOfPlayers", "NumberOfColumns", "Player1",
                           "Player2",      "SoundEnabled",    "hintAllways",     "ShowDialog",
                           "ShowSplash",   "ShowStatusBar",   "ConfirmOnExit",   "ConfirmQuitGame",
                           "SoundOnExit",  "ShowGridLines"};
    const Settings d;
    for (const Case& c : cases) {
        SCOPED_TRACE("'" + c.text.toStdString() + "'");
        store->clear();
        for (const char* name : names)
            put(name, c.text);
        const Settings s = LoadSettings(*store);
        EXPECT_EQ(s.NumberOfDice, c.dice);
        EXPECT_EQ(s.NumberOfPlayers, c.players);
        EXPECT_EQ(s.NumberOfColumns, c.columns);
        const std::string name = (c.text + QString(10, QLatin1Char(' '))).left(10).toStdString();
        EXPECT_EQ(s.Player1, name);
        EXPECT_EQ(s.Player2, name);
        EXPECT_EQ(s.SoundEnabled, c.boolean.value_or(d.SoundEnabled));
        EXPECT_EQ(s.hintAllways, c.boolean.value_or(d.hintAllways));
        EXPECT_EQ(s.ShowDialog, c.boolean.value_or(d.ShowDialog));
        EXPECT_EQ(s.ShowSplash, c.boolean.value_or(d.ShowSplash));
        EXPECT_EQ(s.ShowStatusBar, c.boolean.value_or(d.ShowStatusBar));
        EXPECT_EQ(s.ConfirmOnExit, c.boolean.value_or(d.ConfirmOnExit));
        EXPECT_EQ(s.ConfirmQuitGame, c.boolean.value_or(d.ConfirmQuitGame));
        EXPECT_EQ(s.SoundOnExit, c.boolean.value_or(d.SoundOnExit));
        EXPECT_EQ(s.ShowGridLines, c.boolean.value_or(d.ShowGridLines));
    }
}

TEST_F(SettingsStore, ValuesThatAreNotTextReadAsEmpty) {
    store->setValue(QStringLiteral("NumberOfDice"), 4);
    store->setValue(QStringLiteral("NumberOfPlayers"), QStringList{QStringLiteral("2")});
    store->setValue(QStringLiteral("Player1"), QByteArray("Ann"));
    EXPECT_EQ(ReadRegistryText(*store, QStringLiteral("NumberOfDice")), QString());
    EXPECT_EQ(ReadRegistryText(*store, QStringLiteral("NumberOfPlayers")), QString());
    EXPECT_EQ(ReadRegistryText(*store, QStringLiteral("Player1")), QString());
    EXPECT_EQ(ReadRegistryText(*store, QStringLiteral("Missing")), QString());
    WriteRegistryText(*store, QStringLiteral("Player2"), QString::fromUtf8("Bo\0b", 4));
    EXPECT_EQ(ReadRegistryText(*store, QStringLiteral("Player2")), QStringLiteral("Bo"));

    // Present, so not a first run; the unreadable count takes its default.
    const Settings s = LoadSettings(*store);
    EXPECT_EQ(s.NumberOfDice, 5);
    EXPECT_EQ(s.Player1, "          ");
    EXPECT_EQ(s.Player2, "Bo        ");
}

TEST_F(SettingsStore, NamesAreTenCharacters) {
    struct Case {
        QString stored;
        std::string loaded;
    };
    const Case cases[] = {
        {QStringLiteral("Maximilian12"), "Maximilian"},
        {QStringLiteral("Ann"), "Ann       "},
        {QStringLiteral("Jürgen Ääö"), "Jürgen Ääö"},
        {QStringLiteral("Jürgen Äält"), "Jürgen Ääl"},
        {QStringLiteral("Smith, Jo"), "Smith, Jo "},
    };
    for (const Case& c : cases) {
        store->clear();
        put("NumberOfDice", QStringLiteral("4"));
        put("Player1", c.stored);
        put("Player2", c.stored);
        const Settings s = LoadSettings(*store);
        EXPECT_EQ(s.Player1, c.loaded);
        EXPECT_EQ(s.Player2, c.loaded);
        // Saved back as exactly those characters and read back identically.
        SaveSettings(*store, s);
        EXPECT_EQ(ReadRegistryText(*store, QStringLiteral("Player1")),
                  QString::fromStdString(c.loaded));
        EXPECT_EQ(LoadSettings(*store), s);
    }
}

TEST_F(SettingsStore, SaveWritesTheseTexts) {
    Settings s;
    s.NumberOfDice = 4;
    s.NumberOfPlayers = 2;
    s.NumberOfColumns = 1;
    s.Player1 = "Ann";                 // padded on the way out
    s.Player2 = "Bartholomew the 2nd"; // cut on the way out
    s.hintAllways = true;
    s.SoundOnExit = false;
    SaveSettings(*store, s);
    const std::pair<const char*, const char*> expected[] = {
        {"NumberOfDice", "4"},     {"NumberOfPlayers", "2"},  {"NumberOfColumns", "1"},
        {"Player1", "Ann       "}, {"Player2", "Bartholome"}, {"SoundEnabled", "True"},
        {"hintAllways", "True"},   {"ShowDialog", "True"},    {"ShowSplash", "False"},
        {"ShowStatusBar", "True"}, {"ConfirmOnExit", "True"}, {"ConfirmQuitGame", "True"},
        {"SoundOnExit", "False"},  {"ShowGridLines", "True"},
    };
    EXPECT_EQ(store->allKeys().size(), 14);
    for (const auto& [name, text] : expected) {
        const QVariant v = store->value(QLatin1String(name));
        EXPECT_EQ(v.typeId(), QMetaType::QString) << name;
        EXPECT_EQ(v.toString(), QString::fromUtf8(text)) << name;
    }
}

TEST_F(SettingsStore, RoundTripThroughTheUserStore) {
    Settings s;
    s.NumberOfDice = 4;
    s.NumberOfColumns = 1;
    s.Player1 = "Zoë       ";
    s.ShowDialog = false;
    s.ShowSplash = true;
    SaveSettings(*store, s);
    EXPECT_EQ(LoadSettings(*store), s);

    // The overloads without a store use the same place.
    s.NumberOfPlayers = 2;
    SaveSettings(s);
    EXPECT_EQ(LoadSettings(), s);
    store->sync();
    EXPECT_EQ(LoadSettings(*store), s);
}

TEST(LeadingNumber, SignsAndLimits) {
    const std::pair<QString, int32_t> cases[] = {
        {QStringLiteral("\t-12abc"), -12},
        {QStringLiteral("- 3"), 0},
        {QStringLiteral("99999999999999"), INT32_MAX},
        {QStringLiteral("-99999999999999"), INT32_MIN},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(LeadingNumber(text), value) << text.toStdString();
    }
}

} // namespace
} // namespace rollwell
