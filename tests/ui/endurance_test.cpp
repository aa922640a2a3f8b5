// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A thousand Proceed/Back cycles and a thousand openings of each reading keep memory flat.
#include "shell/main_window.h"
#include "support/reading_fixture.h"
#include "support/widget_helpers.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QtTest>
#include <optional>
#include <unistd.h>

using namespace orbis;
using namespace orbis::testing;

Q_DECLARE_METATYPE(orbis::ReadingKind)

namespace {

// No value when the figure cannot be read: a growth worked out from it would mean nothing.
std::optional<qint64> ResidentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    bool read = false;
    const qint64 pages = fields.size() > 1 ? fields[1].toLongLong(&read) : 0;
    if (!read || pages <= 0)
        return std::nullopt;
    return pages * (sysconf(_SC_PAGESIZE) / 1024);
}

constexpr int kCycles = 1000;
// Allocator arenas settle during the warm-up; growth beyond this after it is a leak.
constexpr qint64 kAllowedGrowthKiB = 4096;

} // namespace

class EnduranceTest : public QObject {
    Q_OBJECT

    ReadingFixture fixture_;

    // Runs `cycle` a hundred times to warm up, then a thousand times; reports and checks memory.
    template <typename Cycle> void measure(const char* what, Cycle cycle)
    {
        for (int i = 0; i < 100; ++i)
            cycle();
        FlushDeletes();
        const std::optional<qint64> before = ResidentKiB();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kCycles; ++i)
            cycle();
        FlushDeletes();
        const std::optional<qint64> after = ResidentKiB();
        QVERIFY2(before && after, "resident size unreadable from /proc/self/statm");
        qInfo("%s: %d cycles in %lld ms, resident %lld KiB before, %lld KiB after", what, kCycles,
              timer.elapsed(), *before, *after);
        QVERIFY2(*after - *before < kAllowedGrowthKiB, what);
        // Still answering: a fresh reading opens at once.
        QVERIFY(fixture_.open(ReadingKind::RisingSign));
    }

private slots:
    void initTestCase() { QVERIFY(fixture_.start()); }
    void cleanupTestCase() { fixture_.stop(); }

    void proceedAndBack_data()
    {
        QTest::addColumn<ReadingKind>("kind");
        QTest::newRow("rising") << ReadingKind::RisingSign;
        QTest::newRow("midheaven") << ReadingKind::Midheaven;
        QTest::newRow("descendant") << ReadingKind::Descendant;
    }
    void proceedAndBack()
    {
        QFETCH(ReadingKind, kind);
        QWidget* details = fixture_.open(kind);
        Enter(details, {.name = "CYCLE"});
        auto* proceed = details->findChild<QPushButton*>("cmdProceed");
        // Counted rather than checked in the cycle, where a failed check would only end the cycle.
        int wrongTurns = 0;
        measure(QTest::currentDataTag(), [&] {
            proceed->click();
            QWidget* result = fixture_.result(kind);
            if (!result) {
                ++wrongTurns;
                return;
            }
            result->findChild<QPushButton*>("cmdBack")->click();
            FlushDeletes();
            if (fixture_.result(kind) || !details->isVisible())
                ++wrongTurns;
        });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(wrongTurns, 0);
    }

    void openAndClose_data() { proceedAndBack_data(); }
    void openAndClose()
    {
        QFETCH(ReadingKind, kind);
        // Exit unloads the window and brings the welcome panel back, every time.
        int leftBehind = 0;
        measure(QTest::currentDataTag(), [&] {
            fixture_.open(kind)->findChild<QPushButton*>("cmdExit")->click();
            FlushDeletes();
            if (fixture_.details(kind) || !fixture_.main()->readingWindows().isWelcomeVisible())
                ++leftBehind;
        });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(leftBehind, 0);
    }
};

QTEST_MAIN(EnduranceTest)
#include "endurance_test.moc"
