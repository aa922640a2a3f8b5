// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Folders and files of the user's own: every name is looked up once, relative to the descriptor of
// the folder it lies in, and what was checked is what is used.
#include "own_files.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace orbis {

namespace {

constexpr int kMostLinks = 40;
constexpr int kLookUp = O_PATH | O_NOFOLLOW | O_CLOEXEC;

bool OwnedByUser(int handle)
{
    struct stat info {};
    return ::fstat(handle, &info) == 0 && info.st_uid == ::geteuid();
}

// What the link opened as `link` says; empty when that cannot be read.
QByteArray LinkText(int link)
{
    char text[PATH_MAX];
    const ssize_t length = ::readlinkat(link, "", text, sizeof text);
    return length > 0 && length < ssize_t(sizeof text) ? QByteArray(text, length) : QByteArray();
}

QByteArray ProcPath(int handle)
{
    return "/proc/self/fd/" + QByteArray::number(handle);
}

// A start as root, by sudo say, may keep a user's HOME: nothing of root's goes there, where the
// user could no longer change it and could use it against root.
bool InForeignHome(const QString& path)
{
    const QString home = QDir::cleanPath(QDir::homePath());
    struct stat info {};
    if (::geteuid() != 0 ||
        (::stat(QFile::encodeName(home).constData(), &info) == 0 && info.st_uid == 0))
        return false;
    const QString place = QDir::cleanPath(path);
    return place == home || place.startsWith(home + QLatin1Char('/'));
}

struct Place {
    Descriptor folder; // where `name` lies; invalid when the place is not to be used
    QByteArray name;
    Descriptor entry; // what lies there, looked up only; invalid when nothing does
    bool throughLink = false;
};

// Walks `path` from the root one name at a time, each looked up relative to the folder before it.
// A link is followed only where it is the user's or root's; where `make`, a missing folder is made
// only inside one of the user's. The last name is a folder's, or where `toFile` a file's, which
// is looked up and left to the caller.
Place Walk(const QString& path, bool make, bool toFile)
{
    Place place;
    if (!path.startsWith(QLatin1Char('/')) || InForeignHome(path))
        return place;
    QByteArrayList pending = QFile::encodeName(path).split('/');
    place.folder = Descriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    for (int links = 0; place.folder.valid() && !pending.isEmpty();) {
        place.name = pending.takeFirst();
        if (place.name.isEmpty())
            continue;
        const bool last = toFile && pending.isEmpty();
        const char* name = place.name.constData();
        Descriptor next(::openat(place.folder.handle, name, kLookUp));
        if (!next.valid() && errno == ENOENT && last)
            return place;
        if (!next.valid() && errno == ENOENT && make && OwnedByUser(place.folder.handle) &&
            (::mkdirat(place.folder.handle, name, 0700) == 0 || errno == EEXIST))
            next = Descriptor(::openat(place.folder.handle, name, kLookUp));
        struct stat info {};
        if (!next.valid() || ::fstat(next.handle, &info) != 0)
            return Place();
        if (S_ISLNK(info.st_mode)) {
            const bool followed =
                (info.st_uid == ::geteuid() || info.st_uid == 0) && ++links <= kMostLinks;
            const QByteArray target = followed ? LinkText(next.handle) : QByteArray();
            if (target.isEmpty())
                return Place();
            if (target.startsWith('/'))
                place.folder = Descriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
            pending = target.split('/') + pending;
            place.throughLink = place.throughLink || last;
        } else if (last) {
            place.entry = std::move(next);
        } else if (S_ISDIR(info.st_mode)) {
            place.folder = std::move(next);
        } else {
            return Place();
        }
    }
    return place;
}

// The folder found, opened for use, where it is the user's and nobody else may write into it.
Descriptor Checked(const Descriptor& folder)
{
    struct stat info {};
    Descriptor opened(
        folder.valid() ? ::openat(folder.handle, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1);
    const bool own = opened.valid() && ::fstat(opened.handle, &info) == 0 &&
                     info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
    return own ? std::move(opened) : Descriptor();
}

} // namespace

Descriptor::~Descriptor()
{
    if (handle >= 0)
        ::close(handle);
}

Descriptor OpenOwnFolder(const QString& path, bool make)
{
    return Checked(Walk(path, make, false).folder);
}

OwnFile::OwnFile(const QString& path, bool makeFolders)
{
    const Place place = Walk(path, makeFolders, true);
    folder_ = Checked(place.folder);
    name_ = place.name;
    usable_ = folder_.valid();
    if (!usable_ || !place.entry.valid())
        return;
    // A device, pipe, socket or folder is no settings file and is never opened: reading one may
    // wait for a writer or never end.
    usable_ = ::fstat(place.entry.handle, &info_) == 0 && S_ISREG(info_.st_mode) &&
              (!place.throughLink || info_.st_uid == ::geteuid());
    if (usable_)
        file_ = Descriptor(::open(ProcPath(place.entry.handle).constData(), O_RDONLY | O_CLOEXEC));
    usable_ = usable_ && file_.valid();
}

std::optional<QByteArray> OwnFile::read(qint64 limit) const
{
    if (!usable_ || !file_.valid())
        return usable_ ? std::optional(QByteArray()) : std::nullopt;
    QFile file;
    if (!file.open(file_.handle, QIODevice::ReadOnly | QIODevice::Unbuffered) || !file.seek(0))
        return std::nullopt;
    // It may have grown since it was looked at.
    const QByteArray contents = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError || contents.size() > limit)
        return std::nullopt;
    return contents;
}

bool OwnFile::replace(const QByteArray& contents) const
{
    if (!usable_)
        return false;
    const int folder = folder_.handle;
    // The new file is named only once it is whole and flushed, and by a name no file has.
    const QByteArray named =
        name_ + ".new-" + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
    Descriptor temporary(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    bool hasName = false;
    if (!temporary.valid()) {
        // A file system without nameless files: a crash may leave this one behind.
        temporary = Descriptor(::openat(
            folder, named.constData(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666));
        hasName = temporary.valid();
    }
    QFile file;
    bool done = temporary.valid() &&
                file.open(temporary.handle, QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                file.write(contents) == contents.size();
    if (done && file_.valid()) {
        // A start as root must not take the file from its user.
        [[maybe_unused]] const int given = ::fchown(temporary.handle, info_.st_uid, info_.st_gid);
        done = ::fchmod(temporary.handle, info_.st_mode & 07777) == 0;
    }
    done = done && ::fsync(temporary.handle) == 0;
    if (done && !hasName)
        done = hasName = ::linkat(AT_FDCWD, ProcPath(temporary.handle).constData(), folder,
                                  named.constData(), AT_SYMLINK_FOLLOW) == 0;
    done = done && ::renameat(folder, named.constData(), folder, name_.constData()) == 0;
    if (!done && hasName)
        ::unlinkat(folder, named.constData(), 0); // this run's own temporary
    // The new name is flushed too, so that it survives a crash; this can fail harmlessly.
    if (done)
        ::fsync(folder);
    return done;
}

} // namespace orbis
