#include "storage/settingsstore.h"

#include "storage/filefailure.h"
#include "storage/windows1252.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>

namespace rollwell {
namespace {

constexpr int kNameWidth = 10;

const QString kOrganisation = QStringLiteral("Rollwell");
const QString kApplication = QStringLiteral("Rollwell2");

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// "True"/"False" in any case, or a number (non-zero is true); anything else
// cannot be read.
std::optional<bool> ParseBoolean(const QString& raw) {
    const QString text = raw.trimmed();
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!number.match(text).hasMatch()) return std::nullopt;
    for (const QChar c : text) {
        if (c.isDigit() && c != QLatin1Char('0')) return true;
    }
    return false;
}

std::string NameFromText(const QString& text) {
    return FitToWidth(text, kNameWidth).toStdString();
}

QString TextFromName(const std::string& name) {
    return FitToWidth(QString::fromStdString(name), kNameWidth);
}

// A number the board and the scorers cannot play with (a third player, seven
// dice, two columns) would break the game, so it counts as unreadable.
int32_t ReadChoice(QSettings& store, const QString& name, std::initializer_list<int32_t> allowed,
                   int32_t fallback) {
    const int32_t value = LeadingNumber(ReadRegistryText(store, name));
    for (const int32_t a : allowed) {
        if (a == value) return value;
    }
    return fallback;
}

bool ReadBoolean(QSettings& store, const QString& name, bool fallback) {
    return ParseBoolean(ReadRegistryText(store, name)).value_or(fallback);
}

QString BooleanText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

struct BooleanField {
    const char* name;
    bool Settings::*member;
};

constexpr std::array<BooleanField, 10> kBooleans = {{
    {"SoundEnabled", &Settings::SoundEnabled},
    {"hintAllways", &Settings::hintAllways},
    {"ShowDialog", &Settings::ShowDialog},
    {"ShowSplash", &Settings::ShowSplash},
    {"ShowStatusBar", &Settings::ShowStatusBar},
    {"ConfirmOnExit", &Settings::ConfirmOnExit},
    {"ConfirmQuitGame", &Settings::ConfirmQuitGame},
    {"SoundOnExit", &Settings::SoundOnExit},
    {"ShowGridLines", &Settings::ShowGridLines},
    {"Player2Computer", &Settings::Player2Computer},
}};

} // namespace

int32_t LeadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') break;
        magnitude = std::min(magnitude * 10 + (c - u'0'), kLimit);
    }
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

QString ReadRegistryText(QSettings& store, const QString& name) {
    const QVariant value = store.value(name);
    if (value.typeId() != QMetaType::QString) return {};
    QString text = value.toString();
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) text.truncate(nul);
    return text;
}

void WriteRegistryText(QSettings& store, const QString& name, const QString& text) {
    store.setValue(name, text);
}

Settings LoadSettings(QSettings& store) {
    Settings s;
    if (!store.contains(QStringLiteral("NumberOfDice"))) return s; // first run
    s.NumberOfDice = ReadChoice(store, QStringLiteral("NumberOfDice"), {4, 5}, s.NumberOfDice);
    s.NumberOfPlayers =
        ReadChoice(store, QStringLiteral("NumberOfPlayers"), {1, 2}, s.NumberOfPlayers);
    s.NumberOfColumns =
        ReadChoice(store, QStringLiteral("NumberOfColumns"), {1, 4}, s.NumberOfColumns);
    s.ComputerStrength =
        ReadChoice(store, QStringLiteral("ComputerStrength"), {1, 2, 3}, s.ComputerStrength);
    s.BoardSize =
        ReadChoice(store, QStringLiteral("BoardSize"),
                   {kBoardSizes[0], kBoardSizes[1], kBoardSizes[2], kBoardSizes[3], kBoardSizes[4]},
                   s.BoardSize);
    s.Player1 = NameFromText(ReadRegistryText(store, QStringLiteral("Player1")));
    s.Player2 = NameFromText(ReadRegistryText(store, QStringLiteral("Player2")));
    for (const BooleanField& field : kBooleans) {
        s.*field.member = ReadBoolean(store, QLatin1String(field.name), s.*field.member);
    }
    return s;
}

Settings LoadSettings() {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    return LoadSettings(store);
}

bool SaveSettings(QSettings& store, const Settings& s) {
    WriteRegistryText(store, QStringLiteral("NumberOfDice"), QString::number(s.NumberOfDice));
    WriteRegistryText(store, QStringLiteral("NumberOfPlayers"), QString::number(s.NumberOfPlayers));
    WriteRegistryText(store, QStringLiteral("NumberOfColumns"), QString::number(s.NumberOfColumns));
    WriteRegistryText(store, QStringLiteral("ComputerStrength"),
                      QString::number(s.ComputerStrength));
    WriteRegistryText(store, QStringLiteral("BoardSize"), QString::number(s.BoardSize));
    WriteRegistryText(store, QStringLiteral("Player1"), TextFromName(s.Player1));
    WriteRegistryText(store, QStringLiteral("Player2"), TextFromName(s.Player2));
    for (const BooleanField& field : kBooleans) {
        WriteRegistryText(store, QLatin1String(field.name), BooleanText(s.*field.member));
    }
    // The store writes its file through a save file of its own: a failure
    // leaves the old file and shows in the status.
    store.sync();
    return store.status() == QSettings::NoError;
}

bool SaveSettings(const Settings& settings) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    return SaveSettings(store, settings);
}

QString SaveFailureText(const QSettings& store) {
    return FailureText(WriteFailureAt(store.fileName()), "Cannot save ", store.fileName());
}

} // namespace rollwell
