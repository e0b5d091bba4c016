#include "shell/platform/streamoutput.h"

#include "shell/platform/effectfeed.h"

#include <QAudioSink>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTimer>
#include <functional>

namespace rollwell {

namespace {

// The stream's buffer: the delay from a click to its sound. Qt reads the feed
// in 20 ms periods and never starts a stream that holds less than two.
constexpr qint64 bufferMicroseconds = 100000;
// How often the audio thread asks the device how far it has played, while a
// clip is on its way.
constexpr int pollMilliseconds = 4;
// A device that stops playing is given up on this long after a clip's length.
constexpr qint64 stallMilliseconds = 2000;

} // namespace

// The audio side: the sink and the watch for the end of a clip. Lives on the
// audio thread; the output talks to it only through queued calls.
class AudioStream : public QObject {
  public:
    AudioStream(EffectFeed& feed, std::function<void(quint64)> heard, std::function<void()> failed)
        : feed_(feed), heard_(std::move(heard)), failed_(std::move(failed)) {}

    void open() {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return failed_();
        sink_ = new QAudioSink(device, feed_.format(), this);
        sink_->setBufferSize(feed_.format().bytesForDuration(bufferMicroseconds));
        connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::StoppedState && sink_->error() != QAudio::NoError) failed_();
        });
        sink_->start(&feed_);
        if (sink_->state() == QAudio::StoppedState) return failed_();
        poll_ = new QTimer(this);
        poll_->setTimerType(Qt::PreciseTimer);
        poll_->setInterval(pollMilliseconds);
        connect(poll_, &QTimer::timeout, this, &AudioStream::poll);
    }

    void close() {
        if (poll_) poll_->stop();
        if (sink_) sink_->stop();
        delete sink_;
        sink_ = nullptr;
    }

    // Reports `ticket` once its last sample has been played; 0 watches nothing.
    void watch(quint64 ticket, qint64 lengthMs) {
        watched_ = ticket;
        if (!poll_) return;
        if (ticket == 0) return poll_->stop();
        giveUpAfterMs_ = lengthMs + stallMilliseconds;
        clock_.start();
        poll_->start();
    }

  private:
    void poll() {
        const std::optional<qint64> end = feed_.endOf(watched_);
        const QAudioFormat& format = feed_.format();
        const qint64 bytesPerSecond = qint64{format.sampleRate()} * format.bytesPerFrame();
        if (end && sink_->processedUSecs() >= *end * 1'000'000 / bytesPerSecond) {
            poll_->stop();
            heard_(watched_);
        } else if (clock_.elapsed() > giveUpAfterMs_) {
            poll_->stop();
        }
    }

    EffectFeed& feed_;
    std::function<void(quint64)> heard_;
    std::function<void()> failed_;
    QAudioSink* sink_ = nullptr;
    QTimer* poll_ = nullptr;
    quint64 watched_ = 0;
    qint64 giveUpAfterMs_ = 0;
    QElapsedTimer clock_;
};

StreamOutput::StreamOutput(QObject* parent) : SoundOutput(parent) {}

StreamOutput::~StreamOutput() {
    if (!stream_) return;
    QMetaObject::invokeMethod(stream_, &AudioStream::close, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete stream_;
}

bool StreamOutput::open() {
    if (stream_) return true;
    feed_ = std::make_unique<EffectFeed>(mixFormat());
    feed_->setGain(gain_);
    const auto onHeard = [this](quint64 ticket) {
        QMetaObject::invokeMethod(this, [this, ticket] { heard(ticket); });
    };
    const auto onFailed = [this, failed = failed_] {
        *failed = true;
        QMetaObject::invokeMethod(this, [this] { heard(ticket_); });
    };
    stream_ = new AudioStream(*feed_, onHeard, onFailed);
    stream_->moveToThread(&thread_);
    thread_.setObjectName(QStringLiteral("Rollwell audio"));
    thread_.start(QThread::TimeCriticalPriority);
    QMetaObject::invokeMethod(stream_, &AudioStream::open);
    return true;
}

void StreamOutput::start(const SoundClip& clip) {

    if (!stream_ || *failed_) {
        // Nothing to play: whoever waits for the end hears of it at once.
        ticket_ = 0;
        QTimer::singleShot(0, this, &SoundOutput::finished);
        return;
    }

    const quint64 ticket = ++tickets_;
    ticket_ = ticket;
    feed_->play(clip.samples, ticket);
    const qint64 lengthMs = clip.length().count();
    QMetaObject::invokeMethod(stream_,
                              [s = stream_, ticket, lengthMs] { s->watch(ticket, lengthMs); });
}

void StreamOutput::stop() {
    ticket_ = 0;
    if (!stream_) return;
    feed_->stop();
    QMetaObject::invokeMethod(stream_, [s = stream_] { s->watch(0, 0); });
}

void StreamOutput::setGain(float gain) {
    gain_ = gain;
    if (feed_) feed_->setGain(gain);
}

void StreamOutput::heard(quint64 ticket) {
    if (ticket == 0 || ticket != ticket_) return;
    ticket_ = 0;
    emit finished();
}

} // namespace rollwell
