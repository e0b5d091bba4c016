#include "shell/platform/effectfeed.h"

#include <QMutexLocker>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace rollwell {

EffectFeed::EffectFeed(const QAudioFormat& format) : format_(format) {
    // Unbuffered: a buffered device would let the stream read far ahead, and a
    // new effect would be heard late.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void EffectFeed::play(const QByteArray& samples, quint64 ticket) {
    const QMutexLocker lock(&mutex_);
    next_ = samples;
    nextTicket_ = ticket;
}

void EffectFeed::stop() {
    const QMutexLocker lock(&mutex_);
    next_.reset();
    playing_.clear();
    playedBytes_ = 0;
    endsAt_ = -1;
}

void EffectFeed::setGain(float gain) {
    const QMutexLocker lock(&mutex_);
    gain_ = gain;
}

std::optional<qint64> EffectFeed::endOf(quint64 ticket) const {
    const QMutexLocker lock(&mutex_);
    if (ticket != ticket_ || endsAt_ < 0) return std::nullopt;
    return endsAt_;
}

qint64 EffectFeed::readData(char* data, qint64 maxSize) {
    const QMutexLocker lock(&mutex_);
    const qint64 frame = std::max(format_.bytesPerFrame(), 1);
    const qint64 size = maxSize / frame * frame;

    if (next_) {
        playing_ = *next_;
        next_.reset();
        playedBytes_ = 0;
        ticket_ = nextTicket_;
        endsAt_ = readBytes_ + playing_.size();
    }
    const qint64 n = std::min<qint64>(size, playing_.size() - playedBytes_);
    if (n > 0) {
        const char* from = playing_.constData() + playedBytes_;
        if (gain_ == 1.0f) {
            std::memcpy(data, from, static_cast<size_t>(n));
        } else {
            for (qint64 i = 0; i + 1 < n; i += 2) {
                qint16 sample = 0;
                std::memcpy(&sample, from + i, 2);
                sample = static_cast<qint16>(std::lround(sample * gain_));
                std::memcpy(data + i, &sample, 2);
            }
        }
        playedBytes_ += static_cast<qsizetype>(n);
    }
    std::memset(data + std::max<qint64>(n, 0), 0,
                static_cast<size_t>(size - std::max<qint64>(n, 0)));
    readBytes_ += size;
    return size;
}

qint64 EffectFeed::writeData(const char*, qint64) {
    return -1;
}

} // namespace rollwell
