#include "program/SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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

QString normalisedX11Display(const QString& display) {
    // [host]:display[.screen]; the screens of one display share one desktop,
    // and "unix" is the local socket just as an empty host is.
    const int colon = display.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return display;
    QString host = display.left(colon);
    if (host == QLatin1String("unix"))
        host.clear();
    const QString number = display.mid(colon + 1).section(QLatin1Char('.'), 0, 0);
    return host + QLatin1Char(':') + number;
}

QString desktopSessionName() {
#ifdef Q_OS_WIN
    // The number Windows gives each logon session (the console's, each
    // remote desktop's). SESSIONNAME would say the same for most starts, but
    // a program started by another without it would share every session.
    DWORD session = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &session))
        return QString();
    return QStringLiteral("session-") + QString::number(session);
#else
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty())
        return QStringLiteral("wayland-") + QFileInfo(wayland).fileName();
    return normalisedX11Display(qEnvironmentVariable("DISPLAY"));
#endif
}

// The name is fixed when the object is made: the desktop it names is the
// one this copy started on.
SingleInstance::SingleInstance(QStringList directories)
    : directories_(std::move(directories)), name_(lockFileName()) {}

QStringList SingleInstance::defaultDirectories() {
    QStringList directories;
#ifdef Q_OS_WIN
    // Windows has no runtime directory: Qt gives the home folder, where a
    // lock file would sit among the user's own. The user's temporary folder
    // is the user's alone there.
    const auto locations = {QStandardPaths::TempLocation};
#else
    const auto locations = {QStandardPaths::RuntimeLocation, QStandardPaths::TempLocation};
#endif
    for (const auto location : locations) {
        const QString directory = QStandardPaths::writableLocation(location);
        if (!directory.isEmpty() && !directories.contains(directory))
            directories << directory;
    }
    return directories;
}

QString SingleInstance::lockFileName() {
    // The user is part of the name because the temporary directory, unlike
    // the runtime one, may be shared by every user of the machine.
    return fileNameSafe(QCoreApplication::applicationName()) + QLatin1Char('-') +
           fileNameSafe(userName()) + QLatin1Char('-') + fileNameSafe(desktopSessionName()) +
           QStringLiteral(".lock");
}

SingleInstance::Claim SingleInstance::claim() {
    if (isClaimed())
        return Claim::Claimed;
    // A folder that cannot hold the lock (missing, read-only, full) passes
    // the turn to the next; a lock found held anywhere is a refusal.
    for (const QString& directory : directories_) {
        const QString path = QDir(directory).filePath(name_);
        auto lock = std::make_unique<QLockFile>(path);
        // A lock is held for the whole run, so its age says nothing: only a
        // dead owner makes it stale (QLockFile checks the recorded process).
        lock->setStaleLockTime(0);
#ifdef Q_OS_WIN
        // The mutex is named by the lock's path, so that a lock in another
        // folder (a test's) is another lock. While this copy holds it, a
        // lock file already there is a forced end's: stale, whatever the
        // process its number now names.
        bool heldByAnother = false;
        const QByteArray where =
            QCryptographicHash::hash(path.toLower().toUtf8(), QCryptographicHash::Md5).toHex();
        std::shared_ptr<void> mutex = claimSessionMutex(QFileInfo(name_).completeBaseName() +
                                                            QLatin1Char('-') + QLatin1String(where),
                                                        heldByAnother);
        if (heldByAnother)
            return Claim::HeldByAnother;
#endif
        bool locked = lock->tryLock(0);
#ifdef Q_OS_WIN
        if (!locked && mutex && lock->error() == QLockFile::LockFailedError)
            locked = lock->removeStaleLockFile() && lock->tryLock(0);
#endif
        if (locked) {
            path_ = path;
            lock_ = std::move(lock);
#ifdef Q_OS_WIN
            sessionMutex_ = std::move(mutex);
#endif
            return Claim::Claimed;
        }
        if (lock->error() == QLockFile::LockFailedError)
            return Claim::HeldByAnother;
    }
    return Claim::Unavailable;
}

bool SingleInstance::isClaimed() const {
    return lock_ && lock_->isLocked();
}
