// What a real desktop asks of the main window: small screens, menus and access keys that follow
// the reading window on screen, and topic boxes that never offer their selection to anyone.
#include "common/twips.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "support/reading_fixture.h"
#include "support/widget_helpers.h"
#include "windows/rising_sign_display.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace orbis;
using namespace orbis::testing;

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
        QCOMPARE(panel->height(), Twips(8640));
        auto* coBrand = main_->findChild<QWidget*>("PicCoBrand");
        QCOMPARE(coBrand->mapTo(main_, QPoint(0, coBrand->height())).y(), window.height());
        // The panel ends at the bottom strip or above it, never over it.
        const int panelBottom =
            panel->mapTo(main_, QPoint(0, 0)).y() + panel->visibleRegion().boundingRect().bottom();
        QVERIFY(panelBottom < coBrand->mapTo(main_, QPoint(0, 0)).y());
        // The reading names, the lowest welcome text, are on screen at every size.
        QLabel* lowest = Element<QLabel>(main_, "lblCaption", 4);
        QVERIFY(panel->visibleRegion().contains(lowest->geometry()));
    }

    void aReadingWindowThatDoesNotFitScrollsToTheFocus()
    {
        start(1024);
        main_->showNormal();
        main_->resize(1024, 575);
        QTRY_COMPARE(main_->height(), 575);
        QWidget* result = risingSignResult();
        QVERIFY(result);
        auto* area = main_->findChild<QMdiArea*>();
        QTRY_VERIFY(area->verticalScrollBar()->maximum() > 0);
        // Exit, at the bottom, has the focus on opening and is in view.
        auto* exit = result->findChild<QPushButton*>("cmdExit");
        QCOMPARE(QApplication::focusWidget(), exit);
        QVERIFY(area->viewport()->rect().contains(
            QRect(exit->mapTo(area->viewport(), QPoint(0, 0)), exit->size())));
        area->verticalScrollBar()->setValue(0);
        auto* back = result->findChild<QPushButton*>("cmdBack");
        back->setFocus(Qt::TabFocusReason);
        const QRect place(back->mapTo(area->viewport(), QPoint(0, 0)), back->size());
        QVERIFY2(area->viewport()->rect().contains(place), "Back is below the edge");
        QVERIFY(area->verticalScrollBar()->value() > 0);
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
        QVERIFY(!main_->readingWindow(ReadingSlot::RisingSignResult));
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
        QTRY_VERIFY(!main_->readingWindow(ReadingSlot::RisingSignResult));
        press(main_, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(fixture_->endRequests, 1);
    }

    void altEInABirthDetailsWindowClosesOnlyIt()
    {
        main_->OpenReading(ReadingKind::Midheaven);
        QWidget* details = main_->readingWindow(ReadingSlot::MidheavenDetails);
        QVERIFY(details);
        press(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!main_->readingWindow(ReadingSlot::MidheavenDetails));
        // A second press, while the first was still being answered, used to end everything.
        QTest::qWait(300);
        QVERIFY(main_->isWelcomeVisible());
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
