// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: found, read and replaced through OwnFile, parsed by QSettings from memory.
#include "settings_file.h"

#include "own_files.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <atomic>
#include <sys/mman.h>
#include <sys/stat.h>

namespace orbis {

namespace {

// QSettings parses only named files: the text goes into a memory file that nobody else can reach.
std::optional<QVariantMap> Parse(const QByteArray& contents)
{
    if (contents.isEmpty())
        return QVariantMap();
    const Descriptor memory(::memfd_create("settings", MFD_CLOEXEC));
    QFile file;
    if (!memory.valid() ||
        !file.open(memory.handle, QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(contents) != contents.size())
        return std::nullopt;
    // QSettings keeps what it parsed under the file's name and parses it again only when its time
    // stamp or size changes; descriptor numbers come back, so each text gets a time of its own.
    static std::atomic<time_t> stamp{0};
    const timespec times[] = {{0, UTIME_OMIT}, {++stamp, 0}};
    ::futimens(memory.handle, times);
    const QSettings settings(QStringLiteral("/proc/self/fd/%1").arg(memory.handle),
                             QSettings::IniFormat);
    // A format error leaves what could be read, as it always has.
    if (settings.status() == QSettings::AccessError)
        return std::nullopt;
    QVariantMap values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

// `text` with `key` of `section` set to `value`, every other line as it was. The dates this program
// writes need no quotes; a value that would read back otherwise is refused by the caller's check.
QByteArray WithValue(const QByteArray& text, const QString& section, const QString& key,
                     const QString& value)
{
    const QByteArray header = '[' + section.toUtf8() + ']';
    const QByteArray line = key.toUtf8() + '=' + value.toUtf8();
    QByteArrayList lines;
    bool inSection = false;
    bool placed = false;
    for (const QByteArray& old : text.split('\n')) {
        const QByteArray trimmed = old.trimmed();
        inSection = trimmed.startsWith('[') ? trimmed == header : inSection;
        if (!inSection || trimmed.left(trimmed.indexOf('=')).trimmed() != key.toUtf8())
            lines.append(old);
        if (trimmed == header) {
            lines.append(line);
            placed = true;
        }
    }
    if (!placed)
        lines << QByteArray() << header << line;
    return lines.join('\n').trimmed() + '\n';
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
    const std::optional<QByteArray> contents = OwnFile(path, false).read(kSettingsFileLimit);
    return contents ? Parse(*contents) : std::nullopt;
}

bool WriteSetting(const QString& path, const QString& section, const QString& key,
                  const QString& value)
{
    const OwnFile file(path, true);
    const std::optional<QByteArray> old = file.read(kSettingsFileLimit);
    std::optional<QVariantMap> values = old ? Parse(*old) : std::nullopt;
    if (!values)
        return false;
    const QByteArray text = WithValue(*old, section, key, value);
    values->insert(section + QLatin1Char('/') + key, value);
    // Every other value as it was and this one as given, in a file the next start will read.
    return text.size() <= kSettingsFileLimit && Parse(text) == values && file.replace(text);
}

} // namespace orbis
