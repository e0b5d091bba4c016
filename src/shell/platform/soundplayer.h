#pragma once

#include "shell/platform/audio.h"
#include "shell/platform/soundclip.h"
#include "shell/platform/soundoutput.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QAudioOutput;
class QMediaPlayer;

namespace rollwell {

// The program's sound players: the effects <program folder>/RWWAVS/<name>.WAV,
// each read, checked and decoded into memory once, played on one output that
// stays open, and the win music <program folder>/win01.mp3 on a media player.
// While the music plays the effects are turned down, so that the two never
// clip where they meet.
//
// Constructing one is cheap and touches no audio back-end. preload() reads every
// effect and opens the audio device; call it once the window has been painted,
// and only once sound is on.
// The media back-end is made the first time the music is asked for. Without an
// audio device every call is silent and returns at once.
class SoundPlayer final : public QObject, public Audio {
    Q_OBJECT

  public:
    // The effects the game asks for by name.
    static constexpr std::array<std::string_view, 17> effectNames{
        "rollAll",  "rollOne",  "rollSome",  "holdDice", "UnHoldDice", "Rollwell",
        "announce", "score",    "scoreZero", "hint",     "undo",       "redo",
        "newGame",  "applause", "draw",      "endGame1", "exitGame"};

    // `output` is the audio device when none is given.
    explicit SoundPlayer(QString programFolder = QCoreApplication::applicationDirPath(),
                         std::unique_ptr<SoundOutput> output = nullptr);
    ~SoundPlayer() override;

    // Reads every effect into memory and opens the audio device. Later calls do
    // nothing; a sound asked for before it preloads first.
    void preload() override;

    void playAsync(std::string_view name) override;
    void playSync(std::string_view name) override;
    void playMusic() override;
    void stopMusic() override;

  private:
    // The effect of that name, read on first use; null when it cannot be played.
    const SoundClip* clip(std::string_view name);
    QString effectPath(std::string_view name) const;

    QString folder_;
    std::unique_ptr<SoundOutput> output_;
    std::map<std::string, std::optional<SoundClip>, std::less<>> clips_;
    bool preloaded_ = false;
    bool outputOpen_ = false;
    QMediaPlayer* music_ = nullptr;
    QAudioOutput* musicOutput_ = nullptr;
};

} // namespace rollwell
