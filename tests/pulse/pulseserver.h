#pragma once

// A sound server of our own for tests and benchmarks: a user-mode PulseAudio
// daemon with one null sink in a folder of its own (also when run as root),
// and a recording of the sink's monitor by parec on a thread of its own, each
// chunk stamped with the time it arrived.

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace rollwell::pulse {

using Clock = std::chrono::steady_clock;
using Samples = std::vector<qint16>;
// The null sink plays in the effects' own format, so that the recording holds
// the very samples that were played.
constexpr int kRate = 22050;

inline QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Starts the daemon and points this process's clients at it: make it before
// anything in the process talks to a sound server.
class Server {
  public:
    Server() {
        const QString dir = folder_.path(), socket = dir + QStringLiteral("/native");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
            env.insert(QString::fromLatin1(name), dir); // never the user's own
        daemon_.setProcessEnvironment(env);
        daemon_.setStandardErrorFile(QProcess::nullDevice());
        daemon_.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
             QStringLiteral("-L"),
             QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket,
             QStringLiteral("-L"),
             QStringLiteral("module-null-sink sink_name=rollwell channels=1 rate=%1").arg(kRate)});
        qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
        for (int i = 0; i < 100 && daemon_.state() != QProcess::NotRunning && !ready_; ++i) {
            ready_ = run(QStringLiteral("pactl"), {QStringLiteral("info")}).contains(u"rollwell");
            QThread::msleep(ready_ ? 0 : 50);
        }
    }
    ~Server() {
        daemon_.terminate();
        if (!daemon_.waitForFinished(3000)) daemon_.kill();
    }
    bool ready() const { return ready_; }

    // Whether a client of this process is connected.
    static bool connected() {
        return run(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("clients")})
            .contains(QStringLiteral("application.process.id = \"%1\"")
                          .arg(QCoreApplication::applicationPid()));
    }

  private:
    QTemporaryDir folder_;
    QProcess daemon_;
    bool ready_ = false;
};

// What the sink played. The monitor sends nothing while nothing is connected.
class Recording {
  public:
    Recording() : reader_([this] { read(); }) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300)); // parec connects
    }
    ~Recording() { stop(); }
    void stop() {
        stop_ = true;
        if (reader_.joinable()) reader_.join();
    }
    Samples samples() const {
        std::lock_guard lock(mutex_);
        Samples out(size_t(bytes_.size() / 2));
        std::memcpy(out.data(), bytes_.constData(), out.size() * 2);
        return out;
    }
    // The index of the sample the sink played at `t`: a chunk arrives a little
    // after its last sample was played, and the soonest arrival fixes the offset.
    qint64 indexAt(Clock::time_point t) const {
        std::lock_guard lock(mutex_);
        Clock::duration first = Clock::duration::max();
        for (const auto& [arrived, count] : chunks_)
            first = std::min(first, arrived.time_since_epoch() -
                                        std::chrono::microseconds(count * 1'000'000 / kRate));
        return (t.time_since_epoch() - first) / std::chrono::microseconds(1) * kRate / 1'000'000;
    }

  private:
    void read() {
        QProcess parec;
        parec.start(QStringLiteral("parec"),
                    {QStringLiteral("--device=rollwell.monitor"), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                     QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--latency-msec=5")});
        while (!stop_ && parec.waitForStarted(5000) && parec.state() == QProcess::Running) {
            if (!parec.waitForReadyRead(20)) continue;
            const QByteArray chunk = parec.readAllStandardOutput();
            std::lock_guard lock(mutex_);
            bytes_ += chunk;
            chunks_.emplace_back(Clock::now(), bytes_.size() / 2);
        }
        parec.kill();
        parec.waitForFinished(2000);
    }

    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    QByteArray bytes_;
    std::vector<std::pair<Clock::time_point, qint64>> chunks_;
    std::thread reader_; // last: starts once the rest is built
};

} // namespace rollwell::pulse
