// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The update reminder over a faked clock and settings store, and the real store behind it.
#include "common/program_identity.h"
#include "common/qt_platform.h"
#include "common/web_pages.h"
#include "shell/update_reminder.h"
#include "support/fake_platform.h"

#include <QLocale>
#include <QStandardPaths>
#include <QtTest>

using namespace orbis;
using namespace orbis::testing;

class ReminderTest : public QObject {
    Q_OBJECT

    const QString download =
        "https://" + SiteHost() + "/orbis-free-tessary/ssd.php?page=download-web-page";
    // Some cases read dates as other locales write them; none may leave its locale to the next.
    const QLocale processLocale_;

private slots:
    void init() { QCOMPARE(QLocale(), processLocale_); }
    void cleanup() { QLocale::setDefault(processLocale_); }

    void firstStartWritesNowAndAsksNothing()
    {
        FakePlatform platform;
        RemindOfUpdate(platform);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.duration(), QString("2026-12-08T10:30:00"));
    }

    void window_data()
    {
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<bool>("asks");
        QTest::newRow("same day") << 0 << false;
        QTest::newRow("14 days ago") << 14 << false;
        QTest::newRow("15 days ago") << 15 << true;
        QTest::newRow("a year ago") << 365 << true;
        QTest::newRow("14 days ahead") << -14 << false;
        QTest::newRow("15 days ahead") << -15 << true;
    }
    void window()
    {
        QFETCH(int, daysAgo);
        QFETCH(bool, asks);
        FakePlatform platform;
        // Late in the evening, so that only calendar days count, not elapsed hours.
        const QDateTime stored(platform.clock.date().addDays(-daysAgo), QTime(23, 59, 0));
        platform.setDuration(stored.toString(Qt::ISODate));
        RemindOfUpdate(platform);
        QCOMPARE(platform.messages.size(), asks ? 1 : 0);
        QVERIFY(platform.opened.isEmpty());
        if (!asks) {
            QCOMPARE(platform.duration(), stored.toString(Qt::ISODate));
            return;
        }
        const ShownMessage& question = platform.messages[0];
        QCOMPARE(question.text, QString("There maybe an update to this software available\r"
                                        "Do you want to check for an update?"));
        QCOMPARE(question.title, ProgramTitle());
        QVERIFY(question.icon == MessageIcon::Information);
        QVERIFY(question.buttons == MessageButtons::YesNo);
        QCOMPARE(platform.duration(), QString("2026-12-08T10:30:00"));
    }

    void answers_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("writesFail");
        QTest::newRow("no") << false << false;
        QTest::newRow("yes") << true << false;
        QTest::newRow("yes, store fails") << true << true;
        QTest::newRow("no, store fails") << false << true;
    }
    void answers()
    {
        QFETCH(bool, yes);
        QFETCH(bool, writesFail);
        FakePlatform platform;
        platform.setDuration("2026-10-01T09:00:00");
        platform.answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};
        platform.writesFail = writesFail;
        RemindOfUpdate(platform);
        QCOMPARE(platform.opened, yes ? QList<QUrl>{QUrl(download)} : QList<QUrl>{});
        QStringList expected{"read", "message", "write"};
        if (yes)
            expected << "open";
        QCOMPARE(platform.events, expected);
        QCOMPARE(platform.duration(),
                 writesFail ? QString("2026-10-01T09:00:00") : QString("2026-12-08T10:30:00"));
    }

    void storedValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("ISO, long ago") << "2026-10-01T09:00:00" << true << true;
        QTest::newRow("ISO date only, recent") << "2026-12-01" << false << false;
        QTest::newRow("earlier release, US form, recent")
            << "12/1/2026 3:04:05 PM" << false << false;
        QTest::newRow("earlier release, US form, old") << "10/1/2026 3:04:05 PM" << true << true;
        QTest::newRow("earlier release, midnight") << "10/1/2026" << true << true;
        QTest::newRow("unreadable") << "next Tuesday" << false << true;
        QTest::newRow("garbage bytes") << QString::fromUtf8("\xff\xfe\x01") << false << true;
        QTest::newRow("negative year") << "12/1/-1999" << false << true;
    }
    void storedValues()
    {
        QFETCH(QString, stored);
        QFETCH(bool, asks);
        QFETCH(bool, rewritten);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FakePlatform platform;
        platform.setDuration(stored);
        RemindOfUpdate(platform);
        QCOMPARE(platform.messages.size(), asks ? 1 : 0);
        QCOMPARE(platform.duration(), rewritten ? QString("2026-12-08T10:30:00") : stored);
    }

    void localeFormatsOfEarlierReleasesAreReadWithoutSwappingDayAndMonth()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(ParseLastReminder("04.03.2026 15:04:05").date(), QDate(2026, 3, 4));
        QCOMPARE(ParseLastReminder("04.03.2026").date(), QDate(2026, 3, 4));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(ParseLastReminder("04/03/2026 15:04:05").date(), QDate(2026, 3, 4));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(ParseLastReminder("3/4/2026 3:04:05 PM").date(), QDate(2026, 3, 4));
        QCOMPARE(ParseLastReminder("2026-03-04T15:04:05").date(), QDate(2026, 3, 4));
        QVERIFY(!ParseLastReminder("").isValid());
    }

    void renamedExecutableStartsWithAnEmptyStore()
    {
        FakePlatform platform;
        platform.setDuration("2026-10-01T09:00:00");
        platform.application = "RenamedTessary";
        RemindOfUpdate(platform);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.settings.value(FakePlatform::DurationKey("RenamedTessary")),
                 QString("2026-12-08T10:30:00"));
        QCOMPARE(platform.settings.value(FakePlatform::DurationKey(identity::kApplicationName)),
                 QString("2026-10-01T09:00:00"));
    }

    void realStoreRoundTripsByApplicationSectionAndKey()
    {
        QStandardPaths::setTestModeEnabled(true);
        QtPlatform store;
        const QString app = "OrbisReminderTest";
        const QString section = kSettingsSection;
        const QString key = kLastReminderKey;
        QVERIFY(store.writeSetting(app, section, key, "2026-12-08T10:30:00"));
        QCOMPARE(store.readSetting(app, section, key), QString("2026-12-08T10:30:00"));
        QCOMPARE(store.readSetting(app + "Other", section, key), QString());
        QCOMPARE(store.readSetting(app, section, "Missing"), QString());
    }
};

QTEST_MAIN(ReminderTest)
#include "reminder_test.moc"
