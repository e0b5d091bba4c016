#include "storage/filefailure.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace rollwell {

QString FailureText(Failure failure, const char* what, const QString& path) {
    return QString::number(failure.number) + QLatin1String(failure.description) +
           QLatin1String(what) + QDir::toNativeSeparators(path);
}

Failure WriteFailureAt(const QString& path) {
    const QFileInfo file(path);
    if (file.exists() && !file.isFile()) return kPathAccessError;
    // The nearest part of the path that exists decides: the folders below it
    // would have had to be made.
    QString folder = file.absolutePath();
    while (!QFileInfo::exists(folder)) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder) break;
        folder = parent;
    }
    const QFileInfo at(folder);
    if (!at.isDir()) return kPathNotFound;
    if (!at.isWritable()) return kPermissionDenied;
    const QStorageInfo volume(folder);
    if (volume.isValid() && volume.bytesAvailable() == 0) return kDiskFull;
    return kPathAccessError;
}

} // namespace rollwell
