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

// The values in the file at `path`, keyed "section/key" as QSettings keys them; none when there is
// no file. No map at all when the file cannot be used: it is no regular file, it is larger than
// kSettingsFileLimit, it cannot be read, or the place is not the user's own (OwnFile).
std::optional<QVariantMap> ReadSettings(const QString& path);

// Sets `key` of `section` to `value` in the file at `path`, every other value kept, and replaces
// the file whole. False when anything fails or the file cannot be used; it is then as it was.
bool WriteSetting(const QString& path, const QString& section, const QString& key,
                  const QString& value);

} // namespace orbis
