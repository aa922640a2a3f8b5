// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Folders and files of the user's own, each name looked up once and then used only through its
// descriptor, so that nobody can swap what was checked for something else.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/stat.h>
#include <utility>

namespace orbis {

// A file descriptor, closed when it goes.
struct Descriptor {
    explicit Descriptor(int handle = -1) : handle(handle) {}
    Descriptor(Descriptor&& other) noexcept : handle(std::exchange(other.handle, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        std::swap(handle, other.handle);
        return *this;
    }
    ~Descriptor();
    bool valid() const { return handle >= 0; }

    int handle;
};

// The folder at the absolute `path`, opened where it is the user's and nobody else may write into
// it, and every link on the way is the user's or root's. Where `make`, missing folders are made on
// the way, each only inside one of the user's. Invalid otherwise, and always for a start as root
// in a home that is not root's.
Descriptor OpenOwnFolder(const QString& path, bool make);

// The file at `path`, in a folder found as OpenOwnFolder finds it. Only a regular file is opened,
// and through a link only one of the user's own.
class OwnFile {
public:
    OwnFile(const QString& path, bool makeFolders);

    // Empty where there is no file yet; none where the place is not the user's own, or what lies
    // there is no regular file of at most `limit` bytes, or cannot be read.
    std::optional<QByteArray> read(qint64 limit) const;
    // Puts `contents` in the file's place whole, with the owner and mode of the file that was
    // there. False when anything fails; the old file is then as it was.
    bool replace(const QByteArray& contents) const;

private:
    Descriptor folder_;
    QByteArray name_;
    Descriptor file_; // invalid: no file there yet
    struct stat info_ {};
    bool usable_ = false;
};

} // namespace orbis
