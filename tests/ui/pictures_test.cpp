// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up pictures: what the main window loads before its first paint, and the ready-drawn PNGs.
#include "common/program_identity.h"
#include "common/program_style.h"
#include "common/ready_drawn.h"
#include "common/vector_drawn.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "support/reading_fixture.h"
#include "windows/sign_pictures.h"

#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
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
    void mainWindowPaintsWithoutImagePlugins()
    {
        ConfigureApplication(*qApp);
        ReadingFixture fixture;
        QVERIFY(fixture.start());
        MainWindow* main = fixture.main();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QVERIFY(!main->grab().isNull());
        QCOMPARE(MappedLibraries({QStringLiteral("/imageformats/")}), QStringList());

        // The menus stay in the window, whatever global menu the desktop offers.
        QVERIFY(!main->menuBar()->isNativeMenuBar());
        QVERIFY(main->menuBar()->isVisible());
        // Named as its desktop entry, by which Wayland desktops find its icon and launcher.
        QCOMPARE(QGuiApplication::desktopFileName(), QString(identity::kDesktopId));
        // The overflow arrow is ours: both drawn sizes.
        const auto* overflow = main->menuBar()->findChild<QToolButton*>();
        QVERIFY(overflow);
        QCOMPARE(overflow->icon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    }

    // The ready-drawn sign pictures must be the vector originals as they stand: a changed SVG
    // whose PNG was not rendered again shows here.
    void readyDrawnSignsMatchTheirOriginals()
    {
        for (int number = 1; number <= 12; ++number) {
            const QImage ready = ReadyDrawnPixmap(QStringLiteral(":/signs/%1.png").arg(number))
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32);
            const QImage drawn = VectorDrawnPixmap(QStringLiteral(":/signs/%1.svg").arg(number),
                                                   QSize(200, 200), 1.0)
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(ready.size(), drawn.size());
            qint64 difference = 0;
            for (int y = 0; y < ready.height(); ++y) {
                for (int x = 0; x < ready.width(); ++x) {
                    const QRgb a = ready.pixel(x, y);
                    const QRgb b = drawn.pixel(x, y);
                    difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                                  qAbs(qBlue(a) - qBlue(b)) + qAbs(qAlpha(a) - qAlpha(b));
                }
            }
            // Two renderers never agree to the last pixel (here under 1 per channel); another sign
            // is about 30 off.
            const double perChannel = double(difference) / (ready.width() * ready.height() * 4);
            QVERIFY2(perChannel < 4, qPrintable(QStringLiteral("sign %1 differs by %2 per channel")
                                                    .arg(number)
                                                    .arg(perChannel)));
        }
    }

    void signPicturesForEachScreen_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QString>("original"); // the vector original, as built or damaged
        QTest::addColumn<QSize>("devicePixels");
        QTest::newRow("Aries, ordinary") << 1 << 1.0 << "as built" << QSize(200, 200);
        QTest::newRow("Pisces, double density") << 12 << 2.0 << "as built" << QSize(400, 400);
        QTest::newRow("Leo, one and a quarter") << 5 << 1.25 << "as built" << QSize(250, 250);
        QTest::newRow("none before Aries") << 0 << 1.0 << "as built" << QSize(0, 0);
        QTest::newRow("none after Pisces") << 13 << 1.0 << "as built" << QSize(0, 0);
        // The ready-drawn picture, scaled, stands in for an original that cannot be drawn.
        QTest::newRow("Virgo, double, original missing")
            << 6 << 2.0 << "missing" << QSize(400, 400);
        QTest::newRow("Libra, double, original cut short")
            << 7 << 2.0 << "cut short" << QSize(400, 400);
        QTest::newRow("Aries, 1.5, original no SVG") << 1 << 1.5 << "no SVG" << QSize(300, 300);
    }
    void signPicturesForEachScreen()
    {
        QFETCH(int, number);
        QFETCH(qreal, ratio);
        QFETCH(QString, original);
        QFETCH(QSize, devicePixels);
        QTemporaryDir damaged;
        if (original != "as built") {
            const QString svg = damaged.filePath(QString::number(number) + ".svg");
            QVERIFY(QFile::copy(QString(":/signs/%1.png").arg(number),
                                damaged.filePath(QString::number(number) + ".png")));
            QFile file(svg);
            QFile built(QString(":/signs/%1.svg").arg(number));
            QVERIFY(built.open(QIODevice::ReadOnly));
            if (original == "cut short")
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(built.read(3000)) == 3000);
            else if (original == "no SVG")
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\x7f"
                                                                      "ELF\2\1\1") > 0);
        }
        SignPictures pictures(original == "as built" ? QStringLiteral(":/signs") : damaged.path());
        const QPixmap picture = pictures.picture(number, ratio);
        QCOMPARE(picture.size(), devicePixels);
        if (!picture.isNull()) {
            QCOMPARE(picture.devicePixelRatio(), ratio);
            // Drawn, not an empty square: the emblem's disc covers the middle.
            QCOMPARE(picture.toImage()
                         .pixelColor(devicePixels.width() / 2, devicePixels.height() / 2)
                         .alpha(),
                     255);
            // Kept for the next reading at that scale, drawn again for another.
            QCOMPARE(pictures.picture(number, ratio).cacheKey(), picture.cacheKey());
            QVERIFY(pictures.picture(number, ratio * 2).devicePixelRatio() == ratio * 2);
        }
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
