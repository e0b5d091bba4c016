#pragma once

#include <QString>

#include <string_view>

namespace rollwell {

// The engine keeps its texts as UTF-8; the window converts them here.
inline QString toQString(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace rollwell
