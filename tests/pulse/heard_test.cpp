// The program's own sound player against a real sound server: a PulseAudio
// daemon of the test's own with a null sink whose monitor is recorded.

#include "pulseserver.h"
#include "shell/mainwindow.h"
#include "shell/platform/soundplayer.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace rollwell {
namespace {

using namespace rollwell::pulse;

Samples clipOf(const std::string& name) {
    const auto clip = readWave(
        QStringLiteral(ROLLWELL_ASSETS "/RWWAVS/%1.WAV").arg(QString::fromStdString(name)), name);
    const QByteArray bytes = clip ? toMixFormat(*clip).samples : QByteArray();
    Samples s(size_t(bytes.size() / 2));
    std::memcpy(s.data(), bytes.constData(), s.size() * 2);
    return s;
}

double rms(const Samples& s, qint64 at, qint64 n) {
    double sum = 0;
    for (qint64 i = at; i < at + n && i < qint64(s.size()); ++i)
        sum += double(s[size_t(i)]) * s[size_t(i)];
    return std::sqrt(sum / double(n));
}

double correlation(const Samples& a, qint64 at, const Samples& b, qint64 bt, qint64 n) {
    double ab = 0;
    for (qint64 i = 0; i < n && at + i < qint64(a.size()); ++i)
        ab += double(a[size_t(at + i)]) * b[size_t(bt + i)];
    const double norm = rms(a, at, n) * rms(b, bt, n) * double(n);
    return norm > 0 ? ab / norm : 0;
}

// Where between `from` and `to` the recording matches the clip's first 20 ms best.
qint64 onset(const Samples& heard, const Samples& clip, qint64 from, qint64 to) {
    qint64 best = -1;
    for (double score = 0.9; from < to; ++from)
        if (const double c = correlation(heard, from, clip, 0, 441); c > score)
            score = c, best = from;
    return best;
}

// The share of the clip's audible 5 ms windows (above -50 dBFS) among its
// first `span` samples that the recording holds from `at` on, in shape and level.
double heardShare(const Samples& heard, qint64 at, const Samples& clip, qint64 span) {
    int audible = 0, whole = 0;
    for (qint64 w = 0; w + 110 <= std::min<qint64>(span, qint64(clip.size())); w += 110) {
        const double level = rms(clip, w, 110);
        if (level < 104) continue;
        ++audible;
        const double ratio = rms(heard, at + w, 110) / level;
        whole += correlation(heard, at + w, clip, w, 110) > 0.9 && ratio > 0.7 && ratio < 1.4;
    }
    return audible == 0 ? 1 : double(whole) / audible;
}

TEST(RealSoundServer, EveryEffectIsHeardWholeAndNothingWhileSoundIsOff) {
    Server server; // before anything in this process talks to a sound server
    ASSERT_TRUE(server.ready()) << "pulseaudio and pactl (scripts/deps.sh installs them)";
    int argc = 1;
    char* argv[] = {const_cast<char*>("test_pulse"), nullptr};
    QApplication app(argc, argv);
    Recording recording;

    // With sound off the window plays nothing and never connects to the server;
    // switching sound on readies the effects.
    SoundPlayer player(QStringLiteral(ROLLWELL_ASSETS));
    Settings settings;
    settings.SoundEnabled = false;
    MainWindow window(settings, &player);
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.engine().board().tmrAnimation.running; }));
    for (const char* control : {"picRollDices", "picDice_0"})
        QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(control)), Qt::LeftButton);
    QTest::qWait(300);
    EXPECT_FALSE(Server::connected()) << "sound off touches no sound server";
    window.findChild<QAction*>(QStringLiteral("mnuSoundsOn2"))->trigger();
    EXPECT_TRUE(QTest::qWaitFor([] { return Server::connected(); }, 3000));
    QTest::qWait(700); // the stream settles

    // Quick rolls, each cutting off the one before, with the window's thread
    // busy in between; then quick holds and releases; then one effect played
    // to its end.
    std::vector<std::pair<std::string, Clock::time_point>> requests;
    const auto play = [&](const char* effect, int busyMs, int idleMs) {
        requests.emplace_back(effect, Clock::now());
        player.playAsync(effect);
        std::this_thread::sleep_for(std::chrono::milliseconds(busyMs)); // as painting does
        QTest::qWait(idleMs);
    };
    const char* rolls[] = {"rollAll", "rollSome", "rollOne"};
    for (int i = 0; i < 20; ++i)
        play(rolls[i % 3], 200, 100);
    for (int i = 0; i < 10; ++i) {
        play("holdDice", 60, 90);
        play("UnHoldDice", 60, 90);
    }
    requests.emplace_back("exitGame", Clock::now());
    player.playSync("exitGame");
    const Clock::time_point returned = Clock::now();
    QTest::qWait(300);
    recording.stop();
    const Samples heard = recording.samples();

    // Each request is found where it was made and heard for 90% of what it
    // had before the next cut it off.
    std::vector<qint64> onsets;
    for (const auto& [effect, at] : requests) {
        const qint64 i = recording.indexAt(at);
        onsets.push_back(onset(heard, clipOf(effect), i - 200, i + kRate / 4));
    }
    for (size_t i = 0; i < requests.size(); ++i) {
        SCOPED_TRACE(requests[i].first + " #" + std::to_string(i));
        ASSERT_GE(onsets[i], 0) << "not heard at all";
        const Samples clip = clipOf(requests[i].first);
        const qint64 span = i + 1 < onsets.size() ? onsets[i + 1] - onsets[i] : qint64(clip.size());
        EXPECT_GE(heardShare(heard, onsets[i], clip, span), 0.9);
    }

    // The effect played to its end was heard to its end before the call returned.
    const Samples exit = clipOf("exitGame");
    const auto last =
        std::find_if(exit.rbegin(), exit.rend(), [](qint16 v) { return std::abs(v) > 104; });
    const qint64 end = onsets.back() + (exit.rend() - last);
    EXPECT_LE(end, recording.indexAt(returned) + kRate / 200) << "returned before it was heard";
}

} // namespace
} // namespace rollwell
