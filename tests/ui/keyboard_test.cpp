// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// One whole reading of each kind, from the main window to the result and back, by keys alone.
#include "shell/main_window.h"
#include "shell/program.h"
#include "support/reading_fixture.h"
#include "support/widget_helpers.h"
#include "windows/topic_box.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace orbis;
using namespace orbis::testing;

Q_DECLARE_METATYPE(orbis::ReadingKind)

class KeyboardTest : public QObject {
    Q_OBJECT

    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key), modifiers);
        FlushDeletes();
    }
    static QString focused()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // Starts the program with its main window active, where the keys go.
    static bool startActive(ReadingFixture& fixture)
    {
        if (!fixture.start())
            return false;
        fixture.main()->activateWindow();
        return QTest::qWaitForWindowActive(fixture.main());
    }

    // The window of a row: the main window, or a reading's birth-details or result window.
    static QWidget* windowOf(ReadingFixture& fixture, const QString& name)
    {
        if (name == "main")
            return fixture.main();
        const ReadingKind kind = name.startsWith("rising")      ? ReadingKind::RisingSign
                                 : name.startsWith("midheaven") ? ReadingKind::Midheaven
                                                                : ReadingKind::Descendant;
        return name.endsWith("result") ? fixture.read(kind) : fixture.open(kind);
    }

private slots:
    // The style and typeface the program runs with: they draw the focus.
    void initTestCase() { ConfigureApplication(*qApp); }

    void wholeReadingByKeys_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("proceedKey");
        QTest::addColumn<int>("resultSlot");
        QTest::addColumn<QString>("signLabel");
        QTest::addColumn<QString>("sign");
        // 5 April, band two below "4am-6am" ("midnight-2am"): sun Aries.
        QTest::newRow("rising") << 2 << int(Qt::Key_R) << int(ReadingSlot::RisingSignResult)
                                << "lblYourRisingSign"
                                << "Aquarius";
        QTest::newRow("midheaven")
            << 1 << int(Qt::Key_M) << int(ReadingSlot::MidheavenResult) << "lblYourMidheavenSign"
            << "Scorpio";
        QTest::newRow("descendant")
            << 0 << int(Qt::Key_D) << int(ReadingSlot::DescendantResult) << "lblYourDescendantSign"
            << "Leo";
    }
    void wholeReadingByKeys()
    {
        QFETCH(int, option);
        QFETCH(int, proceedKey);
        QFETCH(int, resultSlot);
        QFETCH(QString, signLabel);
        QFETCH(QString, sign);
        ReadingFixture fixture;
        QVERIFY(startActive(fixture));
        MainWindow* main = fixture.main();

        // Tab through the main window to the option button, press it with Space.
        QPushButton* button = SelectOption(main, option);
        for (int i = 0; i < 10 && QApplication::focusWidget() != button; ++i)
            QTest::keyClick(main, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);
        press(Qt::Key_Space);
        QCOMPARE(focused(), QString("txtName"));

        QTest::keyClicks(QApplication::focusWidget(), "ann");
        press(Qt::Key_Tab); // cmbTime
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        press(Qt::Key_Tab); // cmbDate
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Down);
        press(Qt::Key_Tab); // cmbMonth
        for (int i = 0; i < 3; ++i)
            press(Qt::Key_Down);
        press(Qt::Key_Tab); // cmbYear
        press(Qt::Key_End);
        QCOMPARE(focused(), QString("cmbYear"));

        // The access key of the Proceed button; a button pressed by its key clicks a moment later.
        press(proceedKey, Qt::AltModifier);
        QTRY_VERIFY2(main->readingWindows().readingWindow(ReadingSlot(resultSlot)),
                     "the access key did not proceed");
        QWidget* result = main->readingWindows().readingWindow(ReadingSlot(resultSlot));
        QCOMPARE(result->findChild<QLabel*>(signLabel)->text(), sign);
        auto* focus = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        QVERIFY(focus->text(QAccessible::Description).contains(sign)); // heard as it opens

        // Back by its access key; the entries are as typed.
        press(Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(!main->readingWindows().readingWindow(ReadingSlot(resultSlot)));
        FlushDeletes();
        QCOMPARE(main->findChild<QLineEdit*>("txtName")->text(), QString("ANN"));
        QCOMPARE(main->findChild<QComboBox*>("cmbYear")->currentText(), QString("2050"));

        // Enter proceeds again; Escape closes the result, bringing the welcome panel back.
        press(Qt::Key_Return);
        QVERIFY(main->readingWindows().readingWindow(ReadingSlot(resultSlot)));
        press(Qt::Key_Escape);
        QVERIFY(!main->readingWindows().readingWindow(ReadingSlot(resultSlot)));
        QVERIFY(main->readingWindows().isWelcomeVisible());
    }

    // Tab goes round every control of the window in the order it is seen, Shift+Tab the other
    // way; the focus starts where the window puts it.
    void tabGoesRoundEveryControl_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QStringList>("order");
        const QStringList details{"txtName", "cmbTime",    "cmbDate", "cmbMonth",
                                  "cmbYear", "cmdProceed", "cmdExit"};
        QTest::newRow("rising details") << int(ReadingKind::RisingSign) << false << details;
        QTest::newRow("midheaven details") << int(ReadingKind::Midheaven) << false << details;
        QTest::newRow("descendant details") << int(ReadingKind::Descendant) << false << details;
        QTest::newRow("rising result") << int(ReadingKind::RisingSign) << true
                                       << QStringList{"cmdExit",       "cmdBack",
                                                      "txtYourLooks",  "txtYourLoveandDomesticLife",
                                                      "txtYourHealth", "txtYourCareerandFinance",
                                                      "txtYourNature"};
        QTest::newRow("midheaven result")
            << int(ReadingKind::Midheaven) << true << QStringList{"cmdExit", "cmdBack"};
        QTest::newRow("descendant result")
            << int(ReadingKind::Descendant) << true << QStringList{"cmdExit", "cmdBack"};
    }
    void tabGoesRoundEveryControl()
    {
        QFETCH(int, kind);
        QFETCH(bool, result);
        QFETCH(QStringList, order);
        ReadingFixture fixture;
        QVERIFY(startActive(fixture));
        QWidget* window =
            result ? fixture.read(ReadingKind(kind)) : fixture.open(ReadingKind(kind));
        QVERIFY(window);
        // Every control that takes the focus by Tab is in the round.
        QStringList takesTab;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window) &&
                !widget->focusProxy())
                takesTab.append(widget->objectName());
        }
        takesTab.sort();
        QStringList sorted = order;
        sorted.sort();
        QCOMPARE(takesTab, sorted);

        QCOMPARE(focused(), order.first());
        QStringList forward;
        for (int i = 0; i < order.size(); ++i) {
            forward.append(focused());
            press(Qt::Key_Tab);
        }
        QCOMPARE(forward, order);
        QCOMPARE(focused(), order.first());
        QVERIFY(QApplication::focusWidget()->accessibleDescription().isEmpty()); // heard once
        QStringList backward;
        for (int i = 0; i < order.size(); ++i) {
            press(Qt::Key_Backtab);
            backward.prepend(focused());
        }
        QCOMPARE(backward, order);
    }

    // A focused topic box scrolls by keys, and a screen reader names it by its heading.
    void topicBoxesScrollByKeysAndCarryTheirHeading()
    {
        ReadingFixture fixture;
        QVERIFY(startActive(fixture));
        QWidget* result = fixture.read(ReadingKind::RisingSign);
        const std::pair<const char*, const char*> boxes[] = {
            {"txtYourLooks", "Label7"},
            {"txtYourLoveandDomesticLife", "Label4"},
            {"txtYourHealth", "Label2"},
            {"txtYourCareerandFinance", "Label5"},
            {"txtYourNature", "Label6"}};
        int scrolled = 0;
        for (const auto& [boxName, headingName] : boxes) {
            auto* box = result->findChild<TopicBox*>(boxName);
            auto* heading = result->findChild<QLabel*>(headingName);
            QVERIFY(box && heading);
            QCOMPARE(box->accessibleName(), heading->text());
            QCOMPARE(heading->buddy(), box);
            box->setFocus(Qt::TabFocusReason);
            QScrollBar* bar = box->verticalScrollBar();
            if (bar->maximum() == 0)
                continue;
            ++scrolled;
            press(Qt::Key_Down);
            QVERIFY2(bar->value() > 0, boxName);
            press(Qt::Key_End);
            QCOMPARE(bar->value(), bar->maximum());
            press(Qt::Key_PageUp);
            QVERIFY2(bar->value() < bar->maximum(), boxName);
            press(Qt::Key_Home);
            QCOMPARE(bar->value(), 0);
        }
        // Capricorn's texts overflow their boxes at the design's sizes.
        QVERIFY(scrolled > 0);
    }

    // Every control Tab reaches shows whether it has the focus: its edge takes its text's colour
    // and thickens. A button's face is the design's colour either way.
    void focusShows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QColor>("face"); // none for a text box or list
        QTest::addColumn<QColor>("edge"); // with the focus
        const QColor peach(255, 224, 192);
        const QColor silver(192, 192, 192);
        const QColor black(0, 0, 0);
        const QColor darkRed(64, 0, 0);
        const QColor brown(128, 64, 0);
        const std::tuple<const char*, const char*, QColor, QColor> controls[] = {
            {"main", "cmdSelectOption", silver, black},
            {"main", "cmdMdiExit", silver, black},
            {"rising details", "txtName", QColor(), brown},
            {"rising details", "cmbTime", QColor(), brown},
            {"rising details", "cmdProceed", peach, black},
            {"midheaven details", "cmdExit", silver, black},
            {"rising result", "cmdExit", peach, black},
            {"rising result", "cmdBack", peach, black},
            {"rising result", "txtYourLooks", QColor(), darkRed},
            {"rising result", "txtYourNature", QColor(), darkRed},
            {"midheaven result", "cmdBack", silver, black},
            {"descendant result", "cmdExit", peach, black},
        };
        for (const auto& [window, control, face, edge] : controls) {
            for (const bool focused : {true, false})
                QTest::newRow(qPrintable(
                    QString("%1 %2 %3").arg(window, control, focused ? "focused" : "not focused")))
                    << QString(window) << QString(control) << focused << face << edge;
        }
    }
    void focusShows()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(bool, focused);
        QFETCH(QColor, face);
        QFETCH(QColor, edge);
        ReadingFixture fixture;
        QVERIFY(startActive(fixture));
        QWidget* shown = windowOf(fixture, window);
        QVERIFY(shown);
        QWidget* widget = shown->findChild<QWidget*>(control);
        QVERIFY(widget);
        // Without the focus, the focus is on the next control Tab reaches.
        QWidget* other = widget->nextInFocusChain();
        while (!(other->focusPolicy() & Qt::TabFocus) || !other->isVisible())
            other = other->nextInFocusChain();
        (focused ? widget : other)->setFocus(Qt::TabFocusReason);
        QCOMPARE(widget->hasFocus(), focused);

        const QImage look = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int middle = look.height() / 2;
        // Just inside the outermost line of the left edge.
        QCOMPARE(look.pixelColor(1, middle) == edge, focused);
        // The button Enter presses keeps its outermost line in that colour, focused or not.
        if (auto* button = qobject_cast<QPushButton*>(widget); button && button->isDefault())
            QCOMPARE(look.pixelColor(0, middle), edge);
        if (face.isValid())
            QCOMPARE(look.pixelColor(8, middle), face);
    }

    // In a room shorter than the birth-details window, scrolled by keys to a control at the
    // bottom, the next reading window opens with its title bar at the top of the room.
    void nextWindowOpensAtItsTop_data()
    {
        QTest::addColumn<bool>("fromResult");
        QTest::addColumn<QString>("next");
        QTest::newRow("result, Back") << true << "back";
        QTest::newRow("result, another reading") << true << "another";
        QTest::newRow("details, Proceed") << false << "proceed";
        QTest::newRow("details, another reading") << false << "another";
    }
    void nextWindowOpensAtItsTop()
    {
        QFETCH(bool, fromResult);
        QFETCH(QString, next);
        ReadingFixture fixture;
        QVERIFY(startActive(fixture));
        MainWindow* main = fixture.main();
        main->showNormal();
        auto* workArea = main->findChild<QWidget*>("workArea");
        main->resize(main->width(), main->height() - workArea->height() + 300);
        QTRY_COMPARE(workArea->height(), 300);
        auto* area = main->findChild<QMdiArea*>();
        QScrollBar* bar = area->verticalScrollBar();

        QWidget* first = fromResult ? fixture.read(ReadingKind::RisingSign)
                                    : fixture.open(ReadingKind::RisingSign);
        QVERIFY(first);
        if (!fromResult)
            Enter(first, {});
        // Tab round to the last control of the window, at its bottom.
        const QString last = fromResult ? "cmdBack" : "cmdExit";
        for (int i = 0; i < 10 && focused() != last; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(focused(), last);
        QVERIFY2(bar->value() > 0, "the keys did not scroll the room");

        if (next == "back")
            press(Qt::Key_B, Qt::AltModifier);
        else if (next == "proceed")
            press(Qt::Key_R, Qt::AltModifier);
        else
            QTest::mouseClick(SelectOption(main, int(ReadingKind::Descendant)), Qt::LeftButton);
        // A button pressed by its key clicks a moment later.
        auto nextWindow = [&] {
            return next == "back"      ? fixture.details(ReadingKind::RisingSign)
                   : next == "proceed" ? fixture.result(ReadingKind::RisingSign)
                                       : fixture.details(ReadingKind::Descendant);
        };
        QTRY_VERIFY(nextWindow() && nextWindow()->isVisible());
        FlushDeletes();
        QWidget* frame = nextWindow()->parentWidget();
        QTRY_COMPARE(frame->mapTo(area->viewport(), QPoint(0, 0)).y(), 0);
        QCOMPARE(bar->value(), 0);
        QVERIFY(bar->isVisible());
    }

    // Enter presses the focused button in the main window as in every other window; the button
    // Enter presses when none has the focus is drawn as the default one.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("slot");
        QTest::newRow("Zodiac Rising Sign") << 2 << int(ReadingSlot::RisingSignDetails);
        QTest::newRow("Descendant Astrology") << 0 << int(ReadingSlot::DescendantDetails);
        QTest::newRow("Midheaven Astrology") << 1 << int(ReadingSlot::MidheavenDetails);
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(int, option);
        QFETCH(int, slot);
        ReadingFixture fixture;
        QVERIFY(startActive(fixture));
        MainWindow* main = fixture.main();
        SelectOption(main, option)->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        QWidget* details = main->readingWindows().readingWindow(ReadingSlot(slot));
        QVERIFY(details);
        QVERIFY(details->findChild<QPushButton*>("cmdProceed")->isDefault());
        QVERIFY(!details->findChild<QPushButton*>("cmdExit")->isDefault());
        QWidget* result = fixture.read(ReadingKind(option));
        QVERIFY(result->findChild<QPushButton*>("cmdExit")->isDefault());
        QVERIFY(!result->findChild<QPushButton*>("cmdBack")->isDefault());
        press(Qt::Key_Escape);

        main->findChild<QPushButton*>("cmdMdiExit")->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Enter);
        QCOMPARE(fixture.endRequests, 1);
    }

    // Keys Qt brings along (Ctrl+W and Ctrl+F4 close a child window through its system menu) do
    // nothing; the window's own Exit key still closes it.
    void onlyTheProgramsKeysCloseAReadingWindow_data()
    {
        QTest::addColumn<ReadingKind>("kind");
        QTest::addColumn<bool>("result");
        QTest::newRow("rising details") << ReadingKind::RisingSign << false;
        QTest::newRow("midheaven details") << ReadingKind::Midheaven << false;
        QTest::newRow("descendant details") << ReadingKind::Descendant << false;
        QTest::newRow("rising result") << ReadingKind::RisingSign << true;
        QTest::newRow("midheaven result") << ReadingKind::Midheaven << true;
        QTest::newRow("descendant result") << ReadingKind::Descendant << true;
    }
    void onlyTheProgramsKeysCloseAReadingWindow()
    {
        QFETCH(ReadingKind, kind);
        QFETCH(bool, result);
        ReadingFixture fixture;
        QVERIFY(startActive(fixture));
        QPointer<QWidget> window = result ? fixture.read(kind) : fixture.open(kind);
        QVERIFY(window);
        auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        QVERIFY(frame);
        for (const QKeySequence& keys :
             {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)}) {
            QTest::keySequence(QApplication::focusWidget(), keys);
            FlushDeletes();
            QVERIFY2(window && window->isVisible(), qPrintable(keys.toString()));
        }
        for (QAction* item : frame->systemMenu()->actions())
            QVERIFY2(item->shortcuts().isEmpty(), qPrintable(item->text()));
        press(Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!window);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
