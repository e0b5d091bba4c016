#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QIODevice>
#include <QMutex>
#include <optional>

namespace rollwell {

// The samples an always-open audio stream pulls: the effect playing, then
// silence, so that the stream never runs dry and the next effect starts within
// one read. The audio thread reads; any thread may start or stop an effect.
class EffectFeed final : public QIODevice {
  public:
    // Opens the feed for reading; `format` is 16-bit samples.
    explicit EffectFeed(const QAudioFormat& format);

    const QAudioFormat& format() const { return format_; }

    // Starts `samples` at the next read, cutting off the effect playing.
    // `ticket` names it for endOf().
    void play(const QByteArray& samples, quint64 ticket);
    // Silence from the next read on.
    void stop();
    // Scales every sample from the next read on (1 is as recorded).
    void setGain(float gain);

    // The stream position (bytes read so far) at which the effect of `ticket`
    // ends, once its first sample has been read; nothing for another effect,
    // for one cut off, or for one not yet begun.
    std::optional<qint64> endOf(quint64 ticket) const;

    bool isSequential() const override { return true; }
    bool atEnd() const override { return false; }
    qint64 bytesAvailable() const override { return format_.bytesForDuration(1'000'000); }

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

  private:
    const QAudioFormat format_;
    mutable QMutex mutex_;
    std::optional<QByteArray> next_; // waits for the next read
    quint64 nextTicket_ = 0;
    QByteArray playing_;
    qsizetype playedBytes_ = 0;
    quint64 ticket_ = 0; // of the effect playing or last played
    qint64 endsAt_ = -1;
    qint64 readBytes_ = 0;
    float gain_ = 1.0f;
};

} // namespace rollwell
