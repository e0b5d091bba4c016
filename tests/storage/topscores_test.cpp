#include "storage/topscores.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <random>

namespace rollwell {
namespace {

// Table bytes built by hand, independently of the code under test.
QByteArray Int32Bytes(int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    QByteArray b;
    for (int shift = 0; shift < 32; shift += 8)
        b.append(static_cast<char>((u >> shift) & 0xFF));
    return b;
}

QByteArray Field(const QByteArray& text) {
    QByteArray f = text.left(10);
    while (f.size() < 10)
        f.append(' ');
    return f;
}

QByteArray Rec(const QByteArray& name, int32_t score, const QByteArray& date) {
    return Field(name) + Int32Bytes(score) + Field(date);
}

QByteArray Filler() {
    const QByteArray empty = QByteArray(1, '\0') + QByteArray(9, ' ');
    return empty + Int32Bytes(-9999) + empty;
}

const QByteArray kTrailer = Int32Bytes(1);

// A well-formed table: the given records, fillers, the trailer.
QByteArray Table(const QList<QByteArray>& records) {
    QByteArray t;
    for (const QByteArray& r : records)
        t += r;
    while (t.size() < 480)
        t += Filler();
    return t + kTrailer;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The complete 24-byte records among the first 20 of a file.
QList<QByteArray> RawRecords(const QByteArray& bytes) {
    QList<QByteArray> records;
    for (qsizetype i = 0; i < 20 && (i + 1) * 24 <= bytes.size(); ++i) {
        records.append(bytes.mid(i * 24, 24));
    }
    return records;
}

ScoreRecord Entry(const char* name, int32_t score, const char* date = "05.03.2024") {
    return {QString::fromUtf8(name), score, QString::fromUtf8(date)};
}

class TopScores : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = TableFilePath(dir.path(), 1);
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(TopScores, FirstResultCreatesTheWholeTable) {
    ASSERT_FALSE(TableExists(path));
    const InsertResult r = InsertScore(path, Entry("Ann", 120));
    EXPECT_EQ(r.rank, 1);
    EXPECT_TRUE(r.placed);
    EXPECT_FALSE(r.errorTitle.has_value());
    const QByteArray bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 484);
    EXPECT_EQ(bytes, Table({Rec("Ann", 120, "05.03.2024")}));
    EXPECT_TRUE(TableExists(path));
}

TEST_F(TopScores, RankInATableWithFillers) {
    const QList<QByteArray> held = {Rec("A", 100, "d1"), Rec("B", 80, "d2"), Rec("C", 80, "d3"),
                                    Rec("D", 50, "d4")};
    struct Case {
        int32_t score;
        int rank;
    };
    const Case cases[] = {{101, 1},    {100, 2},        {81, 2},       {80, 4},
                          {79, 4},     {50, 5},         {0, 5},        {-9998, 5},
                          {-9999, -1}, {INT32_MIN, -1}, {INT32_MAX, 1}};
    for (const Case& c : cases) {
        WriteAll(path, Table(held));
        const InsertResult r = InsertScore(path, Entry("New", c.score, "today"));
        EXPECT_EQ(r.rank, c.rank) << c.score;
        EXPECT_EQ(r.placed, c.rank > 0) << c.score;
        QList<QByteArray> expected = held;
        if (c.rank > 0) expected.insert(c.rank - 1, Rec("New", c.score, "today"));
        EXPECT_EQ(ReadAll(path), Table(expected)) << c.score;
    }
}

TEST_F(TopScores, FullTable) {
    QList<QByteArray> full;
    for (int i = 0; i < 20; ++i) {
        full.append(Rec("P" + QByteArray::number(i + 1), 400 - 10 * i, "01.01.2000"));
    }
    const QByteArray before = Table(full); // position 20 holds 210
    for (const int32_t score : {210, 209, 0}) {
        WriteAll(path, before);
        const InsertResult r = InsertScore(path, Entry("Late", score));
        EXPECT_EQ(r.rank, -1);
        EXPECT_FALSE(r.placed);
        EXPECT_FALSE(r.errorText.has_value());
        EXPECT_EQ(ReadAll(path), before) << score;
    }

    WriteAll(path, before);
    const InsertResult top = InsertScore(path, Entry("Best", 999));
    EXPECT_EQ(top.rank, 1);
    QList<QByteArray> moved = full.mid(0, 19);
    moved.prepend(Rec("Best", 999, "05.03.2024"));
    EXPECT_EQ(ReadAll(path), Table(moved));
}

TEST_F(TopScores, NameAndDateAreFittedAndEncoded) {
    InsertScore(path, {QStringLiteral("Jürgen € 名 and more"), 7, QStringLiteral("1.2.24")});
    const QByteArray bytes = ReadAll(path);
    EXPECT_EQ(bytes.left(24), Rec("J\xFCrgen \x80 ?", 7, "1.2.24"));
    const auto rows = ReadTableRows(path);
    EXPECT_EQ(rows[0].name, QStringLiteral("Jürgen € ?"));
    EXPECT_EQ(rows[0].date, QStringLiteral("1.2.24    "));
}

TEST_F(TopScores, EntryCountRoundsHalfToEven) {
    const std::pair<qint64, qint64> cases[] = {{0, 0},    {11, 0},   {12, 0},   {13, 1},
                                               {24, 1},   {36, 2},   {60, 2},   {84, 4},
                                               {479, 20}, {484, 20}, {491, 20}, {500, 21}};
    for (const auto& [length, count] : cases)
        EXPECT_EQ(StoredEntryCount(length), count) << length;
}

TEST_F(TopScores, DisplayRows) {
    auto rows = ReadTableRows(path); // no file yet
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(rows[i].key, QString(QChar('a' + i)));
        EXPECT_EQ(rows[i].position, " " + QString::number(i + 1));
        EXPECT_TRUE(rows[i].name.isEmpty() && rows[i].score.isEmpty() && rows[i].date.isEmpty());
    }
    EXPECT_EQ(rows[19].key, QStringLiteral("t"));
    EXPECT_EQ(rows[19].position, QStringLiteral(" 20"));

    WriteAll(path, Table({Rec("Ann", 120, "05.03.2024"), Rec("Bo", 0, "06.03.2024")}));
    rows = ReadTableRows(path);
    EXPECT_EQ(rows[0], (DisplayRow{"a", " 1", "Ann       ", "120", "05.03.2024"}));
    EXPECT_EQ(rows[1], (DisplayRow{"b", " 2", "Bo        ", "0", "06.03.2024"}));
    EXPECT_EQ(rows[2], (DisplayRow{"c", " 3", "", "", ""})); // filler

    // A short file: two records and half of a third.
    WriteAll(path, Rec("Ann", 120, "x") + Rec("Bo", 90, "y") + Rec("Cy", 80, "z").left(12));
    rows = ReadTableRows(path);
    EXPECT_EQ(rows[1].score, QStringLiteral("90"));
    EXPECT_EQ(rows[2], (DisplayRow{"c", " 3", "", "", ""}));
}

TEST_F(TopScores, ExtremeScoresAndOddBytes) {
    const QByteArray nulInside = QByteArray("Al\0x", 4);
    WriteAll(path, Table({Rec(nulInside, INT32_MAX, "\xFF\x81\x9D"), Rec("\x80\x9F", INT32_MIN, ""),
                          Rec(QByteArray(1, '\0') + "gone", 5, "")}));
    const auto rows = ReadTableRows(path);
    EXPECT_EQ(rows[0].name, QStringLiteral("Al x      "));
    EXPECT_EQ(rows[0].score, QStringLiteral("2147483647"));
    EXPECT_EQ(rows[0].date, QString(QChar(0xFF)) + QChar(0x81) + QChar(0x9D) + QString(7, ' '));
    EXPECT_EQ(rows[1].name, QStringLiteral("€Ÿ        "));
    EXPECT_EQ(rows[1].score, QStringLiteral("-2147483648"));
    EXPECT_EQ(rows[2].name, QString()); // starts with NUL
    EXPECT_EQ(rows[2].score, QStringLiteral("5"));

    const QByteArray before = ReadAll(path);
    EXPECT_EQ(InsertScore(path, Entry("Max", INT32_MAX)).rank, 2);
    const QByteArray after = ReadAll(path);
    ASSERT_EQ(after.size(), 484);
    EXPECT_EQ(after.left(24), before.left(24)); // odd bytes kept exactly
    EXPECT_EQ(after.mid(48, 48), before.mid(24, 48));
}

// Whatever a file holds, reading stays inside it and inserting leaves a
// well-formed table that keeps the records the file held, in their order.
void CheckInsertKeepsRecords(const QString& path, const QByteArray& original) {
    (void)ReadTableRows(path);
    const InsertResult r = InsertScore(path, Entry("New", 555));
    ASSERT_FALSE(r.errorText.has_value()) << r.errorText->toStdString();
    const QByteArray after = ReadAll(path);
    ASSERT_EQ(after.size(), 484);
    EXPECT_EQ(after.right(4), kTrailer);

    const QList<QByteArray> held = RawRecords(original);
    QList<QByteArray> kept = RawRecords(after);
    if (r.placed) {
        ASSERT_GE(r.rank, 1);
        EXPECT_EQ(kept[r.rank - 1], Rec("New", 555, "05.03.2024"));
        kept.removeAt(r.rank - 1);
    } else {
        EXPECT_EQ(held.size(), 20);
    }
    const qsizetype survivors = std::min<qsizetype>(held.size(), kept.size());
    EXPECT_EQ(kept.mid(0, survivors), held.mid(0, survivors));
    for (qsizetype i = held.size(); i < kept.size(); ++i)
        EXPECT_EQ(kept[i], Filler()) << i;
}

TEST_F(TopScores, TruncatedOversizedAndGarbageFiles) {
    std::mt19937 random(20240305);
    auto noise = [&random](qsizetype n) {
        QByteArray b(n, '\0');
        for (char& c : b)
            c = static_cast<char>(random() & 0xFF);
        return b;
    };
    QByteArray records;
    for (int i = 0; i < 20; ++i)
        records += Rec("R" + QByteArray::number(i), 900 - i, "d");
    const qsizetype lengths[] = {0, 1, 12, 23, 24, 36, 60, 479, 483, 484, 485, 491, 600};
    for (const qsizetype length : lengths) {
        SCOPED_TRACE(length);
        const QByteArray ordered = (records + kTrailer + noise(200)).left(length);
        WriteAll(path, ordered);
        CheckInsertKeepsRecords(path, ordered);
        const QByteArray garbage = noise(length);
        WriteAll(path, garbage);
        CheckInsertKeepsRecords(path, garbage);
    }

    SCOPED_TRACE("10 MB");
    const QByteArray huge = records + kTrailer + noise(10 * 1024 * 1024);
    WriteAll(path, huge);
    const auto rows = ReadTableRows(path);
    EXPECT_EQ(rows[19].name, QStringLiteral("R19       "));
    CheckInsertKeepsRecords(path, huge);
}

TEST_F(TopScores, FolderThatCannotBeCreatedIsReported) {
    const QString blocker = dir.filePath(QStringLiteral("plain-file"));
    WriteAll(blocker, "not a folder");
    const QString bad = TableFilePath(blocker, 2);
    const InsertResult r = InsertScore(bad, Entry("Ann", 120));
    EXPECT_EQ(r.rank, -1);
    EXPECT_FALSE(r.placed);
    EXPECT_EQ(r.errorTitle, QStringLiteral("Open scores"));
    EXPECT_EQ(r.errorText, "53File not foundCannot open " + QDir::toNativeSeparators(bad));
    EXPECT_EQ(ReadAll(blocker), QByteArray("not a folder"));
    EXPECT_EQ(ReadTableRows(bad)[0].name, QString());
}

TEST_F(TopScores, TableThatIsAFolderIsReportedAndKept) {
    ASSERT_TRUE(QDir().mkpath(path));
    const InsertResult r = InsertScore(path, Entry("Ann", 120));
    EXPECT_EQ(r.rank, -1);
    EXPECT_FALSE(r.placed);
    EXPECT_TRUE(r.errorTitle.has_value());
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_FALSE(TableExists(path));
}

// Inserts into a table whose folder the inserting user cannot write. Root can
// write anywhere, so as root the insertion runs in a child that has dropped to
// the unprivileged user "nobody".
TEST_F(TopScores, ReadOnlyFolderIsReported) {
    const QString folder = dir.filePath(QStringLiteral("locked"));
    const QString file = TableFilePath(folder, 1);
    WriteAll(file, Table({Rec("Ann", 120, "x")}));
    const QString scores = QFileInfo(file).absolutePath();
    const auto readExec = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readExec | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(folder, readExec | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(scores, readExec));
    struct Restore {
        QString folder;
        ~Restore() {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    } restore{scores};
    const QByteArray before = ReadAll(file);

    auto insertIsRefused = [&] {
        const InsertResult r = InsertScore(file, Entry("Bo", 999));
        return r.rank == -1 && !r.placed && r.errorText.has_value();
    };
    if (geteuid() != 0) {
        EXPECT_TRUE(insertIsRefused());
    } else {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
            _exit(dropped && insertIsRefused() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(ReadAll(file), before);
}

TEST_F(TopScores, ClearTable) {
    EXPECT_FALSE(ClearTable(path));
    InsertScore(path, Entry("Ann", 1));
    EXPECT_TRUE(ClearTable(path));
    EXPECT_FALSE(TableExists(path));
    EXPECT_FALSE(ClearTable(path));
}

TEST(TopScoreTables, NumbersAndPaths) {
    EXPECT_EQ(TableNumber(4, 5), 1);
    EXPECT_EQ(TableNumber(4, 4), 2);
    EXPECT_EQ(TableNumber(1, 5), 3);
    EXPECT_EQ(TableNumber(1, 4), 4);
    EXPECT_EQ(TableFilePath(QStringLiteral("/games/rollwell"), 3),
              QStringLiteral("/games/rollwell/scores/scores3.dat"));
}

TEST(TopScoreTables, ScoresFolderFallsBackToUserData) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(program));
    EXPECT_EQ(ChooseScoresFolder(program), program);
    EXPECT_TRUE(QFileInfo(program + QStringLiteral("/scores")).isDir());
    EXPECT_EQ(QDir(program + QStringLiteral("/scores")).entryList(QDir::Files).size(), 0);

    const QString blocker = dir.filePath(QStringLiteral("file"));
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QString fallback = ChooseScoresFolder(blocker);
    EXPECT_NE(fallback, blocker);
    EXPECT_EQ(fallback, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    EXPECT_TRUE(QFileInfo(fallback).isDir());
}

} // namespace
} // namespace rollwell
