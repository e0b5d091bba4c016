#include "shell/platform/soundplayer.h"

#include "shell/platform/sinkoutput.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

namespace rollwell {
namespace {

// How long a sound played to its end may overrun its length before the wait
// gives up on the device.
constexpr std::chrono::milliseconds syncMargin{500};

} // namespace

SoundPlayer::SoundPlayer(QString programFolder, std::unique_ptr<SoundOutput> output)
    : folder_(std::move(programFolder)), output_(std::move(output)) {
    if (!output_) output_ = std::make_unique<SinkOutput>();
}

SoundPlayer::~SoundPlayer() {
    stopMusic();
    output_->stop();
}

void SoundPlayer::preload() {
    if (preloaded_) return;
    preloaded_ = true;
    for (std::string_view name : effectNames)
        clip(name);
    outputOpen_ = output_->open();
}

const SoundClip* SoundPlayer::clip(std::string_view name) {
    auto found = clips_.find(name);
    if (found == clips_.end()) {
        const QString path = folder_ + QStringLiteral("/RWWAVS/") +
                             QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                             QStringLiteral(".WAV");
        found = clips_.emplace(std::string(name), readWave(path, std::string(name))).first;
    }
    return found->second ? &*found->second : nullptr;
}

void SoundPlayer::playAsync(std::string_view name) {
    preload();
    const SoundClip* effect = clip(name);
    if (!outputOpen_ || !effect) return;
    output_->start(*effect);
}

void SoundPlayer::playSync(std::string_view name) {
    preload();
    const SoundClip* effect = clip(name);
    if (!outputOpen_ || !effect) return;

    // Wait in a local event loop, so that the window goes on painting; the
    // window itself holds back input and timers meanwhile.
    QEventLoop loop;
    bool ended = false;
    const auto connection = connect(output_.get(), &SoundOutput::finished, &loop, [&] {
        ended = true;
        loop.quit();
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    giveUp.start(effect->length() + syncMargin);
    output_->start(*effect);
    if (!ended) loop.exec();
    disconnect(connection);
    if (!ended) output_->stop();
}

void SoundPlayer::playMusic() {
    if (music_) music_->stop(); // close the previous song
    const QString path = folder_ + QStringLiteral("/win01.mp3");
    if (!QFileInfo(path).isFile()) return;
    if (!music_) {
        if (QMediaDevices::defaultAudioOutput().isNull()) return;
        music_ = new QMediaPlayer(this);
        musicOutput_ = new QAudioOutput(music_);
        music_->setAudioOutput(musicOutput_);
    }
    music_->setSource(QUrl::fromLocalFile(path)); // open it
    music_->play();
}

void SoundPlayer::stopMusic() {
    if (music_) music_->stop();
}

} // namespace rollwell
