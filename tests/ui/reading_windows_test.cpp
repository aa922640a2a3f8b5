// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The birth-details windows and the three result windows, driven through their widgets.
#include "common/program_identity.h"
#include "common/web_pages.h"
#include "shell/about_window.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "support/reading_fixture.h"
#include "support/widget_helpers.h"
#include "windows/birth_details_window.h"
#include "windows/sign_pictures.h"

#include "orbis/chart_points.h"
#include "orbis/reading_state.h"
#include "orbis/rising_sign.h"
#include "orbis/sign_profile.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QtTest>

#include <optional>

using namespace orbis;
using namespace orbis::testing;

Q_DECLARE_METATYPE(orbis::ReadingKind)

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// What a control shows: a label's text or a text box's.
QString Shown(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control))
        return box->toPlainText();
    return QStringLiteral("<not a text>");
}

// The label in `root` that shows `caption`, or null.
QLabel* CaptionLabel(QWidget* root, const QString& caption)
{
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->text() == caption)
            return label;
    }
    return nullptr;
}

// The control a reader takes to belong to `caption`: the nearest one directly below it, sharing
// its left edge, or (`beside`) the nearest to its right on its line.
QWidget* ControlOf(const QLabel* caption, bool beside = false)
{
    QWidget* found = nullptr;
    const QRect place = caption->geometry();
    for (QWidget* other :
         caption->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect at = other->geometry();
        const bool candidate = beside ? at.top() == place.top() && at.left() > place.right()
                                      : at.left() == place.left() && at.top() > place.bottom();
        if (other != caption && candidate &&
            (!found || (beside ? at.left() < found->x() : at.top() < found->y())))
            found = other;
    }
    return found;
}

// Each heading of the rising sign result and the profile field shown under it.
struct ProfileField {
    const char* caption;
    const char* control;
    std::string_view SignProfile::*field;
};
constexpr ProfileField kProfileFields[] = {
    {"Your Ruling Planet", "lblYourRulingPlanet", &SignProfile::RulingPlanet},
    {"Your Symbol", "lblYourSymbol", &SignProfile::Symbol},
    {"Your Element", "lblYourElement", &SignProfile::Element},
    {"Your Sign Color", "lblYourSignColor", &SignProfile::SignColor},
    {"Your Type of Sign", "lblYourTypeofSign", &SignProfile::TypeofSign},
    {"Your Lucky Days", "lblYourLuckyDays", &SignProfile::LuckyDays},
    {"Your Lucky Numbers", "lblYourLuckyNumbers", &SignProfile::LuckyNumbers},
    {"Your Lucky Direction", "lblYourLuckyDirection", &SignProfile::LuckyDirection},
    {"Your Lucky Colors", "lblYourLuckyColors", &SignProfile::LuckyColors},
    {"Your Lucky Gemstone", "lblYourLuckyGemstone", &SignProfile::LuckyGemstone},
    {"Your Looks", "txtYourLooks", &SignProfile::Looks},
    {"Your Nature", "txtYourNature", &SignProfile::Nature},
    {"Your Career and Finance", "txtYourCareerandFinance", &SignProfile::CareerandFinance},
    {"Your Love and Domestic Life", "txtYourLoveandDomesticLife",
     &SignProfile::LoveandDomesticLife},
    {"Your Health", "txtYourHealth", &SignProfile::Health},
};

// Checks that `caption` is shown in `root` and that the control belonging to it is `control`
// showing exactly `expected`.
void CheckShown(QWidget* root, const QString& caption, const QString& control,
                const QString& expected, bool beside = false)
{
    const QLabel* label = CaptionLabel(root, caption);
    QVERIFY2(label && label->isVisible(), qPrintable(caption));
    const QWidget* shown = ControlOf(label, beside);
    QVERIFY2(shown, qPrintable("nothing under " + caption));
    // Named with the heading, so that a failure says where the user sees it.
    QCOMPARE(caption + ": " + shown->objectName(), caption + ": " + control);
    QVERIFY2(shown->isVisible(), qPrintable(control));
    QCOMPARE(caption + ": " + Shown(shown), caption + ": " + expected);
}

// Every text `root` and the windows in it show, and what a screen reader says of their controls.
QStringList TextsShown(QWidget* root)
{
    QStringList texts{root->windowTitle()};
    for (QWidget* w : root->findChildren<QWidget*>()) {
        texts << w->windowTitle() << w->accessibleName() << w->accessibleDescription();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* box = qobject_cast<QPlainTextEdit*>(w))
            texts << box->toPlainText();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* frame = qobject_cast<QGroupBox*>(w))
            texts << frame->title();
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        }
    }
    for (const QAction* action : root->findChildren<QAction*>())
        texts << action->text();
    return texts;
}

// The words of `text` that hunspell's `dictionary` does not know; nothing when it cannot tell.
std::optional<QStringList> Unknown(const QString& text, const QString& dictionary, QString& error)
{
    QProcess hunspell;
    hunspell.start(QStringLiteral("hunspell"),
                   {QStringLiteral("-d"), dictionary, QStringLiteral("-l")});
    if (!hunspell.waitForStarted()) {
        error = "hunspell: " + hunspell.errorString();
        return std::nullopt;
    }
    hunspell.write(text.toUtf8());
    hunspell.closeWriteChannel();
    if (!hunspell.waitForFinished() || hunspell.exitStatus() != QProcess::NormalExit ||
        hunspell.exitCode() != 0) {
        error = dictionary + ": " + QString::fromLocal8Bit(hunspell.readAllStandardError());
        return std::nullopt;
    }
    return QString::fromUtf8(hunspell.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class ReadingWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ReadingFixture> fixture_;
    MainWindow* main_ = nullptr;

    QWidget* open(ReadingKind kind) { return fixture_->open(kind); }
    template <typename T = QWidget> T* find(const char* name) const
    {
        return main_->findChild<T*>(name);
    }
    QWidget* result(ReadingSlot slot) const { return main_->readingWindows().readingWindow(slot); }
    QString typed(QWidget* window, const QString& text, int key = 0)
    {
        auto* name = window->findChild<QLineEdit*>("txtName");
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(name, &press);
        return name->text();
    }

private slots:
    void init()
    {
        fixture_ = std::make_unique<ReadingFixture>();
        QVERIFY(fixture_->start());
        main_ = fixture_->main();
        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_));
        fixture_->platform.events.clear();
    }
    void cleanup() { fixture_.reset(); }

    void listsAndDefaults_data()
    {
        QTest::addColumn<ReadingKind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("proceed");
        QTest::addColumn<int>("clientHeight");
        QTest::newRow("rising") << ReadingKind::RisingSign << "Orbis Zodiac Rising Sign"
                                << "Find My Zodiac &Rising Sign" << 377;
        QTest::newRow("midheaven") << ReadingKind::Midheaven << "Orbis Midheaven Astrology"
                                   << "Find My &Midheaven Astrology Sign" << 362;
        QTest::newRow("descendant") << ReadingKind::Descendant << "Orbis Descendant Astrology"
                                    << "Find My &Descendant Astrology Sign" << 377;
    }
    void listsAndDefaults()
    {
        QFETCH(ReadingKind, kind);
        QFETCH(QString, caption);
        QFETCH(QString, proceed);
        QFETCH(int, clientHeight);
        QWidget* window = open(kind);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->findChild<QWidget*>("client")->size(), QSize(524, clientHeight));
        QCOMPARE(window->findChild<QPushButton*>("cmdProceed")->text(), proceed);
        QCOMPARE(window->findChild<QAction*>("mnuFindZodiacRisingSign")->text(), proceed);
        auto* time = window->findChild<QComboBox*>("cmbTime");
        auto* date = window->findChild<QComboBox*>("cmbDate");
        auto* month = window->findChild<QComboBox*>("cmbMonth");
        auto* year = window->findChild<QComboBox*>("cmbYear");
        QCOMPARE(time->count(), 12);
        QCOMPARE(time->itemText(0), QString("4am-6am"));
        QCOMPARE(time->itemText(2), QString("midnight-2am"));
        QCOMPARE(time->itemText(11), QString("6am-8am"));
        QCOMPARE(date->count(), 31);
        QCOMPARE(date->itemText(30), QString("31"));
        QCOMPARE(month->itemText(0), QString("January"));
        QCOMPARE(month->itemText(11), QString("December"));
        QCOMPARE(year->count(), 151);
        QCOMPARE(year->itemText(150), QString("2050"));
        for (QComboBox* list : {time, date, month, year}) {
            QCOMPARE(list->currentIndex(), 0);
            QVERIFY(!list->isEditable());
        }
        QVERIFY(window->findChild<QLineEdit*>("txtName")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), window->findChild<QWidget*>("txtName"));

        // Tab order of the inputs.
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"txtName", "cmbTime", "cmbDate", "cmbMonth", "cmbYear"}));
    }

    void keyFilterOverTheFirst256Characters()
    {
        QWidget* window = open(ReadingKind::RisingSign);
        for (int code = 0; code < 256; ++code) {
            if (code == 8 || code == 13 || code == 27)
                continue; // editing and window keys, below
            window->findChild<QLineEdit*>("txtName")->setText("X");
            fixture_->platform.messages.clear();
            const QString after = typed(window, QString(QChar(code)));
            const QChar c(code);
            if (code >= 'a' && code <= 'z') {
                QCOMPARE(after, QString("X") + c.toUpper());
            } else if ((code >= 'A' && code <= 'Z') || code == ' ') {
                QCOMPARE(after, "X" + QString(c));
            } else {
                QVERIFY2(after == "X", qPrintable(QString::number(code)));
                QCOMPARE(fixture_->platform.messages.size(), 1);
                QCOMPARE(fixture_->platform.messages[0].text,
                         QString("Please Enter Only Alphabet !"));
                QVERIFY(fixture_->platform.messages[0].icon == MessageIcon::Information);
                continue;
            }
            QVERIFY2(fixture_->platform.messages.isEmpty(), qPrintable(QString::number(code)));
        }
        for (const QString& other : {QString::fromUtf8("\u0416"), QString::fromUtf8("\u4e2d"),
                                     QString::fromUtf8("\U0001F600")}) {
            window->findChild<QLineEdit*>("txtName")->setText("X");
            QCOMPARE(typed(window, other), QString("X"));
        }
        window->findChild<QLineEdit*>("txtName")->setText("AB");
        QCOMPARE(typed(window, "\b", Qt::Key_Backspace), QString("A"));
        // Delete, with the character X11 attaches to it, erases forward.
        window->findChild<QLineEdit*>("txtName")->setText("AB");
        window->findChild<QLineEdit*>("txtName")->setCursorPosition(0);
        QCOMPARE(typed(window, "\x7f", Qt::Key_Delete), QString("B"));
    }

    // The keys type control characters 22, 3 and 24, which the filter turns away, even with
    // letters on the clipboard that pasting by the mouse would let in.
    void clipboardKeysAreRejected_data()
    {
        QTest::addColumn<ReadingKind>("kind");
        QTest::addColumn<int>("key");
        QTest::newRow("rising Ctrl+V") << ReadingKind::RisingSign << int(Qt::Key_V);
        QTest::newRow("rising Ctrl+C") << ReadingKind::RisingSign << int(Qt::Key_C);
        QTest::newRow("rising Ctrl+X") << ReadingKind::RisingSign << int(Qt::Key_X);
        QTest::newRow("midheaven Ctrl+V") << ReadingKind::Midheaven << int(Qt::Key_V);
        QTest::newRow("descendant Ctrl+X") << ReadingKind::Descendant << int(Qt::Key_X);
    }
    void clipboardKeysAreRejected()
    {
        QFETCH(ReadingKind, kind);
        QFETCH(int, key);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("mary");
        QWidget* window = open(kind);
        auto* name = window->findChild<QLineEdit*>("txtName");
        QTest::keyClicks(name, "ann");
        name->selectAll();
        fixture_->platform.messages.clear();
        QTest::keyClick(name, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(name->text(), QString("ANN"));
        QCOMPARE(fixture_->platform.messages.size(), 1);
        QCOMPARE(fixture_->platform.messages[0].text, QString("Please Enter Only Alphabet !"));
        QVERIFY(fixture_->platform.messages[0].icon == MessageIcon::Information);
        // Nothing was copied or cut either.
        QCOMPARE(clipboard->text(), QString("mary"));
    }

    void typedNameArrivesInCapitalsWithItsBlank()
    {
        QWidget* window = open(ReadingKind::Midheaven);
        auto* name = window->findChild<QLineEdit*>("txtName");
        QTest::keyClicks(name, "mary jane");
        QCOMPARE(name->text(), QString("MARY JANE"));
        QVERIFY(fixture_->platform.messages.isEmpty());
        QTest::keyClicks(name, QString(70, 'a'));
        QCOMPARE(name->text().size(), 64);
    }

    // Every way text reaches the name box other than a key: each passes the same filter, and a
    // refused text leaves the name as it was, shows the message once and, dropped, is refused to
    // its source.
    void everyPathIntoTheNameIsFiltered_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after"); // the name "AB" afterwards; empty when refused
        const std::pair<QString, QString> texts[] = {
            {"o'brien", ""},         {"ab cd", "AB CD"}, {"x1", ""},      {"line\nbreak", ""},
            {"abc123 \u00fc-x", ""}, {"\U0001F600", ""}, {"mary", "MARY"}};
        for (const char* way :
             {"paste", "drop", "input method", "insertText", "replaceText", "setText"}) {
            for (const auto& [text, accepted] : texts) {
                // Inserting paths add to the end of "AB"; replacing ones take its place.
                const bool replaces = QString(way) == "replaceText" || QString(way) == "setText";
                const QString after =
                    accepted.isEmpty() ? "AB" : (replaces ? QString() : QString("AB")) + accepted;
                QTest::addRow("%s %s", way, qPrintable(text.toHtmlEscaped()))
                    << way << text << (accepted.isEmpty() ? QString() : after);
            }
        }
    }
    void everyPathIntoTheNameIsFiltered()
    {
        QFETCH(QString, way);
        QFETCH(QString, text);
        QFETCH(QString, after);
        const bool refused = after.isEmpty();
        QWidget* window = open(ReadingKind::Descendant);
        auto* name = window->findChild<QLineEdit*>("txtName");
        name->setText("AB");
        fixture_->platform.messages.clear();
        QMimeData data;
        data.setText(text);
        if (way == "paste") {
            QGuiApplication::clipboard()->setText(text);
            name->paste();
        } else if (way == "drop") {
            const QPoint end(name->width() - 4, name->height() / 2);
            const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
            QDragEnterEvent enter(end, offered, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(name, &enter);
            // The answer to a move is what the source hears; told of a move, it deletes the
            // text it offered.
            QDragMoveEvent move(end, offered, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(name, &move);
            QCOMPARE(move.isAccepted(), !refused);
            // A source may drop all the same.
            QDropEvent drop(end, offered, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(name, &drop);
            QCOMPARE(drop.isAccepted(), !refused);
            if (refused)
                QCOMPARE(drop.dropAction(), Qt::IgnoreAction);
        } else if (way == "input method") {
            QInputMethodEvent compose;
            compose.setCommitString(text);
            QApplication::sendEvent(name, &compose);
        } else {
            // As screen readers and other assistive tools change a text.
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(name);
            QVERIFY(accessible && accessible->editableTextInterface());
            if (way == "insertText")
                accessible->editableTextInterface()->insertText(2, text);
            else if (way == "replaceText")
                accessible->editableTextInterface()->replaceText(0, 2, text);
            else
                accessible->setText(QAccessible::Value, text);
        }
        QCoreApplication::processEvents();
        QCOMPARE(name->text(), refused ? QString("AB") : after);
        QCOMPARE(fixture_->platform.messages.size(), refused ? 1 : 0);
        if (refused)
            QCOMPARE(fixture_->platform.messages[0].text, QString("Please Enter Only Alphabet !"));
        // Whatever came, Proceed reads a name the filter let through.
        QVERIFY(name->hasAcceptableInput());
    }

    // A refused drag ends over the box with a leave, not a drop: let go there, it is answered
    // with the message; moved on elsewhere, it is not.
    void refusedDragLetGoOverTheBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("overTheBox");
        QTest::addColumn<int>("messages");
        QTest::newRow("refused, let go over the box") << "John 3" << true << 1;
        QTest::newRow("refused, moved on") << "John 3" << false << 0;
        QTest::newRow("taken, moved on") << "john" << false << 0;
    }
    void refusedDragLetGoOverTheBox()
    {
        QFETCH(QString, text);
        QFETCH(bool, overTheBox);
        QFETCH(int, messages);
        auto* name = open(ReadingKind::RisingSign)->findChild<QLineEdit*>("txtName");
        const QPoint inside(name->width() / 2, name->height() / 2);
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(inside, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(name, &enter);
        QCursor::setPos(name->mapToGlobal(overTheBox ? inside : QPoint(-20, -20)));
        QDragLeaveEvent leave;
        QApplication::sendEvent(name, &leave);
        QCoreApplication::processEvents();
        QCOMPARE(fixture_->platform.messages.size(), messages);
        QVERIFY(name->text().isEmpty());
    }

    void theNameKeepsToItsLength()
    {
        auto* name = open(ReadingKind::Descendant)->findChild<QLineEdit*>("txtName");
        name->setText(QString(100, 'Q'));
        QCOMPARE(name->text().size(), 64);
    }

    // A key with Alt, Meta or Ctrl is no letter of the name: in the rising sign window M and Q are
    // no access key, so nothing else takes them either.
    void keysWithModifiersTypeNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("message"); // Ctrl makes a control character, which is refused
        QTest::newRow("Alt+M") << int(Qt::Key_M) << int(Qt::AltModifier) << false;
        QTest::newRow("Alt+Q") << int(Qt::Key_Q) << int(Qt::AltModifier) << false;
        QTest::newRow("Alt+Shift+M")
            << int(Qt::Key_M) << int(Qt::AltModifier | Qt::ShiftModifier) << false;
        QTest::newRow("Meta+M") << int(Qt::Key_M) << int(Qt::MetaModifier) << false;
        QTest::newRow("Alt+space") << int(Qt::Key_Space) << int(Qt::AltModifier) << false;
        QTest::newRow("Ctrl+M") << int(Qt::Key_M) << int(Qt::ControlModifier) << true;
        QTest::newRow("Ctrl+Shift+Q")
            << int(Qt::Key_Q) << int(Qt::ControlModifier | Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+Alt+M")
            << int(Qt::Key_M) << int(Qt::ControlModifier | Qt::AltModifier) << false;
    }
    void keysWithModifiersTypeNothing()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, message);
        QWidget* window = open(ReadingKind::RisingSign);
        auto* name = window->findChild<QLineEdit*>("txtName");
        QTest::keyClicks(name, "ab");
        QTest::keyClick(name, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCoreApplication::processEvents();
        QCOMPARE(name->text(), QString("AB"));
        QCOMPARE(fixture_->platform.messages.size(), message ? 1 : 0);
        QVERIFY(window->isVisible());
        QVERIFY(!result(ReadingSlot::RisingSignResult));
    }

    void validation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("icon");
        const QString name = "Please Enter Your Name !";
        const QString february = "Please Enter Correct Date Or Month!";
        const QString thirtyFirst = "Please Enter Correct Date Or Month !";
        QTest::newRow("empty name") << "" << 10 << 3 << 1990 << name << false;
        QTest::newRow("empty name first") << "" << 31 << 4 << 1990 << name << false;
        QTest::newRow("blanks pass") << "   " << 10 << 3 << 1990 << "" << false;
        QTest::newRow("29 Feb 1900") << "A" << 29 << 2 << 1900 << february << true;
        for (int year : {1904, 2000, 2048})
            QTest::newRow(qPrintable(QString("29 Feb %1").arg(year)))
                << "A" << 29 << 2 << year << "" << false;
        for (int year : {1901, 2001, 2050})
            QTest::newRow(qPrintable(QString("29 Feb %1").arg(year)))
                << "A" << 29 << 2 << year << february << true;
        QTest::newRow("30 Feb 2000") << "A" << 30 << 2 << 2000 << february << true;
        QTest::newRow("31 Feb 2048") << "A" << 31 << 2 << 2048 << february << true;
        for (int month : {4, 6, 9, 11})
            QTest::newRow(qPrintable(QString("31/%1").arg(month)))
                << "A" << 31 << month << 1980 << thirtyFirst << true;
        QTest::newRow("30 April") << "A" << 30 << 4 << 1980 << "" << false;
        QTest::newRow("31 May") << "A" << 31 << 5 << 1980 << "" << false;
    }
    void validation()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(bool, icon);
        for (ReadingKind kind :
             {ReadingKind::RisingSign, ReadingKind::Midheaven, ReadingKind::Descendant}) {
            fixture_->platform.messages.clear();
            QWidget* window = open(kind);
            FlushDeletes();
            Enter(window, {name, day, month, year, "4am-6am"});
            window->findChild<QComboBox*>("cmbYear")->setFocus();
            QTest::keyClick(window->findChild<QComboBox*>("cmbYear"), Qt::Key_Return);
            if (message.isEmpty()) {
                QVERIFY(fixture_->platform.messages.isEmpty());
                QVERIFY(!window->parentWidget()->isVisible());
                continue;
            }
            QCOMPARE(fixture_->platform.messages.size(), 1);
            QCOMPARE(fixture_->platform.messages[0].text, message);
            QCOMPARE(fixture_->platform.messages[0].title, ProgramTitle());
            QCOMPARE(fixture_->platform.messages[0].icon == MessageIcon::Information, icon);
            QVERIFY(fixture_->platform.messages[0].buttons == MessageButtons::Ok);
            QVERIFY(window->parentWidget()->isVisible());
            QVERIFY(main_->findChildren<QMdiSubWindow*>().size() == 1);
            QCOMPARE(window->findChild<QLineEdit*>("txtName")->text(), name);
            const char* focused = message.startsWith("Please Enter Your") ? "txtName" : "cmbYear";
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(focused));
        }
    }

    void enterEscapeAndTheMenuItemPressProceed_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        for (const char* from : {"txtName", "cmbTime", "cmbMonth"}) {
            QTest::newRow(qPrintable(QString(from) + " enter")) << from << int(Qt::Key_Return);
            QTest::newRow(qPrintable(QString(from) + " escape")) << from << int(Qt::Key_Escape);
        }
        QTest::newRow("menu") << "" << 0;
    }
    void enterEscapeAndTheMenuItemPressProceed()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QWidget* window = open(ReadingKind::RisingSign);
        auto press = [&] {
            if (key)
                QTest::keyClick(window->findChild<QWidget*>(from), Qt::Key(key));
            else
                window->findChild<QAction*>("mnuFindZodiacRisingSign")->trigger();
        };
        press();
        QCOMPARE(fixture_->platform.messages.size(), 1);
        QCOMPARE(fixture_->platform.messages[0].text, QString("Please Enter Your Name !"));
        window->findChild<QLineEdit*>("txtName")->setText("ANN");
        press();
        QVERIFY(result(ReadingSlot::RisingSignResult));
        QCOMPARE(fixture_->readings().currentLookupKey, std::string("Capricorn-4am-6am"));
        QCOMPARE(fixture_->readings().currentBandLabel, std::string("4am-6am"));
    }

    void enterOnExitButtonPressesExit()
    {
        QWidget* window = open(ReadingKind::Descendant);
        auto* exit = window->findChild<QPushButton*>("cmdExit");
        exit->setFocus();
        QTest::keyClick(exit, Qt::Key_Return);
        FlushDeletes();
        QVERIFY(main_->findChildren<QMdiSubWindow*>().isEmpty());
        QVERIFY(main_->readingWindows().isWelcomeVisible());
        QVERIFY(fixture_->platform.messages.isEmpty());
    }

    void readings_data()
    {
        QTest::addColumn<ReadingKind>("kind");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("sign");
        // Aries sun (10 April) through a few bands, and other suns; expected sign per reading.
        QTest::newRow("rising Aries 8am") << ReadingKind::RisingSign << 10 << 4 << "8am-10am"
                                          << "Gemini";
        QTest::newRow("rising Aries 4am") << ReadingKind::RisingSign << 10 << 4 << "4am-6am"
                                          << "Aries";
        QTest::newRow("rising Leo 10am") << ReadingKind::RisingSign << 1 << 8 << "10am-noon"
                                         << "Scorpio";
        QTest::newRow("rising Pisces 6am") << ReadingKind::RisingSign << 1 << 3 << "6am-8am"
                                           << "Aries";
        QTest::newRow("rising Scorpio 8pm") << ReadingKind::RisingSign << 15 << 11 << "8pm-10pm"
                                            << "Cancer";
        QTest::newRow("rising Libra noon") << ReadingKind::RisingSign << 1 << 10 << "noon-2pm"
                                           << "Aquarius";
        QTest::newRow("midheaven Libra noon") << ReadingKind::Midheaven << 1 << 10 << "noon-2pm"
                                              << "Scorpio";
        QTest::newRow("midheaven Aries 4am") << ReadingKind::Midheaven << 10 << 4 << "4am-6am"
                                             << "Capricorn";
        QTest::newRow("midheaven Leo 10am") << ReadingKind::Midheaven << 1 << 8 << "10am-noon"
                                            << "Leo";
        QTest::newRow("midheaven Pisces 2am") << ReadingKind::Midheaven << 1 << 3 << "2am-4am"
                                              << "Scorpio";
        QTest::newRow("midheaven Cancer 6am") << ReadingKind::Midheaven << 1 << 7 << "6am-8am"
                                              << "Taurus";
        QTest::newRow("descendant Aries 4am") << ReadingKind::Descendant << 10 << 4 << "4am-6am"
                                              << "Libra";
        QTest::newRow("descendant Leo 10am") << ReadingKind::Descendant << 1 << 8 << "10am-noon"
                                             << "Taurus";
        QTest::newRow("descendant Pisces 2am") << ReadingKind::Descendant << 1 << 3 << "2am-4am"
                                               << "Leo";
        QTest::newRow("descendant Cancer 6am") << ReadingKind::Descendant << 1 << 7 << "6am-8am"
                                               << "Aquarius";
        QTest::newRow("descendant Capricorn 2pm") << ReadingKind::Descendant << 5 << 1 << "2pm-4pm"
                                                  << "Sagittarius";
        QTest::newRow("descendant Virgo 4pm") << ReadingKind::Descendant << 1 << 9 << "4pm-6pm"
                                              << "Virgo";
    }
    void readings()
    {
        QFETCH(ReadingKind, kind);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(QString, band);
        QFETCH(QString, sign);
        QWidget* window = open(kind);
        Enter(window, {"ANN LEE", day, month, 1985, band});
        Proceed(window);
        const ReadingSlot slot = kind == ReadingKind::RisingSign  ? ReadingSlot::RisingSignResult
                                 : kind == ReadingKind::Midheaven ? ReadingSlot::MidheavenResult
                                                                  : ReadingSlot::DescendantResult;
        QWidget* shown = result(slot);
        QVERIFY(shown && shown->isVisible());
        QVERIFY(!window->parentWidget()->isVisible());
        QVERIFY(!main_->readingWindows().isWelcomeVisible());
        const char* signLabel = kind == ReadingKind::RisingSign  ? "lblYourRisingSign"
                                : kind == ReadingKind::Midheaven ? "lblYourMidheavenSign"
                                                                 : "lblYourDescendantSign";
        QCOMPARE(shown->findChild<QLabel*>(signLabel)->text(), sign);
        // The user's name appears nowhere in a result.
        for (QLabel* label : shown->findChildren<QLabel*>())
            QVERIFY(!label->text().contains("ANN LEE"));

        // Every value as the engine gives it for these entries, each under its own heading.
        ReadingState engine;
        BeginReading(engine, day, month, band.toStdString());
        FindRisingSign(engine, engine.currentLookupKey);
        const ZodiacSign rising = *SignFromName(engine.currentRisingSign);
        ZodiacSign reading = rising;
        if (kind == ReadingKind::RisingSign) {
            CheckShown(shown, "Your Rising Sign", "lblYourRisingSign", Text(SignName(rising)));
            CheckShown(shown, "Your Sun Sign", "lblYourSunSign", Text(engine.currentSunSign));
            const SignProfile& profile = GetSignProfile(rising);
            for (const ProfileField& field : kProfileFields)
                CheckShown(shown, field.caption, field.control, Text(profile.*(field.field)));
            QCOMPARE(profile.PictureIndex, PictureNumber(rising));
        } else if (kind == ReadingKind::Midheaven) {
            reading = *GetMidheavenSign(engine.currentRisingSign);
            QCOMPARE(shown->findChild<QGroupBox*>("Frame1")->title(),
                     QString("Orbis Midheaven Astrology Result"));
            CheckShown(shown, "Your Mid Heaven Is In", "lblYourMidheavenSign",
                       Text(SignName(reading)), true);
            // No heading of its own: the description runs under the sign's.
            CheckShown(shown, "Your Mid Heaven Is In", "lblMidheavenDesc",
                       Text(GetMidheavenDescription(reading)));
        } else {
            reading = *GetDescendantSign(engine.currentRisingSign);
            QCOMPARE(shown->findChild<QGroupBox*>("Frame1")->title(),
                     QString("Orbis Descendant Astrology Result"));
            CheckShown(shown, "Your Descendant Sign", "lblYourDescendantSign",
                       Text(SignName(reading)), true);
            CheckShown(shown, "More About Your Sign", "lblMoreAboutSign",
                       Text(GetDescendantDescription(reading)));
        }
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(Text(SignName(reading)), sign);
        // The picture of the reading's sign: the one the pictures hold under its number.
        auto* picture = shown->findChild<QLabel*>("picSign");
        QVERIFY(picture->isVisible());
        QCOMPARE(picture->accessibleName(), sign);
        const QImage image = picture->pixmap().toImage();
        int pictureNumber = 0;
        for (int number = 1; number <= 12 && !pictureNumber; ++number) {
            if (image == SignPictures().picture(number, picture->devicePixelRatioF()).toImage())
                pictureNumber = number;
        }
        QCOMPARE(pictureNumber, PictureNumber(reading));

        // Back: the same entries, and the same reading again in a new window.
        QTest::mouseClick(shown->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
        FlushDeletes();
        QVERIFY(!result(slot));
        QVERIFY(window->parentWidget()->isVisible());
        QVERIFY(!main_->readingWindows().isWelcomeVisible());
        QCOMPARE(window->findChild<QLineEdit*>("txtName")->text(), QString("ANN LEE"));
        QCOMPARE(window->findChild<QComboBox*>("cmbTime")->currentText(), band);
        QCOMPARE(window->findChild<QComboBox*>("cmbDate")->currentIndex(), day - 1);
        Proceed(window);
        QCOMPARE(result(slot)->findChild<QLabel*>(signLabel)->text(), sign);

        // Exit: result and birth-details windows out of sight, the welcome panel back.
        QTest::keyClick(result(slot), Qt::Key_Escape);
        FlushDeletes();
        QVERIFY(!result(slot));
        QVERIFY(!window->parentWidget()->isVisible());
        QVERIFY(main_->readingWindows().isWelcomeVisible());
    }

    void risingResultShowsTheRisingSignsProfileNotTheSunSigns()
    {
        QWidget* window = open(ReadingKind::RisingSign);
        Enter(window, {"B", 10, 4, 1990, "8am-10am"});
        Proceed(window);
        QWidget* shown = result(ReadingSlot::RisingSignResult);
        auto text = [&](const char* name) { return shown->findChild<QLabel*>(name)->text(); };
        QCOMPARE(text("lblYourSunSign"), QString("Aries"));
        QCOMPARE(text("lblYourRisingSign"), QString("Gemini"));
        QCOMPARE(text("lblYourSymbol"), QString("The Twins"));
        QCOMPARE(text("lblYourElement"), QString("Air"));
        QCOMPARE(text("lblYourRulingPlanet"), QString("Mercury"));
        QCOMPARE(text("lblYourLuckyColors"), QString("Yellow, Purple, Blue"));
        QCOMPARE(text("lblYourLuckyNumbers"), QString("3, 7"));
        const SignProfile& gemini = GetSignProfile(ZodiacSign::Gemini);
        const std::pair<const char*, std::string_view> topics[] = {
            {"txtYourLooks", gemini.Looks},
            {"txtYourNature", gemini.Nature},
            {"txtYourCareerandFinance", gemini.CareerandFinance},
            {"txtYourLoveandDomesticLife", gemini.LoveandDomesticLife},
            {"txtYourHealth", gemini.Health}};
        for (const auto& [box, topic] : topics) {
            auto* edit = shown->findChild<QPlainTextEdit*>(box);
            QVERIFY(edit->isReadOnly());
            QCOMPARE(edit->toPlainText(), QString::fromUtf8(topic.data(), qsizetype(topic.size())));
            // Opened at the top of the text, with nothing to undo.
            QCOMPARE(edit->textCursor().position(), 0);
            QCOMPARE(edit->verticalScrollBar()->value(), 0);
            QVERIFY(!edit->document()->isUndoAvailable());
        }
        // The longest topic runs past its box, so that box scrolls.
        auto* nature = shown->findChild<QPlainTextEdit*>("txtYourNature");
        QVERIFY(nature->verticalScrollBar()->maximum() > 0);
    }

    void topicBoxesLeaveTheClipboardAlone()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("copied elsewhere");
        QWidget* window = open(ReadingKind::RisingSign);
        Enter(window, {"C", 1, 1, 2000, "noon-2pm"});
        Proceed(window);
        auto* nature =
            result(ReadingSlot::RisingSignResult)->findChild<QPlainTextEdit*>("txtYourNature");
        const QString before = nature->toPlainText();
        QTest::mouseClick(nature->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(nature->viewport(), QPoint(30, 20));
        nature->selectAll();
        QTest::keyClick(nature, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(nature, Qt::Key_Insert, Qt::ControlModifier);
        QTest::keyClicks(nature, "typed");
        QCOMPARE(nature->toPlainText(), before);
        QCOMPARE(clipboard->text(), QString("copied elsewhere"));
        QCOMPARE(nature->contextMenuPolicy(), Qt::NoContextMenu);
    }

    void openingAReadingClosesEverythingFirst()
    {
        QWidget* window = open(ReadingKind::Midheaven);
        Enter(window, {"D", 5, 5, 1970, "2pm-4pm"});
        Proceed(window);
        QVERIFY(result(ReadingSlot::MidheavenResult));
        main_->readingWindows().OpenReading(ReadingKind::Midheaven);
        FlushDeletes();
        QCOMPARE(main_->findChildren<QMdiSubWindow*>().size(), 1);
        QWidget* fresh = main_->readingWindows().readingWindow(ReadingSlot::MidheavenDetails);
        QVERIFY(fresh && fresh->isVisible());
        QCOMPARE(fresh->findChild<QLineEdit*>("txtName")->text(), QString());
        QCOMPARE(fresh->findChild<QComboBox*>("cmbTime")->currentIndex(), 0);
    }

    // Every text the program shows, each message included, is known to the American or the
    // British dictionary, but for the program's own names and words quoted as they stand.
    void everyTextIsSpelt()
    {
        FakePlatform& platform = fixture_->platform;
        platform.lockFree = false;
        QVERIFY(!fixture_->start());
        platform.lockFree = true;
        platform.setDuration("2026-10-01T09:00:00");
        QVERIFY(fixture_->start());
        main_ = fixture_->main();
        QWidget* details = open(ReadingKind::RisingSign);
        Proceed(details);
        typed(details, "1");
        for (const auto& [day, month] : {std::pair{31, 4}, std::pair{30, 2}}) {
            Enter(details, {"A", day, month});
            Proceed(details);
        }
        QCOMPARE(platform.messages.size(), 6);
        QStringList texts;
        for (const ShownMessage& message : platform.messages)
            texts << message.title << message.text;
        for (ReadingKind kind :
             {ReadingKind::RisingSign, ReadingKind::Midheaven, ReadingKind::Descendant}) {
            QVERIFY(fixture_->read(kind));
            texts << TextsShown(main_);
        }
        AboutWindow about(platform, main_);
        texts << TextsShown(&about);
        for (int i = 0; i < kSignCount; ++i) {
            const auto sign = static_cast<ZodiacSign>(i);
            const SignProfile& p = GetSignProfile(sign);
            for (std::string_view text :
                 {SignName(sign), p.Looks, p.Nature, p.CareerandFinance, p.LoveandDomesticLife,
                  p.Health, p.RulingPlanet, p.Symbol, p.Element, p.SignColor, p.TypeofSign,
                  p.LuckyDays, p.LuckyNumbers, p.LuckyDirection, p.LuckyColors, p.LuckyGemstone,
                  GetMidheavenDescription(sign), GetDescendantDescription(sign)})
                texts << Text(text);
        }
        // A host name or a version is no word; access keys' marks split a word.
        const QString all = texts.join('\n')
                                .remove(SiteHost())
                                .remove(QStringLiteral("v") + identity::kVersion)
                                .remove('&');
        QString error;
        const auto american = Unknown(all, "en_US", error);
        QVERIFY2(american, qPrintable(error));
        const auto british = Unknown(all, "en_GB", error);
        QVERIFY2(british, qPrintable(error));
        // The program's own names, the times of its bands and words quoted as they stand.
        QStringList own{"Orbis", "Tessary", "Selvane", "Midheaven", "softwares", "Coeli"};
        for (std::string_view label : BandLabels())
            own << Text(label).split('-');
        QStringList misspelt;
        for (const QString& word : *american) {
            if (british->contains(word) && !own.contains(word) && !misspelt.contains(word))
                misspelt << word;
        }
        QVERIFY2(misspelt.isEmpty(), qPrintable(misspelt.join(", ")));
    }
};

QTEST_MAIN(ReadingWindowsTest)
#include "reading_windows_test.moc"
