// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: careful reading, whole replacement through QSaveFile, QSettings for the text.
#include "settings_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbis {

namespace {

// Longer than any write takes: a temporary this old was left by a copy that died writing.
constexpr int kStaleSeconds = 60;

bool Ours(const struct stat& info)
{
    return info.st_uid == ::geteuid();
}

// What the link at `path` says, as written; empty when it cannot be read.
QByteArray LinkText(const QString& path)
{
    QByteArray text(PATH_MAX, Qt::Uninitialized);
    const ssize_t length =
        ::readlink(QFile::encodeName(path).constData(), text.data(), size_t(text.size()));
    text.truncate(length > 0 ? length : 0);
    return text;
}

// The file that `path` names once every link on the way is followed, if the place belongs to the
// user running the program: each link is theirs (or root's, as system links are), a file reached
// through a link is theirs, and so is the folder the file lies in (while that does not exist
// yet, the nearest folder above it that does). None otherwise: a start as root with another
// user's settings must not be led by their links nor write into their folders.
std::optional<QString> OwnPlace(const QString& path)
{
    if (!QDir::isAbsolutePath(path))
        return std::nullopt;
    QStringList pending = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved; // empty: the root folder
    bool fileThroughLink = false;
    int links = 0;
    struct stat info {};
    while (!pending.isEmpty()) {
        const QString name = pending.takeFirst();
        if (name == QLatin1String("."))
            continue;
        if (name == QLatin1String("..")) {
            resolved.truncate(std::max<qsizetype>(resolved.lastIndexOf(QLatin1Char('/')), 0));
            continue;
        }
        const QString next = resolved + QLatin1Char('/') + name;
        if (::lstat(QFile::encodeName(next).constData(), &info) != 0) {
            if (errno != ENOENT)
                return std::nullopt;
            // Nothing further to follow: what is missing is made when the file is written.
            pending.prepend(next);
            resolved = pending.join(QLatin1Char('/'));
            break;
        }
        if (!S_ISLNK(info.st_mode)) {
            resolved = next;
            continue;
        }
        const QByteArray target = LinkText(next);
        if ((!Ours(info) && info.st_uid != 0) || ++links > 40 || target.isEmpty())
            return std::nullopt;
        fileThroughLink = fileThroughLink || pending.isEmpty();
        if (target.startsWith('/'))
            resolved.clear();
        pending = QFile::decodeName(target).split(QLatin1Char('/'), Qt::SkipEmptyParts) + pending;
    }
    if (fileThroughLink && ::lstat(QFile::encodeName(resolved).constData(), &info) == 0 &&
        !Ours(info))
        return std::nullopt;
    QString folder = QFileInfo(resolved).absolutePath();
    while (::stat(QFile::encodeName(folder).constData(), &info) != 0) {
        if (errno != ENOENT || folder == QLatin1String("/"))
            return std::nullopt;
        folder = QFileInfo(folder).absolutePath();
    }
    if (!S_ISDIR(info.st_mode) || !Ours(info))
        return std::nullopt;
    return resolved;
}

// The contents of the file at `path`, which OwnPlace resolved: empty when there is none, no
// value when it cannot be used.
std::optional<QByteArray> ReadFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT ? std::optional(QByteArray()) : std::nullopt;
    // A device, pipe, socket or folder is not opened at all: reading one may wait for a writer
    // or never end.
    if (!S_ISREG(info.st_mode) || info.st_size > kSettingsFileLimit)
        return std::nullopt;
    const int file =
        ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (file < 0)
        return std::nullopt;
    // What was looked at may have been swapped for something else since.
    bool usable = ::fstat(file, &info) == 0 && S_ISREG(info.st_mode);
    QByteArray contents(usable ? kSettingsFileLimit + 1 : 0, Qt::Uninitialized);
    qsizetype total = 0;
    while (usable && total < contents.size()) {
        const ssize_t count =
            ::read(file, contents.data() + total, size_t(contents.size() - total));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            usable = count == 0;
            break;
        }
        total += count;
    }
    ::close(file);
    if (!usable || total > kSettingsFileLimit)
        return std::nullopt;
    contents.truncate(total);
    return contents;
}

// QSettings reads and writes only files: it works on a private copy in a scratch folder, so that
// the real file is opened only by the careful code here.
QString ScratchPrefix()
{
    return QCoreApplication::applicationName() + QLatin1Char('-');
}

QString ScratchTemplate()
{
    return QDir::tempPath() + QLatin1Char('/') + ScratchPrefix() + QStringLiteral("XXXXXX");
}

std::optional<QVariantMap> Parse(const QByteArray& contents)
{
    if (contents.isEmpty())
        return QVariantMap();
    const QTemporaryDir scratch(ScratchTemplate());
    if (!scratch.isValid())
        return std::nullopt;
    QFile copy(scratch.filePath(QStringLiteral("settings.conf")));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(contents) != contents.size() ||
        !copy.flush())
        return std::nullopt;
    copy.close();
    // A format error leaves what could be read, as it always has.
    const QSettings settings(copy.fileName(), QSettings::IniFormat);
    QVariantMap values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

// The text QSettings writes for `values`, checked by reading it back.
std::optional<QByteArray> Text(const QVariantMap& values)
{
    const QTemporaryDir scratch(ScratchTemplate());
    if (!scratch.isValid())
        return std::nullopt;
    const QString path = scratch.filePath(QStringLiteral("settings.conf"));
    {
        QSettings settings(path, QSettings::IniFormat);
        for (auto value = values.begin(); value != values.end(); ++value)
            settings.setValue(value.key(), value.value());
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return std::nullopt;
    }
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray text = written.readAll();
    // QSettings does not always notice a short write.
    if (Parse(text) != values)
        return std::nullopt;
    return text;
}

// Removes from `folder` what a copy that died writing left there: entries named as `pattern`
// says that are the user's and older than any write takes.
void SweepStale(const QString& folder, const QString& pattern)
{
    const QRegularExpression name(pattern);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-kStaleSeconds);
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot)) {
        if (!name.match(entry.fileName()).hasMatch() || entry.isSymLink() ||
            entry.ownerId() != ::geteuid() || entry.lastModified() > before)
            continue;
        if (entry.isDir())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

// The folder is flushed too, so that the rename survives a crash; this can fail harmlessly.
void SyncFolder(const QString& folder)
{
    const int handle =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
}

bool ReplaceFile(const QString& target, const QByteArray& contents)
{
    struct stat old {};
    const bool exists = ::lstat(QFile::encodeName(target).constData(), &old) == 0;
    if ((!exists && errno != ENOENT) || (exists && !S_ISREG(old.st_mode)))
        return false;
    const QString folder = QFileInfo(target).absolutePath();
    // The folders made here are the user's; check the place again once they stand.
    if (!exists && (!QDir().mkpath(folder) || OwnPlace(target) != target))
        return false;
    // QSaveFile's temporary (kept only where the file system cannot make nameless ones), an
    // earlier version's hidden one, and the scratch folders.
    const QString name = QRegularExpression::escape(QFileInfo(target).fileName());
    SweepStale(folder, QStringLiteral("^\\.?%1\\.[A-Za-z0-9]{6}$").arg(name));
    SweepStale(
        QDir::tempPath(),
        QStringLiteral("^%1[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(ScratchPrefix())));

    QSaveFile file(target);
    // Unbuffered, so that a write cut short shows at once rather than at the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    // QSaveFile keeps the old file's mode; its owner is kept where this process may give it: a
    // start as root must not take the file from its user.
    if (exists) {
        [[maybe_unused]] const int given = ::fchown(file.handle(), old.st_uid, old.st_gid);
    }
    // QSaveFile syncs but does not say when that fails, as it can on a full disk.
    if (file.write(contents) != contents.size() || ::fsync(file.handle()) != 0 || !file.commit())
        return false;
    SyncFolder(folder);
    return true;
}

} // namespace

QString SettingsFilePath(const QString& organisation, const QString& application)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    return folder + QLatin1Char('/') + organisation + QLatin1Char('/') + application +
           QStringLiteral(".conf");
}

std::optional<QVariantMap> ReadSettings(const QString& path)
{
    const std::optional<QString> place = OwnPlace(path);
    const std::optional<QByteArray> contents = place ? ReadFile(*place) : std::nullopt;
    return contents ? Parse(*contents) : std::nullopt;
}

bool WriteSettings(const QString& path, const QVariantMap& values)
{
    const std::optional<QString> place = OwnPlace(path);
    if (!place)
        return false;
    // A file the next start would refuse to read would lose the value as surely as no file.
    const std::optional<QByteArray> text = Text(values);
    return text && text->size() <= kSettingsFileLimit && ReplaceFile(*place, *text);
}

} // namespace orbis
