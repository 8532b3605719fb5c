#include "program/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// Keeps a name usable as part of a file name on every platform.
QString fileNameSafe(QString text) {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    text.replace(unsafe, QStringLiteral("_"));
    return text.isEmpty() ? QStringLiteral("default") : text;
}

QString userName() {
#ifdef Q_OS_WIN
    const QString name = qEnvironmentVariable("USERNAME");
#else
    const QString name = qEnvironmentVariable("USER");
#endif
    // Without the variable (a service, a bare container) the home folder's
    // name still tells users apart.
    return name.isEmpty() ? QDir::home().dirName() : name;
}

} // namespace

QString desktopSessionName() {
#ifdef Q_OS_WIN
    // "Console" or e.g. "RDP-Tcp#3": one per logged-on session.
    return qEnvironmentVariable("SESSIONNAME");
#else
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    return wayland.isEmpty() ? qEnvironmentVariable("DISPLAY") : wayland;
#endif
}

SingleInstance::SingleInstance(const QString& directory)
    : path_(QDir(directory).filePath(lockFileName())) {}

QString SingleInstance::defaultDirectory() {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return directory;
}

QString SingleInstance::lockFileName() {
    // The user is part of the name because the temporary directory, unlike
    // the runtime one, may be shared by every user of the machine.
    return fileNameSafe(QCoreApplication::applicationName()) + QLatin1Char('-') + fileNameSafe(userName()) +
           QLatin1Char('-') + fileNameSafe(desktopSessionName()) + QStringLiteral(".lock");
}

SingleInstance::Claim SingleInstance::claim() {
    if (isClaimed())
        return Claim::Claimed;
    auto lock = std::make_unique<QLockFile>(path_);
    // A lock is held for the whole run, so its age says nothing: only a dead
    // owner makes it stale (QLockFile checks the recorded process).
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        return Claim::Claimed;
    }
    return lock->error() == QLockFile::LockFailedError ? Claim::HeldByAnother : Claim::Unavailable;
}

bool SingleInstance::isClaimed() const { return lock_ && lock_->isLocked(); }
