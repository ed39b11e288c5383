// Linux: a lock file in the per-user runtime folder. QLockFile tells a lock left by a process
// that no longer runs from one that is held.
#include "schedule/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

namespace {

std::unique_ptr<QLockFile> held;

} // namespace

bool claimSingleInstance()
{
    if (held)
        return true;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QDir().mkpath(folder);
    auto lock = std::make_unique<QLockFile>(
        QDir(folder).filePath(QStringLiteral("Zu_Radid_Ederoz.lock")));
    lock->setStaleLockTime(0); // a held lock never goes stale by age, only with its process
    if (!lock->tryLock(10))
        return false;
    held = std::move(lock);
    return true;
}

void releaseSingleInstance()
{
    held.reset();
}
