// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance lock. The kernel drops it when the process ends, however it ends, so no
// process id, host or age is ever judged, and a lock file left behind, cut short or forged costs
// nothing.
#include "instance_lock.h"

#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace orbis {

bool InstanceLock::tryLock(const QString& name)
{
    // The runtime folder, else the cache folder (made where it is missing, the runtime folder
    // never), each only where it is the user's and nobody else may write into it: never a shared
    // one such as /tmp, where another user could hold the lock.
    for (const bool runtime : {true, false}) {
        const Descriptor folder =
            runtime
                ? OpenOwnFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), false)
                : OpenOwnFolder(
                      QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation), true);
        // Opened read and write, a pipe does not wait for a writer.
        Descriptor file(folder.valid()
                            ? ::openat(folder.handle, QFile::encodeName(name).constData(),
                                       O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)
                            : -1);
        // Something else where the lock belongs (a link, a folder) or a folder nobody may write
        // into: the next folder serves.
        if (!file.valid())
            continue;
        if (::flock(file.handle, LOCK_EX | LOCK_NB) == 0) {
            file_ = std::move(file);
            return true;
        }
        if (errno == EWOULDBLOCK)
            return false;
    }
    // No private place for a lock: nothing proves that a copy runs.
    return true;
}

} // namespace orbis
