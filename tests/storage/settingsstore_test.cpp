#include "storage/settingsstore.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <memory>

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

TEST_F(SettingsStore, NumbersAndBooleansThatCanBeRead) {
    struct Case {
        const char* name;
        QString text;
        int32_t Settings::*number;
        int32_t expected;
    };
    const Case cases[] = {
        {"NumberOfDice", QStringLiteral("4"), &Settings::NumberOfDice, 4},
        {"NumberOfDice", QStringLiteral("5"), &Settings::NumberOfDice, 5},
        {"NumberOfDice", QStringLiteral("  4 dice"), &Settings::NumberOfDice, 4},
        {"NumberOfDice", QStringLiteral("+4"), &Settings::NumberOfDice, 4},
        {"NumberOfPlayers", QStringLiteral("2"), &Settings::NumberOfPlayers, 2},
        {"NumberOfColumns", QStringLiteral("1"), &Settings::NumberOfColumns, 1},
    };
    for (const Case& c : cases) {
        store->clear();
        put("NumberOfDice", QStringLiteral("5"));
        put(c.name, c.text);
        EXPECT_EQ(LoadSettings(*store).*c.number, c.expected)
            << c.name << " = '" << c.text.toStdString() << "'";
    }

    const std::pair<QString, bool> booleans[] = {
        {QStringLiteral("True"), true}, {QStringLiteral("FALSE"), false},
        {QStringLiteral("true"), true}, {QStringLiteral("0"), false},
        {QStringLiteral("-1"), true},   {QStringLiteral(" 1 "), true},
        {QStringLiteral("0.0"), false}, {QStringLiteral("2.5"), true},
    };
    for (const auto& [text, expected] : booleans) {
        store->clear();
        put("NumberOfDice", QStringLiteral("5"));
        put("ShowSplash", text);    // default false
        put("ShowGridLines", text); // default true
        const Settings s = LoadSettings(*store);
        EXPECT_EQ(s.ShowSplash, expected) << text.toStdString();
        EXPECT_EQ(s.ShowGridLines, expected) << text.toStdString();
    }
}

TEST_F(SettingsStore, GarbageInEveryValueTakesTheDefaults) {
    const char* names[] = {"NumberOfPlayers", "NumberOfColumns", "SoundEnabled",  "hintAllways",
                           "ShowDialog",      "ShowSplash",      "ShowStatusBar", "ConfirmOnExit",
                           "ConfirmQuitGame", "SoundOnExit",     "ShowGridLines"};
    const QString garbage[] = {QStringLiteral("abc"), QString(),
                               QStringLiteral("7"),   QStringLiteral(" 2x"),
                               QStringLiteral("-1"),  QStringLiteral("maybe"),
                               QStringLiteral("3"),   QStringLiteral("99999999999999")};
    for (const QString& text : garbage) {
        store->clear();
        put("NumberOfDice", text);
        for (const char* name : names)
            put(name, text);
        const Settings s = LoadSettings(*store);
        const std::string t = text.toStdString();
        const Settings d;
        if (text != QStringLiteral(" 2x")) {
            EXPECT_EQ(s.NumberOfPlayers, d.NumberOfPlayers) << t;
        }
        EXPECT_EQ(s.NumberOfDice, d.NumberOfDice) << t;
        EXPECT_EQ(s.NumberOfColumns, d.NumberOfColumns) << t;
        // Numbers among the garbage are readable Booleans; the rest take defaults.
        const bool numeric = text == QStringLiteral("7") || text == QStringLiteral("-1") ||
                             text == QStringLiteral("3") || text.startsWith(QLatin1Char('9'));
        EXPECT_EQ(s.hintAllways, numeric ? true : d.hintAllways) << t;
        EXPECT_EQ(s.ShowSplash, numeric ? true : d.ShowSplash) << t;
        EXPECT_EQ(s.SoundEnabled, numeric ? true : d.SoundEnabled) << t;
    }
    // " 2x" starts with a readable player count.
    store->clear();
    put("NumberOfDice", QStringLiteral("5"));
    put("NumberOfPlayers", QStringLiteral(" 2x"));
    EXPECT_EQ(LoadSettings(*store).NumberOfPlayers, 2);
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

TEST(LeadingNumber, TakesTheNumberAtTheStart) {
    const std::pair<QString, int32_t> cases[] = {
        {QStringLiteral("4"), 4},
        {QStringLiteral("  12abc"), 12},
        {QStringLiteral("-1"), -1},
        {QStringLiteral("\t+7"), 7},
        {QStringLiteral(""), 0},
        {QStringLiteral("abc"), 0},
        {QStringLiteral("- 3"), 0},
        {QStringLiteral("4.9"), 4},
        {QStringLiteral("99999999999999"), 2147483647},
        {QStringLiteral("-99999999999999"), -2147483647 - 1},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(LeadingNumber(text), value) << text.toStdString();
    }
}

} // namespace
} // namespace rollwell
