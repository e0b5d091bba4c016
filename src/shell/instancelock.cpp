#include "shell/instancelock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace rollwell {
namespace {

// Whether a running copy listens under the name. On Linux the name lives in
// the abstract namespace: no folder needs to be written, and the name goes
// with the process that held it.
bool Answers(const QString& serverName) {
    QLocalSocket probe;
    probe.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    probe.connectToServer(serverName);
    return probe.waitForConnected(1000);
}

} // namespace

InstanceLock::InstanceLock(const QString& folder, const QString& serverName) {
    QDir().mkpath(folder);
    file_ = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("rollwell.lock")));
    // Only the dead owner's PID makes a lock stale: a copy that has been
    // running for hours still holds it, and a run that was killed never blocks
    // the next start.
    file_->setStaleLockTime(0);
    if (file_->tryLock(0)) {
        // A copy that found the folder unwritable holds the name instead.
        otherRunning_ = Answers(serverName);
        return;
    }
    otherRunning_ = file_->error() == QLockFile::LockFailedError;
    file_.reset();
    if (!otherRunning_) listen(serverName);
}

InstanceLock::~InstanceLock() = default;

void InstanceLock::listen(const QString& serverName) {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (server_->listen(serverName)) return;
    if (server_->serverError() == QAbstractSocket::AddressInUseError) {
        otherRunning_ = Answers(serverName);
        // A name left behind by a copy that died answers nobody: take it over.
        if (!otherRunning_ && QLocalServer::removeServer(serverName) && server_->listen(serverName))
            return;
    }
    // Nowhere to hold the lock must not keep the player from a game.
    server_.reset();
}

QString InstanceLock::userServerName() {
    const QByteArray home = QDir::homePath().toUtf8();
    return QStringLiteral("rollwell-") +
           QString::fromLatin1(
               QCryptographicHash::hash(home, QCryptographicHash::Sha256).toHex().left(16));
}

} // namespace rollwell
