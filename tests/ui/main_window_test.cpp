// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up order, the main window's buttons, labels, welcome panel and the end of the program.
#include "common/link_label.h"
#include "common/program_identity.h"
#include "common/twips.h"
#include "shell/main_window.h"
#include "support/reading_fixture.h"
#include "support/widget_helpers.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

using namespace orbis;
using namespace orbis::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ReadingFixture> fixture_;

    MainWindow* start()
    {
        fixture_->start();
        return fixture_->main();
    }
    QWidget* visibleReadingWindow(MainWindow* main)
    {
        QWidget* found = nullptr;
        for (auto* frame : main->findChildren<QMdiSubWindow*>()) {
            if (frame->isVisible()) {
                if (found)
                    return nullptr; // more than one: not what any test expects
                found = frame->widget();
            }
        }
        return found;
    }
    QLabel* caption(MainWindow* main, int index) { return Caption(main, index); }
    static void hover(QWidget* widget, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

private slots:
    void init() { fixture_ = std::make_unique<ReadingFixture>(); }
    void cleanup() { fixture_.reset(); }

    void secondCopyIsRefusedAndNothingElseRuns()
    {
        fixture_->platform.lockFree = false;
        QVERIFY(!fixture_->start());
        QCOMPARE(fixture_->platform.events, QStringList({"lock", "message"}));
        QCOMPARE(fixture_->platform.messages.size(), 1);
        QCOMPARE(fixture_->platform.messages[0].text, QString("Application is already running"));
        QCOMPARE(fixture_->platform.messages[0].title, ProgramTitle());
        QVERIFY(fixture_->platform.messages[0].icon == MessageIcon::Information);
        QVERIFY(fixture_->platform.messages[0].buttons == MessageButtons::Ok);
        QVERIFY(fixture_->main() == nullptr);
        QVERIFY(fixture_->platform.settings.isEmpty());
    }

    void startUpLocksThenRemindsThenShowsTheMainWindow()
    {
        MainWindow* main = start();
        QCOMPARE(fixture_->platform.events.mid(0, 3), QStringList({"lock", "read", "write"}));
        QVERIFY(main && main->isVisible());
        QCOMPARE(main->objectName(), QString("frmMDI"));
        QCOMPARE(main->windowTitle(), ProgramCaption());
        QVERIFY(main->readingWindows().isWelcomeVisible());
    }

    void optionButtons_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("placeFromLeft");
        QTest::newRow("0 descendant") << 0 << "Descendant Astrology"
                                      << "frmDescendantAstrologyMain" << 1;
        QTest::newRow("1 midheaven") << 1 << "Midheaven Astrology"
                                     << "frmMidheavenAsrologyMain" << 2;
        QTest::newRow("2 rising sign") << 2 << "Zodiac Rising Sign"
                                       << "frmRisingSignMain" << 0;
    }
    void optionButtons()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, window);
        QFETCH(int, placeFromLeft);
        MainWindow* main = start();
        auto buttons = main->findChildren<QPushButton*>("cmdSelectOption");
        QCOMPARE(buttons.size(), 3);
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        QPushButton* button = buttons[placeFromLeft];
        QCOMPARE(main->findChild<QButtonGroup*>("cmdSelectOption")->id(button), index);
        QCOMPARE(button->text(), caption);

        QTest::mouseClick(button, Qt::LeftButton);
        QWidget* opened = visibleReadingWindow(main);
        QVERIFY(opened);
        QCOMPARE(opened->objectName(), window);
        QVERIFY(!main->readingWindows().isWelcomeVisible());

        // Pressed again: one window, freshly opened.
        QLineEdit* name = opened->findChild<QLineEdit*>("txtName");
        QTest::keyClicks(name, "ab");
        QTest::mouseClick(button, Qt::LeftButton);
        FlushDeletes();
        QCOMPARE(main->findChildren<QMdiSubWindow*>().size(), 1);
        QCOMPARE(visibleReadingWindow(main)->findChild<QLineEdit*>("txtName")->text(), QString());
    }

    void captionClicks_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("window");
        for (int i = 0; i < 3; ++i)
            QTest::newRow(qPrintable(QString::number(i))) << i << QString();
        QTest::newRow("3") << 3 << "frmDescendantAstrologyMain";
        QTest::newRow("4") << 4 << "frmMidheavenAsrologyMain";
        QTest::newRow("5") << 5 << "frmRisingSignMain";
    }
    void captionClicks()
    {
        QFETCH(int, index);
        QFETCH(QString, window);
        MainWindow* main = start();
        QLabel* label = caption(main, index);
        QVERIFY(label);
        // The link pointer only over a caption that opens something.
        QCOMPARE(label->cursor().shape(),
                 window.isEmpty() ? Qt::ArrowCursor : LinkPointer().shape());
        // A result left open hides its birth-details window; any caption click unloads both.
        main->readingWindows().OpenReading(ReadingKind::Midheaven);
        main->findChild<QWidget*>("picMain")->show();
        QTest::mouseClick(label, Qt::LeftButton);
        FlushDeletes();
        if (window.isEmpty()) {
            QVERIFY(main->findChildren<QMdiSubWindow*>().isEmpty());
            QVERIFY(main->readingWindows().isWelcomeVisible());
            QVERIFY(fixture_->platform.opened.isEmpty());
        } else {
            QCOMPARE(main->findChildren<QMdiSubWindow*>().size(), 1);
            QCOMPARE(visibleReadingWindow(main)->objectName(), window);
            QVERIFY(!main->readingWindows().isWelcomeVisible());
        }
    }

    void hoverUnderlinesReadingNamesUntilThePanelIsCrossed()
    {
        MainWindow* main = start();
        QWidget* panel = main->findChild<QWidget*>("picMain");
        for (int i : {3, 4, 5})
            hover(caption(main, i), QPoint(5, 5));
        hover(caption(main, 0), QPoint(5, 5));
        hover(caption(main, 2), QPoint(5, 5));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(caption(main, i)->font().underline(), i >= 3);
        hover(panel, QPoint(2, panel->height() - 2));
        for (int i = 0; i < 6; ++i)
            QVERIFY(!caption(main, i)->font().underline());
    }

    void positionsFollowTheScreenWidthNotTheWindow_data()
    {
        QTest::addColumn<int>("screenPixels");
        QTest::newRow("1024") << 1024;
        QTest::newRow("1280") << 1280;
        QTest::newRow("1920") << 1920;
    }
    void positionsFollowTheScreenWidthNotTheWindow()
    {
        QFETCH(int, screenPixels);
        fixture_->platform.screenWidth = screenPixels * 15.0;
        MainWindow* main = start();
        const double w = fixture_->platform.screenWidth;
        auto expectCentred = [&](QWidget* widget) {
            QVERIFY(widget);
            QVERIFY2(qAbs(widget->x() - TwipsToPixels((w - widget->width() * 15.0) / 2)) <= 1,
                     qPrintable(widget->objectName()));
        };
        expectCentred(main->findChild<QWidget*>("lblSelvaneBanner"));
        expectCentred(main->findChild<QWidget*>("picButtonContainer"));
        for (int i = 0; i < 6; ++i)
            expectCentred(caption(main, i));
        QCOMPARE(main->findChild<QWidget*>("picButtonContainer")->width(), TwipsToPixels(10755));
        auto* exit = main->findChild<QPushButton*>("cmdMdiExit");
        QCOMPARE(exit->x(), TwipsToPixels(w - (1335 + 120)));

        const QPoint before = caption(main, 5)->pos();
        main->showNormal();
        main->resize(screenPixels - 400, 500);
        QCOMPARE(caption(main, 5)->pos(), before);

        main->readingWindows().OpenReading(ReadingKind::RisingSign);
        auto* frame = main->findChild<QMdiSubWindow*>();
        QCOMPARE(frame->y(), 0);
        QVERIFY(qAbs(frame->x() - TwipsToPixels((w - frame->width() * 15.0) / 2)) <= 1);
    }

    // Restored from maximised the window takes its size hint: every control of the strips, placed
    // from the screen's width and kept there, lies inside it, and so does a reading window. Its
    // minimum keeps them too wherever the smallest screen's limit leaves room for that.
    void theRestoredWindowKeepsItsControlsInside_data()
    {
        QTest::addColumn<int>("screenPixels");
        QTest::addColumn<bool>("atMinimum");
        QTest::newRow("1024 screen, restored") << 1024 << false;
        QTest::newRow("1024 screen, at its minimum") << 1024 << true;
        QTest::newRow("1366 screen, restored") << 1366 << false;
        QTest::newRow("1920 screen, restored") << 1920 << false;
    }
    void theRestoredWindowKeepsItsControlsInside()
    {
        QFETCH(int, screenPixels);
        QFETCH(bool, atMinimum);
        fixture_->platform.screenWidth = screenPixels * 15.0;
        MainWindow* main = start();
        main->showNormal();
        main->resize(atMinimum ? QSize(1, 1) : main->sizeHint());
        QTRY_VERIFY(main->width() < screenPixels);
        QVERIFY(main->minimumWidth() <= 1024 && main->minimumHeight() <= 600);
        const QRect inside = main->rect();
        auto expectInside = [&](QWidget* widget) {
            const QRect place(widget->mapTo(main, QPoint(0, 0)), widget->size());
            QVERIFY2(inside.contains(place), qPrintable(widget->objectName()));
        };
        expectInside(main->findChild<QWidget*>("picButtonContainer"));
        for (int index = 0; index < 3; ++index)
            expectInside(SelectOption(main, index));
        expectInside(main->findChild<QWidget*>("lblSelvaneBanner"));
        expectInside(main->findChild<QWidget*>("cmdMdiExit"));
        expectInside(main->findChild<QWidget*>("Label7"));

        main->readingWindows().OpenReading(ReadingKind::Midheaven);
        auto* frame = main->findChild<QMdiSubWindow*>();
        QVERIFY(frame->x() >= 0);
        QVERIFY(frame->x() + frame->width() <= main->width());
    }

    void readingWindowsBringTheWelcomePanelBackWhenTheyUnload()
    {
        MainWindow* main = start();
        main->readingWindows().OpenReading(ReadingKind::Descendant);
        QVERIFY(!main->readingWindows().isWelcomeVisible());
        visibleReadingWindow(main)->parentWidget()->close();
        QVERIFY(main->readingWindows().isWelcomeVisible());
    }

    void closingTheMainWindowEndsTheProgramWithReadingsOpen()
    {
        MainWindow* main = start();
        main->readingWindows().OpenReading(ReadingKind::RisingSign);
        auto* name = main->findChild<QLineEdit*>("txtName");
        QTest::keyClicks(name, "ann");
        QTest::mouseClick(main->findChild<QPushButton*>("cmdProceed"), Qt::LeftButton);
        QVERIFY(main->readingWindows().readingWindow(ReadingSlot::RisingSignResult));
        const int messages = fixture_->platform.messages.size();
        QTest::mouseClick(main->findChild<QPushButton*>("cmdMdiExit"), Qt::LeftButton);
        FlushDeletes();
        QCOMPARE(fixture_->endRequests, 1);
        QVERIFY(!main->isVisible());
        QVERIFY(main->findChildren<QMdiSubWindow*>().isEmpty());
        QCOMPARE(fixture_->platform.messages.size(), messages);
    }

    // The program ends when the application's event loop returns, as it does in main().
    void endingReturnsTheEventLoop_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("withReading");
        QTest::newRow("Exit button, reading open") << "button" << true;
        QTest::newRow("File, Exit") << "menu" << false;
        QTest::newRow("close box, reading open") << "close box" << true;
        QTest::newRow("close box") << "close box" << false;
    }
    void endingReturnsTheEventLoop()
    {
        QFETCH(QString, how);
        QFETCH(bool, withReading);
        QVERIFY(fixture_->start());
        MainWindow* main = fixture_->main();
        connect(main, &MainWindow::ended, qApp, &QCoreApplication::quit);
        if (withReading) {
            main->readingWindows().OpenReading(ReadingKind::Descendant);
            QTest::keyClicks(main->findChild<QLineEdit*>("txtName"), "ann");
            QTest::mouseClick(main->findChild<QPushButton*>("cmdProceed"), Qt::LeftButton);
            QVERIFY(main->readingWindows().readingWindow(ReadingSlot::DescendantResult));
        }
        QTimer::singleShot(0, main, [main, how] {
            if (how == "button") {
                QTest::mouseClick(main->findChild<QPushButton*>("cmdMdiExit"), Qt::LeftButton);
            } else if (how == "menu") {
                // The item as the bar shows it: File, then Exit.
                for (QAction* top : main->menuBar()->actions()) {
                    if (top->objectName() == "mnuFile" && top->menu()) {
                        for (QAction* item : top->menu()->actions()) {
                            if (item->objectName() == "mnuExit")
                                item->trigger();
                        }
                    }
                }
            } else {
                main->windowHandle()->close();
            }
        });
        // A loop that does not return by then never will.
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        giveUp.start(5000);
        const int returned = QApplication::exec();
        QCOMPARE(returned, 0);
        QCOMPARE(fixture_->endRequests, 1);
        QVERIFY(!main->isVisible());
        QVERIFY(main->findChildren<QMdiSubWindow*>().isEmpty());
        QVERIFY(fixture_->platform.messages.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
