// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up reminder to look for a newer version, and the one remembered date behind it.
#pragma once

#include <QDateTime>
#include <QString>

namespace orbis {

class Platform;

inline constexpr int ReminderIntervalDays = 14;
inline constexpr auto kSettingsSection = "Settings";
inline constexpr auto kLastReminderKey = "Duration";

// Reads the stored date: ISO 8601 first, then the locale formats that earlier releases wrote.
// An invalid QDateTime when none fits.
QDateTime ParseLastReminder(const QString& stored);

void RemindOfUpdate(Platform& platform);

} // namespace orbis
