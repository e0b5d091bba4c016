#pragma once

#include "shell/platform/soundoutput.h"

#include <QAudioDevice>
#include <map>
#include <string>

class QSoundEffect;

namespace rollwell {

// Plays effects on the default audio device, one QSoundEffect per effect, each
// loaded ahead of its first use so that it starts at once. Constructing it
// creates nothing of the audio back-end; open() does.
class EffectOutput final : public SoundOutput {
    Q_OBJECT

  public:
    using SoundOutput::SoundOutput;

    bool open() override;
    void prepare(const SoundClip& clip, const QString& path) override;
    void start(const SoundClip& clip) override;
    void stop() override;

  private:
    void onPlayingChanged(QSoundEffect* effect);

    QAudioDevice device_;
    std::map<std::string, QSoundEffect*, std::less<>> effects_;
    QSoundEffect* current_ = nullptr;
};

} // namespace rollwell
