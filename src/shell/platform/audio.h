#pragma once

#include <string_view>

namespace rollwell {

// The program's sounds: the effects of the folder RWWAVS beside the program,
// played by name, and the win music win01.mp3. A missing or unreadable file is
// silent. Callers decide whether sound is on; these only play.
class Audio {
  public:
    virtual ~Audio() = default;

    // Starts the effect and returns at once; a new effect cuts off the one playing.
    virtual void playAsync(std::string_view name) = 0;
    // Plays the effect to its end before returning.
    virtual void playSync(std::string_view name) = 0;
    // Closes the previous song, opens win01.mp3 and plays it; it plays on by itself.
    virtual void playMusic() = 0;
    virtual void stopMusic() = 0;
    // Readies the effects; the window calls it once it has been painted, so
    // nothing of the audio back-end sits on the way to the first picture.
    virtual void preload() {}
};

} // namespace rollwell
