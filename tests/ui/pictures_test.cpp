// Start-up pictures: what the main window loads before its first paint, and the ready-drawn PNGs.
#include "fake_platform.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/program_style.h"
#include "shell/ready_drawn.h"

#include <QFile>
#include <QMenuBar>
#include <QToolButton>
#include <QtTest>

using namespace orbis;
using namespace orbis::testing;

namespace {

// Libraries of this process whose path contains any of `parts`.
QStringList MappedLibraries(const QStringList& parts)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(cannot read /proc/self/maps)")};
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        for (const QString& part : parts) {
            if (line.contains('/') && path.contains(part) && !found.contains(path))
                found.append(path);
        }
    }
    return found;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    // Runs first, in a process that has drawn nothing yet.
    void mainWindowPaintsWithoutImagePluginsOrTheSvgRenderer()
    {
        ConfigureApplication(*qApp);
        FakePlatform platform;
        Program program(platform, [] {});
        QVERIFY(program.start());
        MainWindow* main = program.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QVERIFY(!main->grab().isNull());
        QCOMPARE(MappedLibraries({QStringLiteral("/imageformats/"), QStringLiteral("libQt6Svg")}),
                 QStringList());

        // The menus stay in the window, whatever global menu the desktop offers.
        QVERIFY(!main->menuBar()->isNativeMenuBar());
        QVERIFY(main->menuBar()->isVisible());
        // The overflow arrow is ours: both drawn sizes.
        const auto* overflow = main->menuBar()->findChild<QToolButton*>();
        QVERIFY(overflow);
        QCOMPARE(overflow->icon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    }

    void styleHandsOtherIconsToTheDesktopStyle()
    {
        ProgramStyle style;
        QVERIFY(!style.standardIcon(QStyle::SP_MessageBoxInformation).isNull());
        QVERIFY(!style.standardIcon(QStyle::SP_TitleBarCloseButton).isNull());
    }

    void pixmapForEachScreenRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("devicePixels");
        QTest::newRow("ordinary screen") << 1.0 << QSize(34, 34);
        QTest::newRow("double density") << 2.0 << QSize(68, 68);
        QTest::newRow("one and a half") << 1.5 << QSize(51, 51);
        QTest::newRow("triple") << 3.0 << QSize(102, 102);
    }
    void pixmapForEachScreenRatio()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, devicePixels);
        const QPixmap pixmap =
            ReadyDrawnPixmap(":/icons/options/midheaven.png", ":/icons/options/midheaven@2x.png",
                             QSize(34, 34), ratio);
        QCOMPARE(pixmap.size(), devicePixels);
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(34, 34));
        // Drawn, not blank: the emblem has opaque pixels in its middle.
        QVERIFY(pixmap.toImage()
                    .pixelColor(devicePixels.width() / 2, devicePixels.height() * 3 / 4)
                    .alpha() > 0);
    }

    void missingPicturesGiveNothingRatherThanGarbage()
    {
        QVERIFY(ReadyDrawnPixmap(":/none.png", ":/none@2x.png", QSize(34, 34), 1.0).isNull());
        const QIcon partly = ReadyDrawnIcon({":/none.png", ":/icons/program/32.png"});
        QCOMPARE(partly.availableSizes(), (QList<QSize>{{32, 32}}));
        // A picture that is not a PNG at all is refused, not guessed at.
        QVERIFY(ReadyDrawnIcon({":/signs/1.svg"}).isNull());
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
