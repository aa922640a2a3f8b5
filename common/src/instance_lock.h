// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance lock: the kernel's lock on a file in a folder private to the user.
#pragma once

#include "own_files.h"

#include <QString>

namespace orbis {

class InstanceLock {
public:
    // False only when a running process holds the lock named `name` for this user. True
    // otherwise, with the lock held from then on where a private folder for it could be found.
    bool tryLock(const QString& name);

private:
    Descriptor file_;
};

} // namespace orbis
