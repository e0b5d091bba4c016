#pragma once

#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace rollwell {

// The one-copy lock, held for the whole run: a lock file in the lock folder,
// or, where that folder cannot hold one, a local server of a name of the
// user's own, so that a second copy is refused either way.
class InstanceLock {
  public:
    // Takes the lock; otherRunning() tells whether another copy holds it.
    InstanceLock(const QString& folder, const QString& serverName);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool otherRunning() const { return otherRunning_; }

    // The server name for the current user.
    static QString userServerName();

  private:
    void listen(const QString& serverName);

    std::unique_ptr<QLockFile> file_;
    std::unique_ptr<QLocalServer> server_;
    bool otherRunning_ = false;
};

} // namespace rollwell
