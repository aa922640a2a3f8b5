// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up's settings read: the careful store (checked, read whole through descriptors,
// parsed from memory) beside QSettings reading the same file directly.
#include "common/program_identity.h"
#include "common/qt_platform.h"
#include "shell/update_reminder.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

const QString kApplication = QString::fromLatin1(orbis::identity::kApplicationName);
const QString kKey = QStringLiteral("%1/%2").arg(QString::fromLatin1(orbis::kSettingsSection),
                                                 QString::fromLatin1(orbis::kLastReminderKey));
const QString kStored = QStringLiteral("2026-10-09T08:30:00");

QString SettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/%1/%2.conf")
               .arg(QString::fromLatin1(orbis::identity::kOrganisation), kApplication);
}

// QSettings keeps what it parsed and reads a file again only once its time stamp changes; a start
// reads it cold, so each round gives the file a new one, untimed.
void Touch(benchmark::State& state)
{
    static time_t second = 1'700'000'000;
    state.PauseTiming();
    const timespec times[2] = {{++second, 0}, {second, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(SettingsPath()).constData(), times, 0);
    state.ResumeTiming();
}

void BM_CarefulRead(benchmark::State& state)
{
    orbis::QtPlatform platform;
    for (auto _ : state) {
        Touch(state);
        const QString value =
            platform.readSetting(kApplication, QString::fromLatin1(orbis::kSettingsSection),
                                 QString::fromLatin1(orbis::kLastReminderKey));
        if (value != kStored) {
            state.SkipWithError("the stored value was not read");
            return;
        }
    }
}
BENCHMARK(BM_CarefulRead);

void BM_BaselineQSettingsRead(benchmark::State& state)
{
    for (auto _ : state) {
        Touch(state);
        const QSettings settings(SettingsPath(), QSettings::IniFormat);
        if (settings.value(kKey).toString() != kStored) {
            state.SkipWithError("the stored value was not read");
            return;
        }
    }
}
BENCHMARK(BM_BaselineQSettingsRead);

} // namespace

int main(int argc, char** argv)
{
    // A private home, so that no real settings are read or written.
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QCoreApplication application(argc, argv);
    {
        QSettings settings(SettingsPath(), QSettings::IniFormat);
        settings.setValue(kKey, kStored);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
