#pragma once

#include "shell/platform/soundoutput.h"

#include <QThread>
#include <atomic>
#include <memory>

namespace rollwell {

class AudioStream;
class EffectFeed;

// Plays effects on one audio stream of the default device that stays open
// while sound is on. The stream pulls from an EffectFeed on a thread of its
// own, so that a busy window never starves it; between effects it plays
// silence. A clip counts as finished when the device reports it has played
// its last sample, not when the samples were handed over.
//
// Constructing one touches nothing of the audio back-end; open() does, on the
// audio thread.
class StreamOutput final : public SoundOutput {
    Q_OBJECT

  public:
    explicit StreamOutput(QObject* parent = nullptr);
    ~StreamOutput() override;

    bool open() override;
    void start(const SoundClip& clip) override;
    void stop() override;
    void setGain(float gain) override;

  private:
    void heard(quint64 ticket);

    QThread thread_;
    std::unique_ptr<EffectFeed> feed_;
    AudioStream* stream_ = nullptr; // lives on thread_
    std::shared_ptr<std::atomic<bool>> failed_ = std::make_shared<std::atomic<bool>>(false);
    quint64 tickets_ = 0;
    quint64 ticket_ = 0; // of the clip started last; 0 when none
    float gain_ = 1.0f;
};

} // namespace rollwell
