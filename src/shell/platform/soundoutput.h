#pragma once

#include "shell/platform/soundclip.h"

#include <QObject>

namespace rollwell {

// Where the sound player sends its effects: the audio device, or a stand-in
// that records what it is given. Every clip is in mixFormat().
class SoundOutput : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // Starts getting the device ready for the first effect; it may still be
    // getting ready when the first effect comes. False when there is no device
    // at all: the player then stays silent.
    virtual bool open() = 0;
    // Starts the clip at once, cutting off the one playing.
    virtual void start(const SoundClip& clip) = 0;
    // Cuts off the clip playing, if any, without `finished`.
    virtual void stop() = 0;
    // Scales the effects from now on (1 plays them as recorded).
    virtual void setGain(float gain) = 0;

  signals:
    // The clip started last has been heard to its end, or cannot be played.
    void finished();
};

} // namespace rollwell
