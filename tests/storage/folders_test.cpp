#include "storage/datafolder.h"
#include "storage/scoresfolder.h"
#include "storage/topscores.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "childprocess.h"

#include <gtest/gtest.h>

namespace rollwell {
namespace {

void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

QByteArray Get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
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
    Put(TableFilePath(program, 1), "program's Yamb 6");
    Put(TableFilePath(program, 2), "program's Yamb 5");
    Put(TableFilePath(user, 2), "player's Yamb 5");
    const QString own = program + QStringLiteral("/scores");
    ASSERT_TRUE(SetMode(dir.path(), 0755) && SetMode(program, 0755) && SetMode(own, 0555) &&
                SetMode(user, 0777) && SetMode(user + QStringLiteral("/scores"), 0777));
    EXPECT_TRUE(InChild([&] {
        const ScoresPlace place = ChooseScoresPlace(program, user);
        SeedTables(place);
        SeedTables(place); // a second time changes nothing
        return place == ScoresPlace{user, program} &&
               Get(TableFilePath(user, 1)) == "program's Yamb 6" &&
               Get(TableFilePath(user, 2)) == "player's Yamb 5" &&
               !QFileInfo::exists(TableFilePath(user, 3)) &&
               QFileInfo(TableFilePath(user, 1)).isWritable();
    }));
    EXPECT_EQ(QDir(own).entryList(QDir::Files), (QStringList{"scores1.dat", "scores2.dat"}));
    // Writable, the same folder keeps the tables beside the program.
    ASSERT_TRUE(SetMode(own, 0777));
    EXPECT_TRUE(InChild([&] { return ChooseScoresPlace(program, user).folder == program; }));
}

} // namespace
} // namespace rollwell
