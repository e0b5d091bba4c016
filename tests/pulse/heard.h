#pragma once

// Finding effects in a recording of the null sink: where one begins, and how
// much of it was heard.

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <vector>

namespace rollwell::pulse {

using Samples = std::vector<qint16>;

// 5 ms windows; a window of the clip below -50 dBFS is not heard by anyone.
constexpr qint64 kWindow = 110;
constexpr double kAudible = 103.6;

inline double rms(const Samples& s, qint64 from, qint64 n) {
    double sum = 0;
    for (qint64 i = from; i < from + n; ++i)
        sum += double(s[size_t(i)]) * s[size_t(i)];
    return std::sqrt(sum / double(n));
}

inline double correlation(const Samples& a, qint64 at, const Samples& b, qint64 bt, qint64 n) {
    double ab = 0, aa = 0, bb = 0;
    for (qint64 i = 0; i < n; ++i) {
        const double x = a[size_t(at + i)], y = b[size_t(bt + i)];
        ab += x * y, aa += x * x, bb += y * y;
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

// The index in `recording` between `from` and `to` where the first 20 ms of
// `clip` match best; -1 when nothing matches.
inline qint64 onset(const Samples& recording, const Samples& clip, qint64 from, qint64 to) {
    const qint64 n = std::min<qint64>(441, qint64(clip.size()));
    from = std::max<qint64>(from, 0);
    to = std::min<qint64>(to, qint64(recording.size()) - n);
    qint64 best = -1;
    double score = 0.9;
    for (qint64 o = from; o < to; ++o) {
        if (const double c = correlation(recording, o, clip, 0, n); c > score) score = c, best = o;
    }
    return best;
}

// The share of the audible windows of the clip's first `span` samples that
// the recording holds from `at` on: the same shape at the same level.
inline double heardShare(const Samples& recording, qint64 at, const Samples& clip, qint64 span) {
    span = std::min<qint64>(span, qint64(clip.size()));
    int audible = 0, heard = 0;
    for (qint64 w = 0; w + kWindow <= span; w += kWindow) {
        const double level = rms(clip, w, kWindow);
        if (level < kAudible) continue;
        ++audible;
        if (at + w + kWindow > qint64(recording.size())) continue;
        const double got = rms(recording, at + w, kWindow);
        heard += std::abs(20 * std::log10(std::max(got, 1.0) / level)) < 3 &&
                 correlation(recording, at + w, clip, w, kWindow) > 0.9;
    }
    return audible == 0 ? 1 : double(heard) / audible;
}

// The index just after the clip's last audible sample.
inline qint64 audibleEnd(const Samples& clip) {
    const auto last =
        std::find_if(clip.rbegin(), clip.rend(), [](qint16 v) { return std::abs(v) > kAudible; });
    return qint64(clip.rend() - last);
}

} // namespace rollwell::pulse
