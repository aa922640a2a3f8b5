// A thousand Proceed/Back cycles and a thousand openings of each reading keep memory flat.
#include "fake_platform.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "widget_helpers.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <unistd.h>

using namespace orbis;
using namespace orbis::testing;

Q_DECLARE_METATYPE(orbis::ReadingKind)

namespace {

qint64 ResidentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

ReadingSlot DetailsSlot(ReadingKind kind)
{
    return kind == ReadingKind::RisingSign  ? ReadingSlot::RisingSignDetails
           : kind == ReadingKind::Midheaven ? ReadingSlot::MidheavenDetails
                                            : ReadingSlot::DescendantDetails;
}

ReadingSlot ResultSlot(ReadingKind kind)
{
    return kind == ReadingKind::RisingSign  ? ReadingSlot::RisingSignResult
           : kind == ReadingKind::Midheaven ? ReadingSlot::MidheavenResult
                                            : ReadingSlot::DescendantResult;
}

constexpr int kCycles = 1000;
// Allocator arenas settle during the warm-up; growth beyond this after it is a leak.
constexpr qint64 kAllowedGrowthKiB = 4096;

} // namespace

class EnduranceTest : public QObject {
    Q_OBJECT

    FakePlatform platform_;
    std::unique_ptr<Program> program_;

    // Runs `cycle` a hundred times to warm up, then a thousand times; reports and checks memory.
    template <typename Cycle>
    void measure(const char* what, Cycle cycle)
    {
        for (int i = 0; i < 100; ++i)
            cycle();
        FlushDeletes();
        const qint64 before = ResidentKiB();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kCycles; ++i)
            cycle();
        FlushDeletes();
        const qint64 after = ResidentKiB();
        qInfo("%s: %d cycles in %lld ms, resident %lld KiB before, %lld KiB after", what, kCycles,
              timer.elapsed(), before, after);
        QVERIFY2(after - before < kAllowedGrowthKiB, what);
        // Still answering: a fresh reading opens at once.
        program_->mainWindow()->OpenReading(ReadingKind::RisingSign);
        QVERIFY(program_->mainWindow()->readingWindow(ReadingSlot::RisingSignDetails));
    }

private slots:
    void initTestCase()
    {
        program_ = std::make_unique<Program>(platform_, [] {});
        QVERIFY(program_->start());
    }
    void cleanupTestCase()
    {
        program_.reset();
        FlushDeletes();
    }

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
        MainWindow* main = program_->mainWindow();
        main->OpenReading(kind);
        QWidget* details = main->readingWindow(DetailsSlot(kind));
        details->findChild<QLineEdit*>("txtName")->setText("CYCLE");
        auto* proceed = details->findChild<QPushButton*>("cmdProceed");
        measure(QTest::currentDataTag(), [&] {
            proceed->click();
            QWidget* result = main->readingWindow(ResultSlot(kind));
            result->findChild<QPushButton*>("cmdBack")->click();
            FlushDeletes();
        });
    }

    void openAndClose_data() { proceedAndBack_data(); }
    void openAndClose()
    {
        QFETCH(ReadingKind, kind);
        MainWindow* main = program_->mainWindow();
        measure(QTest::currentDataTag(), [&] {
            main->OpenReading(kind);
            main->readingWindow(DetailsSlot(kind))->findChild<QPushButton*>("cmdExit")->click();
            FlushDeletes();
        });
        QVERIFY(main->isWelcomeVisible() || main->readingWindow(ReadingSlot::RisingSignDetails));
    }
};

QTEST_MAIN(EnduranceTest)
#include "endurance_test.moc"
