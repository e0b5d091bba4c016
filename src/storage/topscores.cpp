#include "storage/topscores.h"

#include "storage/filefailure.h"
#include "storage/scoresfolder.h"
#include "storage/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace rollwell {
namespace {

constexpr int kScoreOffset = 10;
constexpr int kDateOffset = 14;
constexpr int kTrailerOffset = kTablePositions * kRecordSize;
static_assert(kTrailerOffset + 4 == kTableFileSize);
constexpr int32_t kTrailerValue = 1;

// A failure's title and text: the number, the description, what could not be
// done and the file, run together.
struct FailureMessage {
    QString title;
    QString text;
};

FailureMessage Describe(const char* title, Failure failure, const char* what, const QString& path) {
    return {QString::fromLatin1(title), FailureText(failure, what, path)};
}

FailureMessage CannotOpen(Failure failure, const QString& path) {
    return Describe("Open scores", failure, "Cannot open ", path);
}

// Every failure ends the insertion with rank -1 and a message: the table could
// not be opened ("Open scores") or the updated table could not be saved
// ("Save scores"). The old table is left as it was in both cases.
InsertResult FailedInsert(const FailureMessage& message) {
    InsertResult result;
    result.errorTitle = message.title;
    result.errorText = message.text;
    return result;
}

// Why a table could not be opened for reading: it has gone, something else
// stands in its place, or the player may not read it.
Failure ReadFailure(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return kFileNotFound;
    if (!info.isFile()) return kPathAccessError;
    return kPermissionDenied;
}

Failure WriteFailure(const QFileDevice& file) {
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return kDiskFull;
    case QFileDevice::WriteError:
        return kDeviceIoError;
    case QFileDevice::NoError:
        return kDiskFull; // a write cut short without a reason: no room left
    default:
        return kPathAccessError;
    }
}

void SetHidden([[maybe_unused]] const QString& path, [[maybe_unused]] bool hidden) {
#ifdef Q_OS_WIN
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    DWORD attributes = GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    attributes = hidden ? (attributes | FILE_ATTRIBUTE_HIDDEN)
                        : (attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    SetFileAttributesW(native.c_str(), attributes);
#endif
}

ScoreRecord FillerRecord() {
    const QString empty = QChar(u'\0') + QString(kFieldWidth - 1, QLatin1Char(' '));
    return {empty, kFillerScore, empty};
}

void AppendRecord(QByteArray& bytes, const ScoreRecord& record) {
    bytes.append(EncodeWindows1252(FitToWidth(record.name, kFieldWidth)));
    char score[4];
    qToLittleEndian<int32_t>(record.score, score);
    bytes.append(score, 4);
    bytes.append(EncodeWindows1252(FitToWidth(record.date, kFieldWidth)));
}

// A stored name or date as shown: a field that starts with NUL is empty (the
// filler), a later NUL shows as a blank so the field keeps its ten characters.
QString ShownField(const QString& field) {
    if (field.isEmpty() || field.front() == QChar(u'\0')) return {};
    QString shown = field;
    shown.replace(QChar(u'\0'), QLatin1Char(' '));
    return shown;
}

struct TableHead {
    QByteArray bytes; // at most the first 484 bytes
    qint64 length = 0;
};

// Reads no more than a whole table's worth, however long the file.
std::optional<TableHead> ReadHead(QFile& file) {
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    TableHead head;
    head.length = file.size();
    head.bytes = file.read(kTableFileSize);
    const bool failed = file.error() != QFileDevice::NoError;
    file.close();
    if (failed) return std::nullopt;
    return head;
}

} // namespace

QString TableFilePath(const QString& folder, int tableNumber) {
    return QDir(folder).filePath(QStringLiteral("scores/scores%1.dat").arg(tableNumber));
}

QString TableFilePath(int tableNumber) {
    return TableFilePath(ScoresFolder(), tableNumber);
}

QList<ScoreRecord> ParseRecords(const QByteArray& head) {
    const qsizetype count = std::min<qsizetype>(head.size() / kRecordSize, kTablePositions);
    QList<ScoreRecord> records;
    records.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const char* at = head.constData() + i * kRecordSize;
        ScoreRecord record;
        record.name = DecodeWindows1252(QByteArray(at, kFieldWidth));
        record.score = qFromLittleEndian<int32_t>(at + kScoreOffset);
        record.date = DecodeWindows1252(QByteArray(at + kDateOffset, kFieldWidth));
        records.append(record);
    }
    return records;
}

QByteArray TableBytes(const QList<ScoreRecord>& records) {
    QByteArray bytes;
    bytes.reserve(kTableFileSize);
    const ScoreRecord filler = FillerRecord();
    for (int i = 0; i < kTablePositions; ++i) {
        AppendRecord(bytes, i < records.size() ? records[i] : filler);
    }
    char trailer[4];
    qToLittleEndian<int32_t>(kTrailerValue, trailer);
    bytes.append(trailer, 4);
    return bytes;
}

InsertResult InsertScore(const QString& filePath, const ScoreRecord& record) {
    const QFileInfo info(filePath);
    if (!QDir().mkpath(info.absolutePath())) {
        return FailedInsert(CannotOpen(WriteFailureAt(filePath), filePath));
    }

    TableHead head;
    QFile existing(filePath);
    if (existing.exists()) {
        std::optional<TableHead> read = ReadHead(existing);
        // An unreadable table is never overwritten: its entries would be lost.
        if (!read) return FailedInsert(CannotOpen(ReadFailure(filePath), filePath));
        head = *read;
    }

    const ScoreRecord entry{FitToWidth(record.name, kFieldWidth), record.score,
                            FitToWidth(record.date, kFieldWidth)};
    QList<ScoreRecord> records = ParseRecords(head.bytes);
    const auto count = static_cast<int>(records.size());
    InsertResult result;
    for (int i = 0; i < count; ++i) {
        if (entry.score > records[i].score) {
            records.insert(i, entry);
            if (records.size() > kTablePositions) records.removeLast();
            result.rank = i + 1;
            break;
        }
    }
    if (result.rank < 0 && count < kTablePositions) {
        records.append(entry);
        result.rank = count + 1;
    }
    result.placed = result.rank > 0;

    const QByteArray bytes = TableBytes(records);
    if (head.length == kTableFileSize && head.bytes == bytes) {
        SetHidden(filePath, true); // nothing changed: the table stays as it is
        return result;
    }

    SetHidden(filePath, false); // a hidden file cannot be replaced on Windows
    // Unbuffered, a write that falls short (a full disk, a file-size limit)
    // shows at once; a buffered one is only found when committing, and then
    // not reliably. Any shortfall cancels the save: the old table stays.
    QSaveFile out(filePath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        SetHidden(filePath, true);
        return FailedInsert(CannotOpen(WriteFailureAt(filePath), filePath));
    }
    if (out.write(bytes) != bytes.size() || !out.commit()) {
        const Failure failure = WriteFailure(out);
        out.cancelWriting();
        SetHidden(filePath, true);
        return FailedInsert(Describe("Save scores", failure, "Cannot save ", filePath));
    }
    SetHidden(filePath, true);
    return result;
}

TableRows ReadTableRows(const QString& filePath) {
    TableRows table;
    std::array<DisplayRow, kTablePositions>& rows = table.rows;
    for (int i = 0; i < kTablePositions; ++i) {
        rows[i].key = QChar(u'a' + i);
        rows[i].position = QLatin1Char(' ') + QString::number(i + 1);
    }
    QFile file(filePath);
    if (!file.exists()) return table;
    const std::optional<TableHead> head = ReadHead(file);
    if (!head) {
        const FailureMessage message = CannotOpen(ReadFailure(filePath), filePath);
        table.errorTitle = message.title;
        table.errorText = message.text;
        return table;
    }
    const QList<ScoreRecord> records = ParseRecords(head->bytes);
    for (int i = 0; i < records.size(); ++i) {
        const ScoreRecord& record = records[i];
        rows[i].name = ShownField(record.name);
        rows[i].score = record.score == kFillerScore ? QString() : QString::number(record.score);
        rows[i].date = ShownField(record.date);
    }
    return table;
}

ClearResult ClearTable(const QString& filePath) {
    ClearResult result;
    QFile file(filePath);
    if (!file.exists()) return result;
    SetHidden(filePath, false); // a hidden file cannot be deleted on Windows
    result.cleared = file.remove();
    if (!result.cleared) {
        SetHidden(filePath, true);
        const FailureMessage message =
            Describe("Clear scores", WriteFailureAt(filePath), "Cannot delete ", filePath);
        result.errorTitle = message.title;
        result.errorText = message.text;
    }
    return result;
}

bool TableExists(const QString& filePath) {
    return QFileInfo(filePath).isFile();
}

} // namespace rollwell
