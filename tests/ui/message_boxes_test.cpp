// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes as the user meets them: the real QMessageBox of QtPlatform, looked at and
// answered by the test while it is up.
#include "common/program_identity.h"
#include "common/qt_platform.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/update_reminder.h"
#include "support/reading_fixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QtTest>

using namespace orbis;
using namespace orbis::testing;

namespace {

// What the user saw of a box.
struct SeenBox {
    bool shown = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool iconDrawn = false;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QIcon windowIcon;
};

} // namespace

class MessageBoxesTest : public QObject {
    Q_OBJECT

    // Once a message box is up, notes what it shows and answers it with `answer`, by Enter or by
    // a click, looking for it with `timer`. Whatever happens, the box does not stay open.
    static void answerWhenShown(QTimer& timer, SeenBox& seen, QMessageBox::StandardButton answer,
                                bool byEnter)
    {
        timer.setInterval(10);
        connect(&timer, &QTimer::timeout, &timer, [&timer, &seen, answer, byEnter] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            timer.stop();
            const auto closeAnyway = qScopeGuard([box] {
                if (box->isVisible())
                    box->done(-1);
            });
            seen.shown = true;
            seen.icon = box->icon();
            seen.iconDrawn = !box->iconPixmap().isNull();
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.buttons = box->standardButtons();
            seen.windowIcon = box->windowIcon();
            for (QAbstractButton* button : box->buttons()) {
                if (auto* push = qobject_cast<QPushButton*>(button); push && push->isDefault())
                    seen.defaultButton = box->standardButton(push);
            }
            if (byEnter)
                QTest::keyClick(box, Qt::Key_Return);
            else if (QAbstractButton* button = box->button(answer))
                QTest::mouseClick(button, Qt::LeftButton);
        });
        timer.start();
    }

private slots:
    void initTestCase() { ConfigureApplication(*qApp); }

    void realBoxes_data()
    {
        QTest::addColumn<QString>("provoke");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("information");
        QTest::addColumn<bool>("yesNo");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("byEnter");
        const QString question = "There maybe an update to this software available\r"
                                 "Do you want to check for an update?";
        QTest::newRow("second copy")
            << "second copy"
            << "Application is already running" << true << false << int(QMessageBox::Ok) << true;
        QTest::newRow("not a letter")
            << "digit"
            << "Please Enter Only Alphabet !" << true << false << int(QMessageBox::Ok) << false;
        QTest::newRow("no name") << "no name"
                                 << "Please Enter Your Name !" << false << false
                                 << int(QMessageBox::Ok) << true;
        QTest::newRow("reminder, Enter")
            << "reminder" << question << true << true << int(QMessageBox::Yes) << true;
        QTest::newRow("reminder, No")
            << "reminder" << question << true << true << int(QMessageBox::No) << false;
    }
    void realBoxes()
    {
        QFETCH(QString, provoke);
        QFETCH(QString, text);
        QFETCH(bool, information);
        QFETCH(bool, yesNo);
        QFETCH(int, answer);
        QFETCH(bool, byEnter);
        QtPlatform desktop;
        ReadingFixture fixture;
        fixture.platform.messagesTo = &desktop;
        SeenBox seen;
        QTimer timer;
        answerWhenShown(timer, seen, QMessageBox::StandardButton(answer), byEnter);
        QLineEdit* name = nullptr;
        if (provoke == "second copy") {
            fixture.platform.lockFree = false;
            QVERIFY(!fixture.start());
        } else if (provoke == "reminder") {
            fixture.platform.setDuration("2026-10-01T09:00:00");
            RemindOfUpdate(fixture.platform);
        } else {
            QVERIFY(fixture.start());
            QWidget* details = fixture.open(ReadingKind::RisingSign);
            name = details->findChild<QLineEdit*>("txtName");
            if (provoke == "digit") {
                QTest::keyClicks(name, "a1");
            } else {
                Proceed(details);
            }
        }
        QVERIFY2(seen.shown, "no message box came up");
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(seen.title, ProgramTitle());
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.icon, information ? QMessageBox::Information : QMessageBox::NoIcon);
        QCOMPARE(seen.iconDrawn, information);
        QCOMPARE(seen.buttons, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        QCOMPARE(seen.defaultButton, yesNo ? QMessageBox::Yes : QMessageBox::Ok);
        // The program's icon, as on every window, not the window system's stand-in.
        QVERIFY(!seen.windowIcon.isNull());
        QCOMPARE(
            seen.windowIcon.pixmap(32).toImage().convertToFormat(
                QImage::Format_ARGB32_Premultiplied),
            QImage(":/icons/program/32.png").convertToFormat(QImage::Format_ARGB32_Premultiplied));

        // The answer reached the program.
        if (provoke == "reminder") {
            QCOMPARE(fixture.platform.opened.size(), answer == QMessageBox::Yes ? 1 : 0);
            QCOMPARE(fixture.platform.duration(), QString("2026-12-08T10:30:00"));
        }
        if (name)
            QCOMPARE(name->text(), provoke == "digit" ? QString("A") : QString());
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
