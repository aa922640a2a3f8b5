// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// What a real desktop asks of the main window: small screens, menus and access keys that follow
// the reading window on screen, and topic boxes that never offer their selection to anyone.
#include "common/qt_platform.h"
#include "common/twips.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "support/reading_fixture.h"
#include "support/widget_helpers.h"
#include "windows/rising_sign_display.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace orbis;
using namespace orbis::testing;

namespace {
// A window that asks for a given size.
class AskingWindow final : public QWidget {
public:
    explicit AskingWindow(QSize asked) : asked_(asked) {}
    QSize sizeHint() const override { return asked_; }

private:
    QSize asked_;
};
} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ReadingFixture> fixture_;
    MainWindow* main_ = nullptr;

    QStringList menuBarNames() const
    {
        QStringList names;
        for (const QAction* action : main_->menuBar()->actions())
            names.append(action->objectName());
        return names;
    }
    QKeySequence exitShortcut() const
    {
        return main_->findChild<QPushButton*>("cmdMdiExit")->shortcut();
    }
    QWidget* risingSignResult() { return fixture_->read(ReadingKind::RisingSign); }
    void start(int screenPixels)
    {
        fixture_->platform.screenWidth = screenPixels * 15.0;
        QVERIFY(fixture_->start());
        main_ = fixture_->main();
        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_));
    }
    static void press(QWidget* target, Qt::Key key,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(target, key, modifiers);
        FlushDeletes();
    }

private slots:
    void init()
    {
        fixture_ = std::make_unique<ReadingFixture>();
        start(1280);
    }
    void cleanup() { fixture_.reset(); }

    // Client areas of a maximised window on laptop screens (title bar and panel taken off).
    void stripsStayOnScreenAndTheWelcomePanelIsCut_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("1024x600") << QSize(1024, 575);
        QTest::newRow("1280x800") << QSize(1280, 736);
        QTest::newRow("1366x768") << QSize(1366, 704);
        QTest::newRow("1536x864 (1920x1080 at 125%)") << QSize(1536, 800);
        QTest::newRow("1920x1080") << QSize(1920, 1020);
    }
    void stripsStayOnScreenAndTheWelcomePanelIsCut()
    {
        QFETCH(QSize, client);
        start(client.width());
        QVERIFY(main_->minimumSizeHint().width() <= client.width());
        QVERIFY2(main_->minimumSizeHint().height() <= 300,
                 qPrintable(QString::number(main_->minimumSizeHint().height())));
        main_->showNormal();
        main_->resize(client);
        QTRY_COMPARE(main_->size(), client);

        const QRect window = main_->rect();
        for (const char* name : {"Picture6", "Picture1", "PicCoBrand", "Label7", "cmdMdiExit"}) {
            auto* widget = main_->findChild<QWidget*>(name);
            const QRect place(widget->mapTo(main_, QPoint(0, 0)), widget->size());
            QVERIFY2(window.contains(place), name);
        }
        auto* panel = main_->findChild<QWidget*>("picMain");
        QCOMPARE(panel->height(), TwipsToPixels(8640));
        auto* coBrand = main_->findChild<QWidget*>("PicCoBrand");
        QCOMPARE(coBrand->mapTo(main_, QPoint(0, coBrand->height())).y(), window.height());
        // The panel ends at the bottom strip or above it, never over it.
        const int panelBottom =
            panel->mapTo(main_, QPoint(0, 0)).y() + panel->visibleRegion().boundingRect().bottom();
        QVERIFY(panelBottom < coBrand->mapTo(main_, QPoint(0, 0)).y());
        // The reading names, the lowest welcome text, are on screen at every size.
        QLabel* lowest = Caption(main_, 4);
        QVERIFY(panel->visibleRegion().contains(lowest->geometry()));
    }

    // Rooms between the strips measured on real desktops with the window maximised. A window
    // that fits, or fits but for empty space, gets no scroll bar and shows every control; a
    // taller one opens with its top-left corner in view, the answer on screen. The title bar is
    // always in the room.
    void readingWindowsOpenAtTheirTop_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("room");
        QTest::addColumn<bool>("scrolls");
        QTest::addColumn<int>("openedIn"); // the room it opened in, if another
        QTest::newRow("result, X11 1024x600") << "rising" << 417 << true << 0;
        QTest::newRow("result, X11 1366x768 at 125%") << "rising" << 435 << true << 0;
        QTest::newRow("result, Wayland 1366x768 at 125%") << "rising" << 398 << true << 0;
        QTest::newRow("result, Wayland 1366x768") << "rising" << 539 << false << 0;
        QTest::newRow("result, X11 1366x768") << "rising" << 560 << false << 0;
        QTest::newRow("result, X11 1366x768 restored") << "rising" << 508 << true << 0;
        QTest::newRow("midheaven, X11 1024x600") << "midheaven" << 417 << false << 0;
        QTest::newRow("descendant, Wayland 1024x600") << "descendant" << 371 << true << 0;
        QTest::newRow("details, X11 1024x600") << "details" << 417 << false << 0;
        QTest::newRow("details, Wayland 1024x600") << "details" << 371 << true << 0;
        QTest::newRow("details, Wayland 1366x768 at 125%") << "details" << 398 << false << 0;
        QTest::newRow("result, X11 1366x768, restored with it open")
            << "rising" << 508 << true << 560;
        QTest::newRow("result, X11 1366x768, maximised with it open")
            << "rising" << 560 << false << 508;
        QTest::newRow("details, X11 1024x600, grown with it open")
            << "details" << 417 << false << 371;
    }
    void readingWindowsOpenAtTheirTop()
    {
        QFETCH(QString, window);
        QFETCH(int, room);
        QFETCH(bool, scrolls);
        QFETCH(int, openedIn);
        start(1024);
        main_->showNormal();
        auto* workArea = main_->findChild<QWidget*>("workArea");
        main_->resize(1024, main_->height() - workArea->height() + (openedIn ? openedIn : room));
        QTRY_COMPARE(workArea->height(), openedIn ? openedIn : room);

        QWidget* shown = nullptr;
        QWidget* answer = nullptr;
        if (window == "details") {
            shown = fixture_->open(ReadingKind::RisingSign);
            answer = shown->findChild<QWidget*>("txtName");
        } else {
            const ReadingKind kind = window == "rising"      ? ReadingKind::RisingSign
                                     : window == "midheaven" ? ReadingKind::Midheaven
                                                             : ReadingKind::Descendant;
            shown = fixture_->read(kind);
            const char* signName = window == "rising"      ? "lblYourRisingSign"
                                   : window == "midheaven" ? "lblYourMidheavenSign"
                                                           : "lblYourDescendantSign";
            answer = shown->findChild<QWidget*>(signName);
        }
        QVERIFY(shown);
        // Resized with the window open, the room is fitted to it again.
        main_->resize(1024, main_->height() - workArea->height() + room);
        QTRY_COMPARE(workArea->height(), room);
        auto* area = main_->findChild<QMdiArea*>();
        QCOMPARE(area->height(), room);
        QWidget* viewport = area->viewport();
        auto inView = [&](QWidget* widget) {
            return viewport->rect().contains(
                QRect(widget->mapTo(viewport, QPoint(0, 0)), widget->size()));
        };
        // The focus where the window puts it, and the answer in view all the same.
        QCOMPARE(QApplication::focusWidget(),
                 shown->findChild<QWidget*>(window == "details" ? "txtName" : "cmdExit"));
        QVERIFY(inView(answer));
        QVERIFY(inView(shown->findChild<QWidget*>("Label61")));
        QCOMPARE(area->verticalScrollBar()->isVisible(), scrolls);
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QWidget* frame = shown->parentWidget();
        QCOMPARE(frame->mapTo(viewport, QPoint(0, 0)), QPoint(frame->x(), 0));
        // Its layout is fixed: its frame pulls it neither smaller nor larger.
        const QSize designed = frame->size();
        for (const QSize& pulled : {designed - QSize(40, 40), designed + QSize(40, 40)}) {
            frame->resize(pulled);
            QCOMPARE(frame->size(), designed);
        }
        if (scrolls)
            return;
        for (QWidget* control : shown->findChildren<QWidget*>()) {
            if (control->focusPolicy() & Qt::TabFocus && control->isVisibleTo(shown))
                QVERIFY2(inView(control), qPrintable(control->objectName()));
        }
    }

    void onlyTheKeyboardScrollsToTheFocus()
    {
        start(1024);
        main_->showNormal();
        auto* workArea = main_->findChild<QWidget*>("workArea");
        main_->resize(1024, main_->height() - workArea->height() + 417);
        QTRY_COMPARE(workArea->height(), 417);
        QWidget* result = risingSignResult();
        auto* area = main_->findChild<QMdiArea*>();
        QScrollBar* bar = area->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
        auto* exit = result->findChild<QPushButton*>("cmdExit");
        auto* back = result->findChild<QPushButton*>("cmdBack");
        // Given by the program or by the window coming back to the front: no scrolling.
        back->setFocus(Qt::OtherFocusReason);
        exit->setFocus(Qt::ActiveWindowFocusReason);
        QCOMPARE(bar->value(), 0);
        // Moved there by the user: the control comes into view.
        QTest::keyClick(exit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), back);
        QVERIFY(bar->value() > 0);
        const QRect place(back->mapTo(area->viewport(), QPoint(0, 0)), back->size());
        QVERIFY2(area->viewport()->rect().contains(place), "Back is below the edge");
        // Shift+Tab from Exit goes round to the last topic box, near the top again.
        QTest::keyClick(back, Qt::Key_Backtab);
        QTest::keyClick(exit, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtYourNature"));
        QWidget* nature = QApplication::focusWidget();
        QVERIFY(area->viewport()->rect().contains(
            QRect(nature->mapTo(area->viewport(), QPoint(0, 0)), nature->size())));
    }

    // Maximised on the real platform, a window restores to the size it asks for, within the
    // screen and centred on it; its minimum never exceeds the room, which on Wayland would end
    // the program.
    void maximisedWindowsRestoreToTheirOwnSize_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("minimum");
        QTest::newRow("the main window on a 1024 screen") << QSize(1017, 740) << QSize(1017, 182);
        QTest::newRow("larger than the screen") << QSize(3000, 3000) << QSize(2500, 2000);
    }
    void maximisedWindowsRestoreToTheirOwnSize()
    {
        QFETCH(QSize, asked);
        QFETCH(QSize, minimum);
        QtPlatform platform;
        AskingWindow window(asked);
        window.setMinimumSize(minimum);
        platform.showMaximized(&window);
        const QRect available = window.screen()->availableGeometry();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect normal = window.normalGeometry();
        QVERIFY2(available.contains(normal), qPrintable(QString("%1,%2 %3x%4")
                                                            .arg(normal.x())
                                                            .arg(normal.y())
                                                            .arg(normal.width())
                                                            .arg(normal.height())));
        QVERIFY(normal.width() <= asked.width() && normal.height() <= asked.height());
        QVERIFY(normal.width() == asked.width() || normal.width() < available.width());
        QVERIFY((normal.center() - available.center()).manhattanLength() <= 2);
        QVERIFY(window.minimumWidth() < available.width());
        QVERIFY(window.minimumHeight() < available.height());
        QVERIFY(window.minimumWidth() <= normal.width());
    }

    void theMainWindowsSizesSuitTheSmallestScreen()
    {
        start(1024);
        // Restored: the strips as placed from the screen's width, over the design's height; at its
        // minimum, every strip control is inside.
        QCOMPARE(main_->sizeHint().width(),
                 TwipsToPixels(fixture_->platform.screenWidth - 120) + 1);
        QVERIFY(main_->sizeHint().height() > TwipsToPixels(560 + 900 + 8640 + 735));
        const QSize minimum = main_->minimumSize();
        QVERIFY(minimum.width() <= 1024 && minimum.height() <= 600);
        QVERIFY(minimum.width() >= TwipsToPixels(10755));
        main_->showNormal();
        main_->resize(1, 1);
        QTRY_COMPARE(main_->size(), minimum);
        for (QPushButton* control : main_->findChildren<QPushButton*>()) {
            if (!control->isVisibleTo(main_))
                continue;
            const QRect place(control->mapTo(main_, QPoint(0, 0)), control->size());
            QVERIFY2(main_->rect().contains(place), qPrintable(control->text()));
        }
    }

    // Whatever closes the result, with its birth-details window hidden, the main window's menus
    // and its Exit key come back; Back brings the birth-details window's.
    void menusAndExitKeyFollowTheReadingWindowOnScreen_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("moneyItem");
        QTest::newRow("Exit button") << "button"
                                     << "mkmoney";
        QTest::newRow("File, Exit") << "menu"
                                    << "mkmoney";
        QTest::newRow("Escape") << "escape"
                                << "mkmoney";
        QTest::newRow("close box") << "frame"
                                   << "mkmoney";
        QTest::newRow("Back") << "back"
                              << "mnuMakeMoneyOnline";
    }
    void menusAndExitKeyFollowTheReadingWindowOnScreen()
    {
        QFETCH(QString, how);
        QFETCH(QString, moneyItem);
        const QKeySequence altE = QKeySequence(Qt::ALT | Qt::Key_E);
        QCOMPARE(menuBarNames(), QStringList({"mnuFile", "mnuHelp", "mkmoney"}));
        QCOMPARE(exitShortcut(), altE);
        QWidget* result = risingSignResult();
        QVERIFY(result);
        QCOMPARE(menuBarNames(), QStringList({"mnuFile", "mnuHelp", "mnuMakeMoneyOnline"}));
        QCOMPARE(exitShortcut(), QKeySequence());

        if (how == "button")
            QTest::mouseClick(result->findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
        else if (how == "menu")
            result->findChild<QAction*>("mnuExit")->trigger();
        else if (how == "escape")
            QTest::keyClick(result->findChild<QPushButton*>("cmdExit"), Qt::Key_Escape);
        else if (how == "frame")
            result->parentWidget()->close();
        else
            QTest::mouseClick(result->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
        FlushDeletes();
        QVERIFY(!main_->readingWindows().readingWindow(ReadingSlot::RisingSignResult));
        QCOMPARE(menuBarNames().last(), moneyItem);
        QCOMPARE(exitShortcut(), moneyItem == "mkmoney" ? altE : QKeySequence());
        for (const QAction* action : main_->menuBar()->actions())
            QVERIFY2(action->isVisible(), qPrintable(action->objectName()));
    }

    void altEInAReadingWindowPressesThatWindowsExit()
    {
        QWidget* result = risingSignResult();
        QVERIFY(result);
        press(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!main_->readingWindows().readingWindow(ReadingSlot::RisingSignResult));
        press(main_, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(fixture_->endRequests, 1);
    }

    void altEInABirthDetailsWindowClosesOnlyIt()
    {
        main_->readingWindows().OpenReading(ReadingKind::Midheaven);
        QWidget* details = main_->readingWindows().readingWindow(ReadingSlot::MidheavenDetails);
        QVERIFY(details);
        press(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!main_->readingWindows().readingWindow(ReadingSlot::MidheavenDetails));
        // A second press, while the first was still being answered, used to end everything.
        QTest::qWait(300);
        QVERIFY(main_->readingWindows().isWelcomeVisible());
        QCOMPARE(fixture_->endRequests, 0);
    }

    // The box selects by mouse or keys and shows it (a screen reader reads it from the text
    // cursor), yet no gesture reaches the text control, which alone would hand the selection to
    // the clipboard, the primary selection or a drag.
    void topicBoxesSelectWithoutOfferingTheSelection_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("drag") << "drag";
        QTest::newRow("double click") << "double";
        QTest::newRow("select all") << "all";
        QTest::newRow("shift click") << "shift";
    }
    void topicBoxesSelectWithoutOfferingTheSelection()
    {
        QFETCH(QString, how);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("copied elsewhere");
        if (clipboard->supportsSelection())
            clipboard->setText("selected elsewhere", QClipboard::Selection);
        QWidget* result = risingSignResult();
        auto* looks = result->findChild<TopicBox*>("txtYourLooks");
        QWidget* view = looks->viewport();
        const QPoint start(4, 6);
        const QPoint end(view->width() - 12, 40);
        if (how == "drag") {
            QTest::mousePress(view, Qt::LeftButton, {}, start);
            QMouseEvent move(QEvent::MouseMove, end, view->mapToGlobal(end), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view, &move);
            QTest::mouseRelease(view, Qt::LeftButton, {}, end);
        } else if (how == "double") {
            QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(20, 6));
        } else if (how == "all") {
            QTest::mouseClick(view, Qt::LeftButton, {}, start);
            QTest::keyClick(looks, Qt::Key_A, Qt::ControlModifier);
        } else {
            QTest::mouseClick(view, Qt::LeftButton, {}, start);
            QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, end);
        }
        QVERIFY2(looks->selectedText().size() >= 3, qPrintable(looks->selectedText()));
        // A double click takes one word.
        if (how == "double")
            QVERIFY2(!looks->selectedText().contains(' '), qPrintable(looks->selectedText()));
        QVERIFY(looks->toPlainText().contains(looks->selectedText().left(3)));
        QCOMPARE(looks->textCursor().selectedText(), looks->selectedText());
        QTest::keyClick(looks, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(looks, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QString("copied elsewhere"));
        if (clipboard->supportsSelection())
            QCOMPARE(clipboard->text(QClipboard::Selection), QString("selected elsewhere"));
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
