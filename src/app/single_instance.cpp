#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace lw {

SingleInstance::SingleInstance() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    QDir().mkpath(dir);
    lock_ = std::make_unique<QLockFile>(dir + QStringLiteral("/Lorewright.lock"));
    lock_->setStaleLockTime(0);  // only a lock whose process is gone counts as stale
}

bool SingleInstance::Acquire() { return lock_->tryLock(0); }

void SingleInstance::Release() {
    if (lock_->isLocked()) lock_->unlock();
}

}  // namespace lw
