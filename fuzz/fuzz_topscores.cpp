// Feeds arbitrary bytes to the top-score store as a table file: reading for
// display must stay inside the file, and an insertion must leave a well-formed
// 484-byte table that ends with the trailer.

#include "storage/topscores.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    if (!dir.isValid()) std::abort();
    const QString path = rollwell::TableFilePath(dir.path(), 1);
    {
        rollwell::ScoreRecord probe{QStringLiteral("fuzz"), 0, QStringLiteral("date")};
        if (size >= 4) std::memcpy(&probe.score, data, 4); // a score from the input
        static const bool folder = QDir().mkpath(QFileInfo(path).absolutePath());
        if (!folder) std::abort();
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        if (file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
            std::abort();
        }
        file.close();

        const auto rows = rollwell::ReadTableRows(path).rows;
        if (rows[19].key != QStringLiteral("t")) std::abort();

        const rollwell::InsertResult result = rollwell::InsertScore(path, probe);
        if (result.errorText || result.placed != (result.rank >= 1 && result.rank <= 20)) {
            std::abort();
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) std::abort();
    const QByteArray table = file.readAll();
    static const char trailer[4] = {1, 0, 0, 0};
    if (table.size() != rollwell::kTableFileSize ||
        std::memcmp(table.constData() + 480, trailer, 4) != 0) {
        std::abort();
    }
    return 0;
}
