#include "storage/scoresfolder.h"

#include "storage/datafolder.h"
#include "storage/topscores.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace rollwell {

ScoresPlace ChooseScoresPlace(const QString& programFolder, const QString& userFolder) {
    const QFileInfo own(QDir(programFolder).filePath(QStringLiteral("scores")));
    const bool installed = IsInstalledLayout(programFolder);
    if (!installed) {
        const QFileInfo where = own.exists() ? own : QFileInfo(programFolder);
        if (where.isDir() && where.isWritable()) return {programFolder, {}};
    }
    const bool ownTables = own.isDir() && own.isReadable();
    const bool userReady =
        !userFolder.isEmpty() && QDir().mkpath(userFolder) && QFileInfo(userFolder).isWritable();
    if (!userReady && ownTables && !installed) return {programFolder, {}};
    return {userFolder, ownTables ? programFolder : QString()};
}

void SeedTables(const ScoresPlace& place) {
    if (place.seedFolder.isEmpty()) return;
    for (int table = 1; table <= 4; ++table) {
        const QString from = TableFilePath(place.seedFolder, table);
        const QString to = TableFilePath(place.folder, table);
        if (!QFileInfo(from).isFile() || QFileInfo::exists(to)) continue;
        if (!QDir().mkpath(QFileInfo(to).absolutePath())) return;
        // The copy is written to a temporary file and renamed, and refuses to
        // replace a file; the player's copy is the player's to change.
        if (QFile::copy(from, to)) {
            QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                          QFile::WriteUser);
        }
    }
}

QString ScoresFolder() {
    static const QString folder = [] {
        const ScoresPlace place =
            ChooseScoresPlace(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        SeedTables(place);
        return place.folder;
    }();
    return folder;
}

} // namespace rollwell
