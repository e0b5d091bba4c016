// The program's own sound player against a real sound server: a PulseAudio
// daemon of the test's own with a null sink whose monitor is recorded.

#include "heard.h"
#include "pulseserver.h"
#include "shell/mainwindow.h"
#include "shell/platform/soundplayer.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace rollwell {
namespace {

using namespace rollwell::pulse;

const QString kAssets = QStringLiteral(ROLLWELL_ASSETS);

Samples clipOf(std::string_view name) {
    const auto clip =
        readWave(kAssets + QStringLiteral("/RWWAVS/%1.WAV").arg(QString::fromUtf8(name)), "");
    if (!clip) return {};
    const SoundClip mixed = toMixFormat(*clip);
    Samples s(size_t(mixed.samples.size() / 2));
    std::memcpy(s.data(), mixed.samples.constData(), s.size() * 2);
    return s;
}

// Keeps the window's thread from its events, as painting and the dice shake do.
void busy(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void events(int ms) {
    QTest::qWait(ms);
}

struct Request {
    std::string name;
    Clock::time_point at;
};

TEST(RealSoundServer, EveryEffectIsHeardWholeAndNothingWhileSoundIsOff) {
    Server server; // before anything in this process talks to a sound server
    ASSERT_TRUE(server.ready()) << "pulseaudio and pactl (scripts/deps.sh installs them)";
    int argc = 1;
    char name[] = "test_pulse";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    Recording recording;

    // With sound off the window plays nothing and never connects to the server;
    // switching sound on readies the effects.
    SoundPlayer player(kAssets);
    Settings settings;
    settings.SoundEnabled = false;
    MainWindow window(settings, &player);
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.engine().board().tmrAnimation.running; }));
    const auto click = [&](const char* control) {
        QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(control)), Qt::LeftButton);
    };
    click("picRollDices");
    click("picDice_0");
    click("PicDiceOff_0");
    events(300);
    EXPECT_FALSE(Server::connected()) << "sound off touches no sound server";
    const size_t soundOn = recording.samples().size();
    window.findChild<QAction*>(QStringLiteral("mnuSoundsOn2"))->trigger();
    EXPECT_TRUE(QTest::qWaitFor([] { return Server::connected(); }, 3000));
    events(700); // the stream settles

    // Quick rolls, each cutting off the one before, with the window's thread
    // busy in between; then quick holds and releases; then one effect played
    // to its end.
    std::vector<Request> requests;
    const auto play = [&](const char* effect, int busyMs, int idleMs) {
        requests.push_back({effect, Clock::now()});
        player.playAsync(effect);
        busy(busyMs);
        events(idleMs);
    };
    const char* rolls[] = {"rollAll", "rollSome", "rollOne"};
    for (int i = 0; i < 20; ++i)
        play(rolls[i % 3], 200, 100);
    for (int i = 0; i < 10; ++i) {
        play("holdDice", 60, 90);
        play("UnHoldDice", 60, 90);
    }
    requests.push_back({"exitGame", Clock::now()});
    player.playSync("exitGame");
    const Clock::time_point returned = Clock::now();
    events(300);
    recording.stop();
    const Samples heard = recording.samples();

    for (size_t i = 0; i < soundOn; ++i)
        ASSERT_LT(std::abs(heard[i]), 8) << "heard while sound was off, at " << i;

    // Each request is found where it was made and heard for 90% of what it
    // had before the next cut it off.
    std::vector<qint64> onsets;
    for (const Request& r : requests) {
        const qint64 at = recording.indexAt(r.at);
        onsets.push_back(onset(heard, clipOf(r.name), at - 200, at + kRate / 4));
    }
    int whole = 0;
    for (size_t i = 0; i < requests.size(); ++i) {
        SCOPED_TRACE(requests[i].name + " #" + std::to_string(i));
        ASSERT_GE(onsets[i], 0) << "not heard at all";
        const qint64 span = i + 1 < onsets.size() && onsets[i + 1] > 0
                                ? onsets[i + 1] - onsets[i]
                                : qint64(clipOf(requests[i].name).size());
        const double share = heardShare(heard, onsets[i], clipOf(requests[i].name), span);
        EXPECT_GE(share, 0.9);
        whole += share == 1.0;
    }
    std::printf("%d of %zu requests heard whole\n", whole, requests.size());

    // The effect played to its end was heard to its end before the call returned.
    const qint64 end = onsets.back() + audibleEnd(clipOf("exitGame"));
    EXPECT_LE(end, recording.indexAt(returned) + kRate / 200) << "returned before it was heard";
    EXPECT_GE(end, recording.indexAt(returned) - kRate / 5) << "waited long after it was heard";
}

} // namespace
} // namespace rollwell
