#pragma once

// A sound server of our own for tests and benchmarks: a user-mode PulseAudio
// daemon with one null sink, in a folder of its own (also when run as root),
// and a recording of that sink's monitor taken with parec on a thread of its
// own, each chunk stamped with the time it arrived.

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace rollwell::pulse {

using Clock = std::chrono::steady_clock;
// The null sink plays what it is given in the effects' own format, so that
// the recording holds exactly the samples that were played.
constexpr int kRate = 22050;

inline QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Starts the daemon and points this process's clients at it: call before
// anything in the process talks to a sound server.
class Server {
  public:
    Server() {
        const QString dir = folder_.path();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir); // its cookie and state, never the user's
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir);
        daemon_.setProcessEnvironment(env);
        daemon_.setStandardErrorFile(QProcess::nullDevice());
        const QString socket = dir + QStringLiteral("/native");
        daemon_.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
             QStringLiteral("--disallow-module-loading"), QStringLiteral("--log-level=0"),
             QStringLiteral("-L"),
             QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket,
             QStringLiteral("-L"),
             QStringLiteral("module-null-sink sink_name=rollwell format=s16le channels=1 "
                            "rate=%1")
                 .arg(kRate)});
        qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
        qputenv("PULSE_SINK", "rollwell");
        if (!daemon_.waitForStarted(5000)) return;
        for (int i = 0; i < 100 && !ready_; ++i) {
            ready_ = run(QStringLiteral("pactl"), {QStringLiteral("info")})
                         .contains(QStringLiteral("Default Sink: rollwell"));
            if (!ready_) QThread::msleep(50);
        }
    }
    ~Server() {
        daemon_.terminate();
        if (!daemon_.waitForFinished(3000)) daemon_.kill();
        daemon_.waitForFinished(1000);
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

// What the sink played, as 16-bit samples at kRate.
class Recording {
  public:
    Recording() {
        reader_ = std::thread([this] { read(); });
        while (!started_)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(200)); // parec settles
    }
    ~Recording() { stop(); }
    void stop() {
        stop_ = true;
        if (reader_.joinable()) reader_.join();
    }

    std::vector<qint16> samples() const {
        std::lock_guard lock(mutex_);
        std::vector<qint16> out(bytes_.size() / 2);
        std::memcpy(out.data(), bytes_.data(), out.size() * 2);
        return out;
    }
    // The index of the sample the sink played at `t`. A chunk arrives a little
    // after its last sample was played; the chunk that arrived soonest after
    // its samples fixes the offset.
    qint64 indexAt(Clock::time_point t) const {
        std::lock_guard lock(mutex_);
        double best = 1e300;
        for (const auto& [arrived, count] : chunks_) {
            const double start = std::chrono::duration<double>(arrived.time_since_epoch()).count() -
                                 static_cast<double>(count) / kRate;
            best = std::min(best, start);
        }
        const double at = std::chrono::duration<double>(t.time_since_epoch()).count();
        return static_cast<qint64>((at - best) * kRate);
    }

  private:
    void read() {
        QProcess parec;
        parec.start(QStringLiteral("parec"),
                    {QStringLiteral("--device=rollwell.monitor"), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                     QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--latency-msec=5")});
        parec.waitForStarted(5000);
        started_ = true;
        while (!stop_ && parec.state() == QProcess::Running) {
            if (!parec.waitForReadyRead(20)) continue;
            const QByteArray chunk = parec.readAllStandardOutput();
            const Clock::time_point now = Clock::now();
            std::lock_guard lock(mutex_);
            bytes_ += chunk;
            chunks_.emplace_back(now, bytes_.size() / 2);
        }
        parec.terminate();
        parec.waitForFinished(2000);
    }

    std::thread reader_;
    std::atomic<bool> started_{false}, stop_{false};
    mutable std::mutex mutex_;
    QByteArray bytes_;
    std::vector<std::pair<Clock::time_point, qint64>> chunks_;
};

} // namespace rollwell::pulse
