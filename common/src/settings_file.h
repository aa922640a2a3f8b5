// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings file: QSettings' format and place, read only when it is a plain file of
// sane size in a place of the user's own, replaced only whole.
#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

namespace orbis {

// Far more than this program ever writes, which is one short line.
inline constexpr qint64 kSettingsFileLimit = 64 * 1024;

// Where QSettings keeps the user's settings of `application`; empty when there is no such place.
QString SettingsFilePath(const QString& organisation, const QString& application);

// The values in the file at `path` (links followed), keyed "section/key" as QSettings keys them;
// none when there is no file. No map at all when the file cannot be used: it is no regular file,
// it is larger than kSettingsFileLimit, it cannot be read, or the place is not the user's own (a
// link of another user's on the way, a link to another user's file, a folder of another user's).
std::optional<QVariantMap> ReadSettings(const QString& path);

// Replaces the file at `path` (links followed) by one holding `values`: the new file is written
// in full and flushed beside the old one, which it then replaces; temporaries that an earlier
// crash left go first. False when anything fails, and then the old file is as it was. A target
// that is no regular file, or in a place that is not the user's own, is never replaced.
bool WriteSettings(const QString& path, const QVariantMap& values);

} // namespace orbis
