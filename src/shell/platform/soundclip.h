#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>
#include <string>

namespace rollwell {

// One sound effect decoded into memory: its name, the sample format and the raw
// PCM samples, ready to hand to an audio device without any further work.
struct SoundClip {
    std::string name;
    QAudioFormat format;
    QByteArray samples;

    // How long the clip plays.
    std::chrono::milliseconds length() const;
};

// The one sample format every effect is played in: 16-bit mono at 22.05 kHz.
QAudioFormat mixFormat();

// The clip in mixFormat(): samples widened, channels averaged and the rate
// changed by linear interpolation where they differ.
SoundClip toMixFormat(SoundClip clip);

// Reads a wave file of 8- or 16-bit PCM samples, mono or stereo. A missing,
// unreadable, truncated or unsupported file gives nothing.
std::optional<SoundClip> readWave(const QString& path, std::string name);

} // namespace rollwell
