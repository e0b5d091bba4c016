#pragma once

#include <QFile>
#include <QString>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

namespace rollwell {

// Runs `check` in a child process as a user that file permissions bind: root,
// who may write anywhere, drops to "nobody" first. With `fileSizeLimit` set the
// child cannot write a file beyond that many bytes, and a write past the limit
// fails instead of killing it. True when `check` returned true.
inline bool InChild(const std::function<bool()>& check, rlim_t fileSizeLimit = RLIM_INFINITY) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        const bool ready =
            (fileSizeLimit == RLIM_INFINITY || setrlimit(RLIMIT_FSIZE, &limit) == 0) &&
            (geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0));
        _exit(ready && check() ? 0 : 1);
    }
    int status = -1;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// Sets the permission bits of a file or folder; true when that worked.
inline bool SetMode(const QString& path, mode_t mode) {
    return chmod(QFile::encodeName(path).constData(), mode) == 0;
}

} // namespace rollwell
