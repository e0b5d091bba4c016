#pragma once

#include <QFile>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

// Milliseconds from the start of this process to now, and the resident memory,
// read from /proc so the launch itself is counted.
inline double millisecondsSinceLaunch() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = stat.readAll().split(' ');
    if (fields.size() < 22) return -1;
    const double startTicks = fields[21].toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs =
        static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

inline long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Prints the time of the first paint, then the memory one second later, and quits.
inline void reportFirstPaint() {
    std::printf("first-paint-ms %.1f\n", millisecondsSinceLaunch());
    QTimer::singleShot(1000, [] {
        std::printf("rss-kb %ld\n", residentKilobytes());
        std::fflush(stdout);
        std::_Exit(0);
    });
}
