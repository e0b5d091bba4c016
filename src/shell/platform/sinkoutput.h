#pragma once

#include "shell/platform/soundoutput.h"

#include <QAudioDevice>
#include <QBuffer>

class QAudioSink;

namespace rollwell {

// Plays effects on the default audio device through one QAudioSink that reads
// the samples straight from memory. Constructing it creates nothing of the
// audio back-end; open() does.
class SinkOutput final : public SoundOutput {
    Q_OBJECT

  public:
    using SoundOutput::SoundOutput;
    ~SinkOutput() override;

    bool open() override;
    void start(const SoundClip& clip) override;
    void stop() override;

  private:
    void makeSink(const QAudioFormat& format);
    void onStateChanged();

    QAudioDevice device_;
    QAudioSink* sink_ = nullptr;
    QBuffer buffer_;
    bool playing_ = false;
};

} // namespace rollwell
