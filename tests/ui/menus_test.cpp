// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Menu bars of the three window families, promotional labels, web links and the about window.
#include "common/program_identity.h"
#include "common/qt_platform.h"
#include "common/web_pages.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "support/reading_fixture.h"
#include "support/widget_helpers.h"

#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>
#include <QtTest>

using namespace orbis;
using namespace orbis::testing;

namespace {
QString Link(const char* page)
{
    return QStringLiteral("https://") + SiteHost() +
           QStringLiteral("/orbis-free-tessary/ssd.php?page=") + page;
}
} // namespace

// Receives what QDesktopServices would hand to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class MenusTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ReadingFixture> fixture_;
    MainWindow* main_ = nullptr;

    // Shows the reading window of `family` and returns it, or the main window for "main".
    QWidget* windowOf(const QString& family)
    {
        if (family == "main")
            return main_;
        if (family == "details")
            return fixture_->open(ReadingKind::Descendant);
        return fixture_->read(ReadingKind::Descendant);
    }
    // What the main window's bar shows, as "name:caption:enabled" lines.
    QStringList barItems()
    {
        QStringList items;
        for (QAction* top : main_->menuBar()->actions()) {
            items << top->objectName() + ":" + top->text() + ":" +
                         (top->isEnabled() ? "on" : "off");
            if (QMenu* menu = top->menu()) {
                for (QAction* item : menu->actions())
                    items << "  " + item->objectName() + ":" +
                                 (item->isSeparator() ? "-" : item->text());
            }
        }
        return items;
    }

    // The about window's content and links, then closing it the chosen way.
    void checkAboutWindow(QDialog* about, const QString& closeBy)
    {
        QVERIFY(about);
        QCOMPARE(about->objectName(), QString("frmAbout"));
        QCOMPARE(about->windowTitle(), ProgramCaption());
        QVERIFY(about->isModal());
        QCOMPARE(about->size(), QSize(454, 258));
        QCOMPARE(about->findChild<QLabel*>("Label2")->text(), ProgramCaption());
        QVERIFY(about->findChild<QLabel*>("Label1")->text().contains(identity::kOrganisation));
        QVERIFY(about->findChild<QLabel*>("lblHomePage")->text().contains(SiteHost()));
        QCOMPARE(about->findChild<QLabel*>("Label3")->text(),
                 QString("Home Business Opportunity. Start your own Internet business and make "
                         "money online. Get this software fully branded for your website. "));
        auto* details = about->findChild<QLabel*>("lblCobrand");
        QCOMPARE(details->text(), QString("Click here for more details."));
        QTest::mouseClick(details, Qt::LeftButton);
        QTest::mouseClick(about->findChild<QLabel*>("lblHomePage"), Qt::LeftButton);
        QCOMPARE(fixture_->platform.opened,
                 QList<QUrl>({QUrl(Link("fully-branded")), QUrl(Link("home-page"))}));
        auto* ok = about->findChild<QPushButton*>("cmdOK");
        QVERIFY(ok->isDefault());
        if (closeBy == "ok")
            QTest::mouseClick(ok, Qt::LeftButton);
        else if (closeBy == "enter")
            QTest::keyClick(about, Qt::Key_Return);
        else if (closeBy == "escape")
            QTest::keyClick(about, Qt::Key_Escape);
        else
            about->close();
        QVERIFY2(about->isHidden(), qPrintable("still open after " + closeBy));
    }
    // Clicks `target` at `at` as the user does: through the main window, where it shows on screen
    // (the reading windows' area scrolled to it first), reaching whatever is on top there.
    void clickAsUser(QWidget* target, QPoint at)
    {
        auto* area = main_->findChild<QMdiArea*>();
        if (area->viewport()->isAncestorOf(target)) {
            const QPoint inView = target->mapTo(area->viewport(), at);
            const QRect room = area->viewport()->rect().adjusted(4, 4, -4, -4);
            QScrollBar* down = area->verticalScrollBar();
            QScrollBar* across = area->horizontalScrollBar();
            if (!room.contains(inView)) {
                down->setValue(down->value() + inView.y() - room.center().y());
                across->setValue(across->value() + inView.x() - room.center().x());
            }
        }
        const QPoint inWindow = target->mapTo(main_, at);
        QVERIFY2(main_->rect().contains(inWindow), qPrintable(target->objectName()));
        QWidget* hit = main_->childAt(inWindow);
        QVERIFY2(hit == target || target->isAncestorOf(hit),
                 qPrintable(target->objectName() + " is under " +
                            (hit ? hit->objectName() : QString("nothing"))));
        QTest::mouseClick(main_->windowHandle(), Qt::LeftButton, {}, inWindow);
    }
    // Whatever the checks found, no dialog may stay open: exec() would wait for it for ever.
    static void CloseOpenDialogs()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
                dialog->reject();
        }
    }

private slots:
    void init()
    {
        fixture_ = std::make_unique<ReadingFixture>();
        QVERIFY(fixture_->start());
        main_ = fixture_->main();
    }
    void cleanup() { fixture_.reset(); }

    void menuBars_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QStringList>("items");
        const QStringList help{"  mnuOnline:&Online Help", "  mnuVisit:&Visit Us Online"};
        QTest::newRow("main")
            << "main"
            << (QStringList{"mnuFile:&File:on", "  mnuExit:E&xit", "mnuHelp:&Help:on"} + help +
                QStringList{"  mnuSep1:-", "  mnuUpdate:Check for Software &Update", "  mnuSep2:-",
                            "  mnuAbout:&About Software", "mkmoney:Make Money &Online:off"});
        QTest::newRow("details")
            << "details"
            << (QStringList{"mnuFile:&File:on",
                            "  mnuFindZodiacRisingSign:Find My &Descendant Astrology Sign",
                            "  mnuExit:E&xit", "mnuHelp:&Help:on"} +
                help +
                QStringList{"  mnuHelp1:-", "  mnuUpdate:Check for Software &Update",
                            "  mnuHelp2:-", "  mnuAbout:&About Software",
                            "mnuMakeMoneyOnline:Make Money &Online:off"});
        QTest::newRow("result") << "result"
                                << (QStringList{"mnuFile:&File:on", "  mnuFileBack:&Back",
                                                "  mnuExit:E&xit", "mnuHelp:&Help:on"} +
                                    help +
                                    QStringList{"  mnuFileSep1:-",
                                                "  mnuUpdate:&Check for Software Update",
                                                "  mnuFileSep2:-", "  mnuAbout:&About Software",
                                                "mnuMakeMoneyOnline:Make Money &Online:off"});
    }
    void menuBars()
    {
        QFETCH(QString, family);
        QFETCH(QStringList, items);
        windowOf(family);
        QCOMPARE(barItems(), items);
    }

    void helpItemsOpenTheirPages_data()
    {
        QTest::addColumn<QString>("family");
        for (const char* family : {"main", "details", "result"})
            QTest::newRow(family) << family;
    }
    void helpItemsOpenTheirPages()
    {
        QFETCH(QString, family);
        QWidget* window = windowOf(family);
        const QString remembered = fixture_->platform.duration();
        QVERIFY(!remembered.isEmpty());
        const std::pair<const char*, const char*> items[] = {{"mnuOnline", "help-web-page"},
                                                             {"mnuVisit", "home-page"},
                                                             {"mnuUpdate", "download-web-page"}};
        for (const auto& [item, page] : items) {
            fixture_->platform.opened.clear();
            window->findChild<QAction*>(item)->trigger();
            QCOMPARE(fixture_->platform.opened, QList<QUrl>{QUrl(Link(page))});
        }
        // Twice is two requests: nothing remembers an opened page.
        fixture_->platform.opened.clear();
        window->findChild<QAction*>("mnuOnline")->trigger();
        window->findChild<QAction*>("mnuOnline")->trigger();
        QCOMPARE(fixture_->platform.opened.size(), 2);
        // The switched-off item is greyed and cannot be chosen.
        const char* money = family == "main" ? "mkmoney" : "mnuMakeMoneyOnline";
        fixture_->platform.opened.clear();
        window->findChild<QAction*>(money)->trigger();
        QVERIFY(fixture_->platform.opened.isEmpty());
        // Checking for an update by hand leaves the reminder's date alone.
        QCOMPARE(fixture_->platform.duration(), remembered);
    }

    void fileExitClosesOnlyItsWindow()
    {
        QWidget* result = windowOf("result");
        result->findChild<QAction*>("mnuExit")->trigger();
        FlushDeletes();
        QVERIFY(main_->isVisible());
        QVERIFY(main_->readingWindows().isWelcomeVisible());
        QVERIFY(!main_->readingWindows().readingWindow(ReadingSlot::DescendantResult));
        QWidget* details = windowOf("details");
        details->findChild<QAction*>("mnuExit")->trigger();
        FlushDeletes();
        QVERIFY(!main_->readingWindows().readingWindow(ReadingSlot::DescendantDetails));
        QVERIFY(main_->isVisible());
        main_->findChild<QAction*>("mnuExit")->trigger();
        QVERIFY(!main_->isVisible());
    }

    void resultBackMenuItemActsAsTheButton()
    {
        QWidget* result = windowOf("result");
        result->findChild<QAction*>("mnuFileBack")->trigger();
        FlushDeletes();
        QVERIFY(!main_->readingWindows().readingWindow(ReadingSlot::DescendantResult));
        QVERIFY(main_->readingWindows().readingWindow(ReadingSlot::DescendantDetails)->isVisible());
        QVERIFY(!main_->readingWindows().isWelcomeVisible());
    }

    // A button and its menu item are one command: the button triggers the item, once.
    void buttonsAreTheirMenuItems_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("item");
        QTest::newRow("main Exit") << "main"
                                   << "cmdMdiExit"
                                   << "mnuExit";
        QTest::newRow("details Proceed") << "details"
                                         << "cmdProceed"
                                         << "mnuFindZodiacRisingSign";
        QTest::newRow("details Exit") << "details"
                                      << "cmdExit"
                                      << "mnuExit";
        QTest::newRow("result Back") << "result"
                                     << "cmdBack"
                                     << "mnuFileBack";
        QTest::newRow("result Exit") << "result"
                                     << "cmdExit"
                                     << "mnuExit";
    }
    void buttonsAreTheirMenuItems()
    {
        QFETCH(QString, family);
        QFETCH(QString, button);
        QFETCH(QString, item);
        QWidget* window = windowOf(family);
        auto* command = window->findChild<QAction*>(item);
        QVERIFY(command && command->parent() == window);
        QSignalSpy triggered(command, &QAction::triggered);
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(triggered.size(), 1);
    }

    void promotionalLabels_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("page");
        // A laptop's screen, and the smallest the program is made for.
        for (const QSize& screen : {QSize(1366, 768), QSize(1024, 600)}) {
            auto row = [&](const QString& name) -> QTestData& {
                return QTest::newRow(qPrintable(
                           QString("%1x%2 %3").arg(screen.width()).arg(screen.height()).arg(name)))
                       << screen;
            };
            row("main banner") << "main"
                               << "lblSelvaneBanner"
                               << "home-page";
            row("main strip") << "main"
                              << "Picture6"
                              << "home-page";
            row("main offer") << "main"
                              << "Label7"
                              << "fully-branded";
            for (const char* w : {"rising", "risingResult", "midheaven", "midheavenResult",
                                  "descendant", "descendantResult"}) {
                row(QString(w) + " banner") << w << "Label61"
                                            << "home-page";
                row(QString(w) + " in front") << w << "front"
                                              << "";
            }
            row("sun sign caption") << "risingResult"
                                    << "Label19"
                                    << "co-brand";
        }
    }
    void promotionalLabels()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, page);
        fixture_->platform.screenWidth = screen.width() * 15;
        fixture_->platform.screenHeight = screen.height();
        QVERIFY(fixture_->start());
        main_ = fixture_->main();
        QCOMPARE(main_->size(), screen);
        QWidget* root = main_;
        if (window != "main") {
            const ReadingKind kind = window.startsWith("rising") ? ReadingKind::RisingSign
                                     : window.startsWith("mid")  ? ReadingKind::Midheaven
                                                                 : ReadingKind::Descendant;
            root = window.endsWith("Result") ? fixture_->read(kind) : fixture_->open(kind);
        }
        fixture_->platform.opened.clear();
        if (control == "front") {
            // The two offers share one spot; the rising sign windows put co-branding in front.
            auto* fullBrand = root->findChild<QLabel*>("lblFullBrand");
            auto* coBrand = root->findChild<QLabel*>("lblCobrand");
            QCOMPARE(fullBrand->geometry(), coBrand->geometry());
            QVERIFY(coBrand->text().startsWith("Co-brand this software for your site."));
            QVERIFY(coBrand->text().endsWith("Click Here for more info on co-branding."));
            const bool coBrandInFront = window.startsWith("rising");
            QLabel* front = coBrandInFront ? coBrand : fullBrand;
            QLabel* back = coBrandInFront ? fullBrand : coBrand;
            clickAsUser(front, front->rect().center());
            QCOMPARE(fixture_->platform.opened,
                     QList<QUrl>{QUrl(Link(coBrandInFront ? "co-brand" : "fully-branded"))});
            // Only the front one's text is seen there: the spot looks as the front label alone.
            const QImage seen = root->grab(QRect(front->mapTo(root, QPoint(0, 0)), front->size()))
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
            const QImage alone = front->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY(alone != back->grab().toImage().convertToFormat(QImage::Format_RGB32));
            QVERIFY2(seen == alone, "the label behind shows through");
            return;
        }
        auto* label = root->findChild<QLabel*>(control);
        QVERIFY(label);
        // A press let go off the label is abandoned: no click.
        QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-4, -4));
        QVERIFY(fixture_->platform.opened.isEmpty());
        // The strip is clicked beside its banner, at its left end.
        clickAsUser(label, control == "Picture6" ? QPoint(4, label->height() / 2)
                                                 : label->rect().center());
        QCOMPARE(fixture_->platform.opened, QList<QUrl>{QUrl(Link(qPrintable(page)))});
    }

    void sunSignValueOpensNothing()
    {
        QWidget* result = fixture_->read(ReadingKind::RisingSign);
        QTest::mouseClick(result->findChild<QLabel*>("lblYourSunSign"), Qt::LeftButton);
        QVERIFY(fixture_->platform.opened.isEmpty());
    }

    void aboutWindow_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("closeBy");
        for (const char* family : {"main", "details", "result"})
            for (const char* way : {"ok", "enter", "escape", "closebox"})
                QTest::newRow(qPrintable(QString(family) + " " + way)) << family << way;
    }
    void aboutWindow()
    {
        QFETCH(QString, family);
        QFETCH(QString, closeBy);
        QWidget* window = windowOf(family);
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            const auto closeAnyway = qScopeGuard(&MenusTest::CloseOpenDialogs);
            checkAboutWindow(qobject_cast<QDialog*>(QApplication::activeModalWidget()), closeBy);
            checked = !QTest::currentTestFailed();
        });
        fixture_->platform.opened.clear();
        window->findChild<QAction*>("mnuAbout")->trigger();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(checked);
        QVERIFY(!QApplication::activeModalWidget());
        FlushDeletes();
        QVERIFY(main_->findChildren<QDialog*>("frmAbout").isEmpty());
        // The dialog took the keyboard from the window for a while; the bar still shows its menus.
        QCOMPARE(main_->menuBar()->actions().last()->objectName(),
                 QString(family == "main" ? "mkmoney" : "mnuMakeMoneyOnline"));
    }

    void linksAreExactAndReachTheDesktopUnchanged()
    {
        const std::pair<WebPage, const char*> pages[] = {
            {WebPage::HelpWebPage, "help-web-page"},
            {WebPage::HomePage, "home-page"},
            {WebPage::DownloadWebPage, "download-web-page"},
            {WebPage::FullyBranded, "fully-branded"},
            {WebPage::CoBrand, "co-brand"}};
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        QtPlatform desktop;
        for (const auto& [page, key] : pages) {
            QCOMPARE(WebPageLink(page).toString(QUrl::FullyEncoded), Link(key));
            OpenWebPage(desktop, page);
            QCOMPARE(catcher.urls.last().toString(QUrl::FullyEncoded), Link(key));
        }
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.urls.size(), 5);
    }
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
