// The settings file: careful reading and whole replacement on disk, QSettings for the text.
#include "settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbis {

namespace {

// The contents of the file at `path`: empty when there is none, no value when it cannot be used.
std::optional<QByteArray> ReadFile(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? std::optional(QByteArray()) : std::nullopt;
    // A device, pipe, socket or folder is not opened at all: reading one may wait for a writer
    // or never end.
    if (!S_ISREG(info.st_mode) || info.st_size > kSettingsFileLimit)
        return std::nullopt;
    const int file = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
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

bool WriteAll(int file, const QByteArray& contents)
{
    qsizetype done = 0;
    while (done < contents.size()) {
        const ssize_t count =
            ::write(file, contents.constData() + done, size_t(contents.size() - done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file a chain of links ends at, as QSaveFile finds it: the target need not exist.
QString FollowLinks(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

bool ReplaceFile(const QString& path, const QByteArray& contents)
{
    if (path.isEmpty())
        return false;
    const QString target = FollowLinks(path);
    const QByteArray name = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::stat(name.constData(), &old) == 0;
    if ((!exists && errno != ENOENT) || (exists && !S_ISREG(old.st_mode)))
        return false;
    const QFileInfo info(target);
    if (!exists && !QDir().mkpath(info.absolutePath()))
        return false;

    // Beside the old file, so that the rename stays on one file system.
    QByteArray temporary = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") +
                                             info.fileName() + QStringLiteral(".XXXXXX"));
    const int file = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (file < 0)
        return false;
    // The old file's owner and mode where this process may give them: a start as root must not
    // take the file from its user. Only root may give a file away; for others it is theirs.
    if (exists) {
        [[maybe_unused]] const int given = ::fchown(file, old.st_uid, old.st_gid);
    }
    ::fchmod(file, exists ? old.st_mode & 07777 : NewFileMode());
    bool written = WriteAll(file, contents) && ::fsync(file) == 0;
    written = ::close(file) == 0 && written;
    struct stat now {};
    if (written && ::stat(name.constData(), &now) == 0 && !S_ISREG(now.st_mode))
        written = false;
    if (!written || ::rename(temporary.constData(), name.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    SyncFolder(info.absolutePath());
    return true;
}

// QSettings reads and writes only files; it gets a private copy, so that the real file is opened
// only by the careful code above.
std::optional<QVariantMap> Parse(const QByteArray& contents)
{
    if (contents.isEmpty())
        return QVariantMap();
    const QTemporaryDir scratch;
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
    const QTemporaryDir scratch;
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
    const std::optional<QByteArray> contents = ReadFile(path);
    return contents ? Parse(*contents) : std::nullopt;
}

bool WriteSettings(const QString& path, const QVariantMap& values)
{
    // A file the next start would refuse to read would lose the value as surely as no file.
    const std::optional<QByteArray> text = Text(values);
    return text && text->size() <= kSettingsFileLimit && ReplaceFile(path, *text);
}

} // namespace orbis
