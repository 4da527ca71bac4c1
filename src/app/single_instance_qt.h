// One running program per user: a lock file named after "Qubix is running"
// in the user's runtime folder, held while the program runs.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

class SingleInstance {
public:
    enum class Result {
        Acquired,        // this is the only instance
        AlreadyRunning,  // another instance holds the lock: show the message, exit 0
        CannotCreate,    // no lock could be made: show the message and go on
    };

    SingleInstance();
    ~SingleInstance();

    // Takes the lock in `folder`; the user's runtime folder when empty.
    Result acquire(const QString& folder = QString());
    QString lockPath() const { return path_; }

    // What the user is told; empty for Acquired.
    static QString messageFor(Result result);

private:
    std::unique_ptr<QLockFile> lock_;
    QString path_;
};
