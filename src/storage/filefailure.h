#pragma once

#include <QString>

namespace rollwell {

// The causes of a failed file operation, with the numbers and descriptions the
// program's messages carry.
struct Failure {
    int number;
    const char* description;
};
inline constexpr Failure kFileNotFound{53, "File not found"};
inline constexpr Failure kDeviceIoError{57, "Device I/O error"};
inline constexpr Failure kDiskFull{61, "Disk full"};
inline constexpr Failure kPermissionDenied{70, "Permission denied"};
inline constexpr Failure kPathAccessError{75, "Path/File access error"};
inline constexpr Failure kPathNotFound{76, "Path not found"};

// The number, the description, what could not be done and the file, run
// together: "70Permission deniedCannot save /home/ann/x".
QString FailureText(Failure failure, const char* what, const QString& path);

// Why a file could not be created or replaced at `path`: a folder standing
// where the file should be, a file standing where a folder should be, a folder
// the user may not write to, or a full disk.
Failure WriteFailureAt(const QString& path);

} // namespace rollwell
