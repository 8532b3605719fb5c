#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One running copy per user and desktop. The first copy holds a lock file
// for as long as it lives; a later copy finds it taken. A lock left behind by
// a copy that crashed or was killed is recognised by its dead process and
// taken over.
class SingleInstance {
public:
    // directory: where the lock lives; by default the user's runtime
    // directory (the temporary one where there is none).
    explicit SingleInstance(const QString& directory = defaultDirectory());

    enum class Claim {
        Claimed,       // this copy now holds the lock
        HeldByAnother, // another running copy holds it
        Unavailable,   // no lock could be made (e.g. an unwritable directory)
    };

    // Takes the lock unless another copy holds it; this copy keeps it until
    // the object goes.
    Claim claim();
    bool isClaimed() const;

    QString lockFilePath() const { return path_; }

    static QString defaultDirectory();

    // The lock's file name: the program, the user and the desktop session.
    static QString lockFileName();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

// A name for the desktop this copy runs on, so that the same user on two
// desktops (two X displays, two Windows sessions) gets two locks.
QString desktopSessionName();
