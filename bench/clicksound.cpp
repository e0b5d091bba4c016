// Click-to-sound delay through the real window: a PulseAudio daemon of our own
// with a null sink whose monitor is recorded; the game's window with sound on
// is clicked (rolls, holds, releases and placements) and each click's sound is
// found in the recording. Prints the median and worst delay over 50 clicks.
//   clicksound [clicks]
#include "pulse/pulseserver.h"
#include "shell/mainwindow.h"
#include "shell/platform/soundplayer.h"

#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <cstdio>

using namespace rollwell;
using namespace rollwell::pulse;

int main(int argc, char* argv[]) {
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 50;
    Server server;
    if (!server.ready()) {
        std::fprintf(stderr, "no sound server (pulseaudio, pactl)\n");
        return 1;
    }
    QApplication app(argc, argv);
    Recording recording;
    SoundPlayer player(QStringLiteral(ROLLWELL_ASSETS));
    Settings settings;
    settings.ConfirmOnExit = false;
    MainWindow window(settings, &player);
    window.show();
    if (!QTest::qWaitFor([&] { return !window.engine().board().tmrAnimation.running; }, 10000))
        return 1;
    QTest::qWait(1000); // the stream is open and settled

    const auto widget = [&](const QString& name) { return window.findChild<QWidget*>(name); };
    std::vector<Clock::time_point> times;
    const auto click = [&](QWidget* w, int thenMs) {
        times.push_back(Clock::now());
        QTest::mouseClick(w, Qt::LeftButton);
        QTest::qWait(thenMs);
    };
    int row = 0;
    while (int(times.size()) < clicks) {
        for (int roll = 0; roll < 3 && int(times.size()) < clicks; ++roll) {
            click(widget(QStringLiteral("picRollDices")), 300); // the shake runs inside the click
            if (roll < 2) {
                click(widget(QStringLiteral("picDice_0")), 250);
                click(widget(QStringLiteral("PicDiceOff_0")), 250);
            }
        }
        if (int(times.size()) < clicks) click(widget(QStringLiteral("cmdRand_%1").arg(row++)), 600);
    }
    QTest::qWait(300);
    recording.stop();
    const std::vector<qint16> heard = recording.samples();

    // The first sample above -40 dBFS after each click, before the next one.
    std::vector<double> delays;
    for (size_t i = 0; i < times.size(); ++i) {
        const qint64 from = std::max<qint64>(recording.indexAt(times[i]), 0);
        const qint64 to =
            i + 1 < times.size() ? recording.indexAt(times[i + 1]) : qint64(heard.size());
        for (qint64 k = from; k < to && k < qint64(heard.size()); ++k) {
            if (std::abs(heard[size_t(k)]) > 328) {
                delays.push_back(double(k - from) * 1000.0 / kRate);
                break;
            }
        }
    }
    std::sort(delays.begin(), delays.end());
    if (delays.empty()) return 1;
    std::printf("clicks %zu, heard %zu, delay median %.1f ms, worst %.1f ms\n", times.size(),
                delays.size(), delays[delays.size() / 2], delays.back());
    return 0;
}
