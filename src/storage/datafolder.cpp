#include "storage/datafolder.h"

#include <QDir>
#include <QFileInfo>

namespace rollwell {
namespace {

QString SharedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/rollwell"));
}

bool HoldsSounds(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QStringLiteral("RWWAVS"))).isDir();
}

} // namespace

bool IsInstalledLayout(const QString& programFolder) {
    return !HoldsSounds(programFolder) && QFileInfo(SharedDataFolder(programFolder)).isDir();
}

QString FindDataFolder(const QString& programFolder) {
    return IsInstalledLayout(programFolder) ? SharedDataFolder(programFolder) : programFolder;
}

} // namespace rollwell
