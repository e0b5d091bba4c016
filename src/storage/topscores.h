#pragma once

#include "game/settings.h" // TableNumber: which table a kind of game uses
#include "storage/scoresfolder.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace rollwell {

// One of the four top-score tables: 20 positions in descending score order,
// kept in <folder>/scores/scoresN.dat.
//
// File layout, little-endian: 20 records of 24 bytes (name 10 bytes, score
// int32 at offset 10, date 10 bytes at offset 14; name and date in
// Windows-1252, blank-padded), then the int32 1 at offset 480: 484 bytes.
// An empty position holds the filler record: name and date are a NUL byte and
// nine blanks, score -9999.

inline constexpr int kTablePositions = 20;
inline constexpr int kRecordSize = 24;
inline constexpr int kTableFileSize = kTablePositions * kRecordSize + 4; // 484
inline constexpr int32_t kFillerScore = -9999;
inline constexpr int kFieldWidth = 10;

struct ScoreRecord {
    QString name; // 10 characters, blank-padded
    int32_t score = 0;
    QString date; // 10 characters, blank-padded

    bool operator==(const ScoreRecord&) const = default;
};

// Table N (1..4) below a folder, and in this run's folder (ScoresFolder).
QString TableFilePath(const QString& folder, int tableNumber);
QString TableFilePath(int tableNumber);

// The outcome of an insertion. rank is the position the record took (1..20),
// or -1 when it did not make the table or the file could not be updated; a
// failure always carries a message for the caller to show.
struct InsertResult {
    int rank = -1;
    bool placed = false;
    std::optional<QString> errorTitle;
    std::optional<QString> errorText;
};

// Puts the record into the table at the first position whose score it beats;
// an equal score goes below the ones already there. The whole updated table is
// written at once, so a failure leaves the old table as it was. Name and date
// are cut or padded to 10 characters.
InsertResult InsertScore(const QString& filePath, const ScoreRecord& record);

// One row of the table as the window shows it.
struct DisplayRow {
    QString key;      // "a".."t"
    QString position; // " 1".." 20"
    QString name;
    QString score;
    QString date;

    bool operator==(const DisplayRow&) const = default;
};

// A table read for the window: its 20 rows, or the failure to show.
struct TableRows {
    std::array<DisplayRow, kTablePositions> rows;
    std::optional<QString> errorTitle; // set when the table exists but cannot be read
    std::optional<QString> errorText;
};
// A missing file: 20 filler rows, no error. A table that cannot be read shows
// the filler rows too, with the failure to report.
TableRows ReadTableRows(const QString& filePath);

struct ClearResult {
    bool cleared = false;              // the table existed and is gone
    std::optional<QString> errorTitle; // set when it exists but cannot be deleted
    std::optional<QString> errorText;
};
// Deletes the table. A missing table is no failure, and nothing is cleared.
ClearResult ClearTable(const QString& filePath);
bool TableExists(const QString& filePath);

// The records of a table file's first bytes: the complete records among them,
// at most 20. Reads nothing beyond the bytes given.
QList<ScoreRecord> ParseRecords(const QByteArray& head);

// The 484 bytes of a table holding these records (at most 20) then fillers.
QByteArray TableBytes(const QList<ScoreRecord>& records);

} // namespace rollwell
