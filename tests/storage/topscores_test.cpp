#include "storage/datafolder.h"
#include "storage/topscores.h"
#include "storage/windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "childprocess.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace rollwell {
namespace {

// Table bytes built by hand, independently of the code under test.
QByteArray Rec(const QByteArray& name, int32_t score, const QByteArray& date) {
    const int32_t le = qToLittleEndian(score);
    return name.leftJustified(10, ' ', true) + QByteArray(reinterpret_cast<const char*>(&le), 4) +
           date.leftJustified(10, ' ', true);
}

const QByteArray kFiller = Rec(QByteArray(1, '\0'), -9999, QByteArray(1, '\0'));
const QByteArray kTrailer("\x01\0\0\0", 4);

// A well-formed 484-byte table: the records, fillers, the trailer 1 at offset 480.
QByteArray Table(const QList<QByteArray>& records) {
    QByteArray t = records.join();
    while (t.size() < 480)
        t += kFiller;
    return t + kTrailer;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

ScoreRecord Entry(const char* name, int32_t score) {
    return {QString::fromUtf8(name), score, QStringLiteral("05.03.2024")};
}

// A result's error as "title: text".
template <typename Result> QString Report(const Result& r) {
    return r.errorTitle.value_or(QString()) + ": " + r.errorText.value_or(QString());
}

DisplayRow EmptyRow(int i) {
    return {QString(QChar('a' + i)), " " + QString::number(i + 1), {}, {}, {}};
}

class TopScores : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
    QString path = TableFilePath(dir.path(), 1);
};

TEST_F(TopScores, ResultsTakeTheirPlaces) {
    EXPECT_EQ(ReadTableRows(path).rows[19], EmptyRow(19)); // no file yet
    const InsertResult first = InsertScore(path, Entry("Jürgen € 名 and more", 120));
    EXPECT_TRUE(first.placed && first.rank == 1 && !first.errorTitle);
    const QByteArray jurgen = Rec("J\xFCrgen \x80 ?", 120, "05.03.2024");
    EXPECT_EQ(ReadAll(path), Table({jurgen}));
    const auto rows = ReadTableRows(path).rows;
    EXPECT_EQ(rows[0], (DisplayRow{"a", " 1", "Jürgen € ?", "120", "05.03.2024"}));
    EXPECT_EQ(rows[1], EmptyRow(1)); // a filler shows its position only

    // An equal score goes below the ones already there; -9999 never beats a filler.
    const std::pair<int32_t, int> next[] = {{120, 2}, {120, 3}, {121, 1}, {0, 5}, {-9999, -1}};
    QList<QByteArray> expected = {jurgen};
    for (const auto& [score, rank] : next) {
        const InsertResult r = InsertScore(path, Entry("Bo", score));
        EXPECT_TRUE(r.rank == rank && r.placed == (rank > 0) && !r.errorText) << score;
        if (rank > 0) expected.insert(rank - 1, Rec("Bo", score, "05.03.2024"));
        EXPECT_EQ(ReadAll(path), Table(expected)) << score;
    }
    EXPECT_EQ(ReadTableRows(path).rows[4].score, QStringLiteral("0"));

    // A full table: at or below position 20 changes nothing; a new best drops the last.
    for (int i = 5; i < 20; ++i)
        expected.append(Rec("P" + QByteArray::number(i), -i, "01.01.2000"));
    const QByteArray full = Table(expected);
    WriteAll(path, full);
    for (const int32_t score : {-19, -20}) {
        const InsertResult r = InsertScore(path, Entry("Late", score));
        EXPECT_TRUE(r.rank == -1 && !r.placed && !r.errorText) << score;
        EXPECT_EQ(ReadAll(path), full) << score;
    }
    EXPECT_EQ(InsertScore(path, Entry("Best", 999)).rank, 1);
    expected.prepend(Rec("Best", 999, "05.03.2024"));
    EXPECT_EQ(ReadAll(path), Table(expected.mid(0, 20)));

    EXPECT_TRUE(ClearTable(path).cleared && !TableExists(path));
    const ClearResult again = ClearTable(path); // a missing table is no failure
    EXPECT_FALSE(again.cleared || again.errorTitle || again.errorText);
}

// Whatever a file holds, reading stays inside it and inserting leaves a
// well-formed table that keeps the complete records among its first 20, in order.
TEST_F(TopScores, BadFiles) {
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
    const QByteArray odd = Table({Rec(QByteArray("Al\0x", 4), INT32_MAX, "\xFF\x81\x9D"),
                                  Rec("\x80\x9F", INT32_MIN, ""), Rec(QByteArray(1, '\0'), 5, "")});
    QList<QByteArray> files = {odd, records + kTrailer + noise(10 * 1024 * 1024)};
    for (const qsizetype length : {0, 1, 12, 36, 479, 483, 484, 485, 600})
        files << (records + kTrailer + noise(200)).left(length) << noise(length);

    for (const QByteArray& original : files) {
        SCOPED_TRACE(original.size());
        WriteAll(path, original);
        const TableRows read = ReadTableRows(path);
        EXPECT_FALSE(read.errorTitle || read.errorText);
        const auto& rows = read.rows;
        EXPECT_TRUE(!original.startsWith(records) || rows[19].name == QStringLiteral("R19       "));
        const InsertResult r = InsertScore(path, Entry("New", 555));
        ASSERT_FALSE(r.errorText.has_value()) << r.errorText->toStdString();
        const QByteArray after = ReadAll(path);
        ASSERT_EQ(after.size(), 484);
        EXPECT_EQ(after.right(4), kTrailer);
        QList<QByteArray> held, kept;
        for (int i = 0; i < 20; ++i) {
            kept.append(after.mid(i * 24, 24));
            if ((i + 1) * 24 <= original.size())
                held.append(original.mid(i * 24, 24));
            else
                EXPECT_EQ(rows[i], EmptyRow(i)); // beyond a short file
        }
        if (r.placed) {
            ASSERT_GE(r.rank, 1);
            EXPECT_EQ(kept.takeAt(r.rank - 1), Rec("New", 555, "05.03.2024"));
            held = held.mid(0, 19);
        }
        EXPECT_TRUE(r.placed || held.size() == 20);
        while (held.size() < kept.size())
            held.append(kFiller);
        EXPECT_EQ(kept, held);
    }
    WriteAll(path, odd);
    const auto rows = ReadTableRows(path).rows;
    EXPECT_EQ(rows[0],
              (DisplayRow{"a", " 1", "Al x      ", "2147483647",
                          QString(QChar(0xFF)) + QChar(0x81) + QChar(0x9D) + QString(7, ' ')}));
    EXPECT_EQ(rows[1], (DisplayRow{"b", " 2", "€Ÿ        ", "-2147483648", QString(10, ' ')}));
    EXPECT_EQ(rows[2].name, QString()); // starts with NUL
}

// A path that cannot hold a table: reading and clearing report it, as an
// insertion does, and nothing is lost.
TEST_F(TopScores, UnusablePlacesAreReported) {
    const QString blocker = dir.filePath(QStringLiteral("plain-file"));
    WriteAll(blocker, "not a folder");
    const QString bad = TableFilePath(blocker, 2);
    const InsertResult r = InsertScore(bad, Entry("Ann", 120));
    EXPECT_TRUE(r.rank == -1 && !r.placed);
    EXPECT_EQ(Report(r),
              "Open scores: 76Path not foundCannot open " + QDir::toNativeSeparators(bad));
    EXPECT_EQ(ReadAll(blocker), QByteArray("not a folder"));
    const TableRows missing = ReadTableRows(bad);
    EXPECT_TRUE(missing.rows[0] == EmptyRow(0) && !missing.errorText);

    // A folder where the table should be can be neither read nor deleted.
    ASSERT_TRUE(QDir().mkpath(path));
    const QString where = QDir::toNativeSeparators(path);
    const TableRows read = ReadTableRows(path);
    EXPECT_EQ(read.rows[19], EmptyRow(19));
    EXPECT_EQ(Report(read), "Open scores: 75Path/File access errorCannot open " + where);
    const ClearResult cleared = ClearTable(path);
    EXPECT_FALSE(cleared.cleared);
    EXPECT_EQ(Report(cleared), "Clear scores: 75Path/File access errorCannot delete " + where);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

// A table the player may write, in a read-only folder or with a write that
// falls short (a file-size limit of 100 bytes): the insertion is refused and
// the table kept byte for byte. Once the folder is writable and the limit gone
// the same insertion goes through, so these were what refused it.
TEST_F(TopScores, RefusedWritesKeepTheOldTable) {
    const QByteArray table = Table({Rec("Ann", 120, "x")});
    WriteAll(path, table);
    const QString scores = QFileInfo(path).absolutePath();
    ASSERT_TRUE(SetMode(dir.path(), 0755) && SetMode(path, 0666));
    const QString where = QDir::toNativeSeparators(path);
    const auto refused = [&](const char* title, const QString& text) {
        return [=, this] {
            const InsertResult r = InsertScore(path, Entry("Bo", 999));
            return r.rank == -1 && !r.placed && r.errorTitle == title &&
                   (text.isEmpty() || r.errorText == text);
        };
    };
    ASSERT_TRUE(SetMode(scores, 0555));
    EXPECT_TRUE(InChild(refused("Open scores", "70Permission deniedCannot open " + where)));
    // No folder to be made for a table is the same denial, not a missing file.
    const QString deeper = TableFilePath(scores + QStringLiteral("/user"), 1);
    EXPECT_TRUE(InChild([&] {
        return Report(InsertScore(deeper, Entry("Bo", 999))) ==
               "Open scores: 70Permission deniedCannot open " + QDir::toNativeSeparators(deeper);
    }));
    ASSERT_TRUE(SetMode(scores, 0777));
    EXPECT_TRUE(InChild(refused("Save scores", "61Disk fullCannot save " + where), 100));
    // A table that cannot be read is never overwritten: its entries would be lost.
    ASSERT_TRUE(SetMode(path, 0222));
    EXPECT_TRUE(InChild(refused("Open scores", "70Permission deniedCannot open " + where)));
    ASSERT_TRUE(SetMode(path, 0666));
    EXPECT_EQ(ReadAll(path), table);
    EXPECT_EQ(QDir(scores).entryList(QDir::Files | QDir::Hidden), QStringList{"scores1.dat"});
    EXPECT_TRUE(InChild([this] { return InsertScore(path, Entry("Bo", 999)).rank == 1; }));
    EXPECT_EQ(ReadAll(path), Table({Rec("Bo", 999, "05.03.2024"), Rec("Ann", 120, "x")}));
}

TEST(TopScoreTables, Numbers) {
    EXPECT_EQ(
        (std::array{TableNumber(4, 5), TableNumber(4, 4), TableNumber(1, 5), TableNumber(1, 4)}),
        (std::array{1, 2, 3, 4}));
}

// Where the program finds its sounds and keeps its tables, for each way it can
// be laid out. An installed program keeps its tables in the user's folder even
// when it could write beside itself (as root can), and creates nothing there.
TEST(ProgramFolders, EachLayoutFindsItsDataAndItsTables) {
    QTemporaryDir dir;
    const QString user = dir.filePath(QStringLiteral("home/data"));
    struct Layout {
        const char *program, *made, *data;
        bool installed;
    };
    for (const Layout& l : {
             // A build tree below a prefix that has a share/rollwell: beside wins.
             Layout{"tree/bin", "tree/bin/RWWAVS tree/share/rollwell", "tree/bin", false},
             Layout{"portable", "portable/RWWAVS", "portable", false},
             Layout{"usr/bin", "usr/bin usr/share/rollwell/RWWAVS", "usr/share/rollwell", true},
             Layout{"bare", "bare", "bare", false}, // no sounds anywhere: silent, not installed
         }) {
        SCOPED_TRACE(l.program);
        for (const QString& made : QString::fromLatin1(l.made).split(QLatin1Char(' ')))
            ASSERT_TRUE(QDir(dir.path()).mkpath(made));
        const QString program = dir.filePath(QLatin1String(l.program));
        EXPECT_EQ(FindDataFolder(program), dir.filePath(QLatin1String(l.data)));
        EXPECT_EQ(IsInstalledLayout(program), l.installed);
        EXPECT_EQ(ChooseScoresPlace(program, user).folder, l.installed ? user : program);
        EXPECT_FALSE(QFileInfo::exists(program + QStringLiteral("/scores")));
    }
}

// A portable copy whose tables cannot be written (an administrator's install,
// a shared folder): the player's folder takes each table it lacks, keeps the
// one it has, and the program's folder is left as it was.
TEST(ProgramFolders, ReadOnlyTablesAreCopiedToTheUsersFolder) {
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("game"));
    const QString user = dir.filePath(QStringLiteral("user"));
    WriteAll(TableFilePath(program, 1), "program's Yamb 6");
    WriteAll(TableFilePath(program, 2), "program's Yamb 5");
    WriteAll(TableFilePath(user, 2), "player's Yamb 5");
    const QString own = program + QStringLiteral("/scores");
    ASSERT_TRUE(SetMode(dir.path(), 0755) && SetMode(program, 0755) && SetMode(own, 0555) &&
                SetMode(user, 0777) && SetMode(user + QStringLiteral("/scores"), 0777));
    EXPECT_TRUE(InChild([&] {
        const ScoresPlace place = ChooseScoresPlace(program, user);
        SeedTables(place);
        SeedTables(place); // a second time changes nothing
        return place == ScoresPlace{user, program} &&
               ReadAll(TableFilePath(user, 1)) == "program's Yamb 6" &&
               ReadAll(TableFilePath(user, 2)) == "player's Yamb 5" &&
               !QFileInfo::exists(TableFilePath(user, 3)) &&
               QFileInfo(TableFilePath(user, 1)).isWritable();
    }));
    EXPECT_EQ(QDir(own).entryList(QDir::Files), (QStringList{"scores1.dat", "scores2.dat"}));
    // Writable, the same folder keeps the tables beside the program.
    ASSERT_TRUE(SetMode(own, 0777));
    EXPECT_TRUE(InChild([&] { return ChooseScoresPlace(program, user).folder == program; }));
}

// The tables hold names in the Windows code page 1252.
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
