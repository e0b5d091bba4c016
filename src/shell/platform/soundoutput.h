#pragma once

#include "shell/platform/soundclip.h"

#include <QObject>

namespace rollwell {

// Where the sound player sends its effects: the audio device, or a stand-in
// that records what it is given.
class SoundOutput : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // Gets the device ready for the first effect. False when there is no device:
    // the player then stays silent.
    virtual bool open() = 0;
    // Readies one effect ahead of its first use; `path` is the file it was read from.
    virtual void prepare(const SoundClip& clip, const QString& path) = 0;
    // Starts the clip at once, cutting off the one playing.
    virtual void start(const SoundClip& clip) = 0;
    // Cuts off the clip playing, if any, without `finished`.
    virtual void stop() = 0;

  signals:
    // The clip started last has played to its end (or the device gave up on it).
    void finished();
};

} // namespace rollwell
