#include "dialogtesting.h"
#include "shell/platform/soundplayer.h"

namespace rollwell {
namespace {

// Stands in for the audio device: records what it is asked to play and never
// reports an end (the real device's ends are checked against a sound server).
class RecordingOutput final : public SoundOutput {
  public:
    bool open() override { return ++opened, hasDevice; }
    void start(const SoundClip& clip) override {
        started.push_back(playing = clip.name);
        formats.push_back(clip.format);
    }
    void stop() override { playing.clear(); }
    void setGain(float) override {}

    bool hasDevice = true;
    int opened = 0;
    std::vector<std::string> started;
    std::vector<QAudioFormat> formats;
    std::string playing;
};

// A wave file of `data` with the given sample format, and `extra` chunks
// before the samples.
QByteArray wave(int rate, int channels, int bits, const QByteArray& data,
                const QByteArray& extra = {}, quint16 tag = 1) {
    const auto u32 = [](qsizetype v) {
        QByteArray b(4, '\0');
        qToLittleEndian(static_cast<quint32>(v), b.data());
        return b;
    };
    const auto u16 = [&](int v) { return u32(v).left(2); };
    const int frame = channels * bits / 8;
    const QByteArray body = "WAVEfmt " + u32(16) + u16(tag) + u16(channels) + u32(rate) +
                            u32(rate * frame) + u16(frame) + u16(bits) + extra + "data" +
                            u32(data.size()) + data;
    return "RIFF" + u32(body.size()) + body;
}

// Silence of `ms` milliseconds as 16-bit mono samples at 22.05 kHz.
QByteArray silence(int ms) {
    return QByteArray(22050 * ms / 1000 * 2, '\0');
}

class SoundTest : public testing::QtTest {
  protected:
    void SetUp() override {
        QtTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        QDir(folder_.path()).mkdir(QStringLiteral("RWWAVS"));
        for (std::string_view name : SoundPlayer::effectNames)
            writeEffect(QString::fromUtf8(name), wave(22050, 1, 16, silence(100)));
    }

    void writeEffect(const QString& name, const QByteArray& bytes) {
        QFile file(folder_.path() + QStringLiteral("/RWWAVS/") + name + QStringLiteral(".WAV"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    // A player on the stand-in output; `output` points at the stand-in.
    std::unique_ptr<SoundPlayer> makePlayer() {
        auto recording = std::make_unique<RecordingOutput>();
        output = recording.get();
        return std::make_unique<SoundPlayer>(folder_.path(), std::move(recording));
    }

    QTemporaryDir folder_;
    RecordingOutput* output = nullptr;
};

// Effects are read once and played in the one format of the output; a
// missing or unreadable effect, or no device, is silence; a device that never
// reports the end of a sound played to its end is given up on, with events
// going on meanwhile.
TEST_F(SoundTest, EffectsAreReadOnceAndAMissingOneOrNoDeviceIsSilent) {
    QFile::remove(folder_.path() + QStringLiteral("/RWWAVS/score.WAV"));
    writeEffect(QStringLiteral("hint"), "not a wave file");
    writeEffect(QStringLiteral("undo"), wave(22050, 1, 16, {}));                   // no samples
    writeEffect(QStringLiteral("redo"), wave(22050, 1, 32, silence(10), {}, 3));   // float
    writeEffect(QStringLiteral("draw"), wave(22050, 1, 16, silence(10)).left(30)); // cut short
    const QByteArray list = "LIST" + QByteArray("\x03\0\0\0abc\0", 8); // odd size, padded
    writeEffect(QStringLiteral("newGame"), wave(44100, 2, 8, QByteArray(8820, '\x80'), list));

    auto player = makePlayer();
    EXPECT_EQ(output->opened, 0) << "constructing touches no device";
    player->preload();
    player->preload();
    EXPECT_EQ(output->opened, 1);
    QElapsedTimer clock;
    clock.start();
    for (const char* name : {"score", "hint", "undo", "redo", "draw", "noSuchSound"}) {
        player->playAsync(name);
        player->playSync(name);
    }
    player->playMusic(); // there is no win01.mp3 in this folder
    EXPECT_TRUE(output->started.empty());
    player->playAsync("rollAll");
    player->playAsync("newGame");
    EXPECT_EQ(output->started, (std::vector<std::string>{"rollAll", "newGame"}));
    EXPECT_EQ(output->formats, std::vector<QAudioFormat>(2, mixFormat()));
    EXPECT_LT(clock.elapsed(), 500) << "nothing waits for a sound that is not played";

    std::string playingDuringEvent = "(event not run)";
    QTimer::singleShot(0, [&] { playingDuringEvent = output->playing; });
    player->playSync("exitGame"); // 100 ms, never reported: given up after a margin
    // Coarse timers may fire a little early, and a loaded machine late.
    EXPECT_TRUE(clock.elapsed() >= 450 && clock.elapsed() < 5000) << clock.elapsed();
    EXPECT_EQ(playingDuringEvent, "exitGame");
    EXPECT_EQ(output->playing, "") << "cut off when given up on";

    auto silent = makePlayer();
    output->hasDevice = false;
    silent->playAsync("rollAll");
    silent->playSync("exitGame");
    EXPECT_TRUE(output->started.empty());
}

TEST(ShippedSounds, EveryEffectAndTheMusicExistDecodeAndAreSmall) {
    const QString assets = QStringLiteral(ROLLWELL_ASSETS);
    for (std::string_view name : SoundPlayer::effectNames) {
        const QString path = assets + QStringLiteral("/RWWAVS/%1.WAV").arg(QString::fromUtf8(name));
        SCOPED_TRACE(path.toStdString());
        const auto clip = readWave(path, std::string(name));
        ASSERT_TRUE(clip);
        EXPECT_TRUE(clip->length().count() > 20 && clip->length().count() < 3000);
        EXPECT_LE(QFileInfo(path).size(), 128 * 1024);
    }
    QFile music(assets + QStringLiteral("/win01.mp3"));
    ASSERT_TRUE(music.open(QIODevice::ReadOnly));
    EXPECT_TRUE(music.size() > 10 * 1024 && music.size() < 1024 * 1024);
    const QByteArray head = music.read(2);
    EXPECT_TRUE(head == "ID" || (head[0] == '\xFF' && (head[1] & 0xE0) == 0xE0)) << "an MP3 file";
}

} // namespace
} // namespace rollwell
