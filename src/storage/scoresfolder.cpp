#include "storage/scoresfolder.h"

#include "storage/datafolder.h"
#include "storage/topscores.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace rollwell {
namespace {

// A file that can be made is the only sure sign that a folder can be written:
// permission bits tell nothing of access lists or a read-only disk. Asked once
// a run; the probe goes again at once.
bool CanWriteIn(const QFileInfo& folder) {
    return folder.isDir() &&
           QTemporaryFile(folder.absoluteFilePath() + QStringLiteral("/.probe-XXXXXX")).open();
}

} // namespace

ScoresPlace ChooseScoresPlace(const QString& programFolder, const QString& userFolder) {
    const QFileInfo own(QDir(programFolder).filePath(QStringLiteral("scores")));
    const bool installed = IsInstalledLayout(programFolder);
    if (!installed) {
        if (CanWriteIn(own.exists() ? own : QFileInfo(programFolder))) return {programFolder, {}};
    }
    const bool ownTables = own.isDir() && own.isReadable();
    const bool userReady =
        !userFolder.isEmpty() && QDir().mkpath(userFolder) && CanWriteIn(QFileInfo(userFolder));
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
