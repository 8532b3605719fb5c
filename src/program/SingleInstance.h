#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>

// One running copy per user and desktop. The first copy holds a lock file
// for as long as it lives; a later copy finds it taken. A lock left behind by
// a copy that crashed or was killed is recognised by its dead process and
// taken over. On Windows a named mutex beside the file decides instead: the
// system releases it however its process ends, while the process number in
// a file left behind may belong to another process after a new session.
class SingleInstance {
public:
    // The lock lives in the first of `directories` that can hold it: by
    // default the user's runtime directory, then the temporary one.
    explicit SingleInstance(QStringList directories = defaultDirectories());
    explicit SingleInstance(const QString& directory) : SingleInstance(QStringList{directory}) {}

    enum class Claim {
        Claimed,       // this copy now holds the lock
        HeldByAnother, // another running copy holds it
        Unavailable,   // no lock could be made (e.g. an unwritable directory)
    };

    // Takes the lock unless another copy holds it; this copy keeps it until
    // the object goes.
    Claim claim();
    bool isClaimed() const;

    static QStringList defaultDirectories();

    // The lock's file name: the program, the user and the desktop session.
    static QString lockFileName();

private:
    QStringList directories_;
    QString name_;
    QString path_;
#ifdef Q_OS_WIN
    std::shared_ptr<void> sessionMutex_; // goes after the lock file it guards
#endif
    std::unique_ptr<QLockFile> lock_;
};

#ifdef Q_OS_WIN
// A mutex `name` in the logon session's namespace ("Local\"), held until
// the handle goes. Null when it cannot be had: heldByAnother then tells
// another process's mutex from none that could be made.
std::shared_ptr<void> claimSessionMutex(const QString& name, bool& heldByAnother);
#endif

// A name for the desktop this copy runs on, so that the same user on two
// desktops (two X displays, two Windows sessions) gets two locks, and one
// desktop written two ways (":0" and "unix:0.0") gets one.
QString desktopSessionName();

// The X display a DISPLAY value names: "host:number", with the host left
// empty for a local display and the screen number dropped.
QString normalisedX11Display(const QString& display);
