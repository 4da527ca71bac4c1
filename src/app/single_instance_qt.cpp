#include "app/single_instance_qt.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

SingleInstance::SingleInstance() = default;
SingleInstance::~SingleInstance() = default;

SingleInstance::Result SingleInstance::acquire(const QString& folder) {
    const QString dir = folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) : folder;
    if (dir.isEmpty() || !QDir().mkpath(dir)) return Result::CannotCreate;
    path_ = QDir(dir).filePath(QStringLiteral("Qubix is running.lock"));
    lock_ = std::make_unique<QLockFile>(path_);
    // Only a lock whose process is gone is stale, however old it is.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return Result::Acquired;
    const QLockFile::LockError error = lock_->error();
    lock_.reset();
    return error == QLockFile::LockFailedError ? Result::AlreadyRunning : Result::CannotCreate;
}

QString SingleInstance::messageFor(Result result) {
    switch (result) {
    case Result::Acquired: return {};
    case Result::AlreadyRunning: return QStringLiteral("Qubix は既に起動されています");
    case Result::CannotCreate: return QStringLiteral("MUTEXを作成できません");
    }
    return {};
}
