// Menu bars of the three window families, promotional labels, web links and the about window.
#include "fake_platform.h"
#include "common/link_label.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "common/qt_platform.h"
#include "common/web_pages.h"
#include "widget_helpers.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace orbis;
using namespace orbis::testing;

namespace {
QString Link(const char* page)
{
    return QStringLiteral("https://www.selvane.example/orbis-free-tessary/ssd.php?page=") + page;
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

    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<Program> program_;
    MainWindow* main_ = nullptr;

    // Shows the reading window of `family` and returns it, or the main window for "main".
    QWidget* windowOf(const QString& family)
    {
        if (family == "main")
            return main_;
        main_->OpenReading(ReadingKind::Descendant);
        QWidget* details = main_->readingWindow(ReadingSlot::DescendantDetails);
        if (family == "details")
            return details;
        details->findChild<QLineEdit*>("txtName")->setText("E");
        QTest::mouseClick(details->findChild<QPushButton*>("cmdProceed"), Qt::LeftButton);
        return main_->readingWindow(ReadingSlot::DescendantResult);
    }
    // What the main window's bar shows, as "name:caption:enabled" lines.
    QStringList barItems()
    {
        QStringList items;
        for (QAction* top : main_->menuBar()->actions()) {
            items << top->objectName() + ":" + top->text() + ":" + (top->isEnabled() ? "on" : "off");
            if (QMenu* menu = top->menu()) {
                for (QAction* item : menu->actions())
                    items << "  " + item->objectName() + ":" + (item->isSeparator() ? "-" : item->text());
            }
        }
        return items;
    }

private slots:
    void init()
    {
        platform_ = std::make_unique<FakePlatform>();
        program_ = std::make_unique<Program>(*platform_, [] {});
        QVERIFY(program_->start());
        main_ = program_->mainWindow();
    }
    void cleanup()
    {
        program_.reset();
        FlushDeletes();
    }

    void menuBars_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QStringList>("items");
        const QStringList help{"  mnuOnline:&Online Help", "  mnuVisit:&Visit Us Online"};
        QTest::newRow("main") << "main"
                              << (QStringList{"mnuFile:&File:on", "  mnuExit:E&xit", "mnuHelp:&Help:on"}
                                  + help
                                  + QStringList{"  mnuSep1:-", "  mnuUpdate:Check for Software &Update",
                                                "  mnuSep2:-", "  mnuAbout:&About Software",
                                                "mkmoney:Make Money &Online:off"});
        QTest::newRow("details")
            << "details"
            << (QStringList{"mnuFile:&File:on",
                            "  mnuFindZodiacRisingSign:Find My &Descendant Astrology Sign",
                            "  mnuExit:E&xit", "mnuHelp:&Help:on"}
                + help
                + QStringList{"  mnuHelp1:-", "  mnuUpdate:Check for Software &Update", "  mnuHelp2:-",
                              "  mnuAbout:&About Software", "mnuMakeMoneyOnline:Make Money &Online:off"});
        QTest::newRow("result")
            << "result"
            << (QStringList{"mnuFile:&File:on", "  mnuFileBack:&Back", "  mnuExit:E&xit", "mnuHelp:&Help:on"}
                + help
                + QStringList{"  mnuFileSep1:-", "  mnuUpdate:&Check for Software Update",
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
        const QString remembered = platform_->duration();
        QVERIFY(!remembered.isEmpty());
        const std::pair<const char*, const char*> items[] = {
            {"mnuOnline", "help-web-page"}, {"mnuVisit", "home-page"}, {"mnuUpdate", "download-web-page"}};
        for (const auto& [item, page] : items) {
            platform_->opened.clear();
            window->findChild<QAction*>(item)->trigger();
            QCOMPARE(platform_->opened, QList<QUrl>{QUrl(Link(page))});
        }
        // Twice is two requests: nothing remembers an opened page.
        platform_->opened.clear();
        window->findChild<QAction*>("mnuOnline")->trigger();
        window->findChild<QAction*>("mnuOnline")->trigger();
        QCOMPARE(platform_->opened.size(), 2);
        // The switched-off item is greyed and cannot be chosen.
        const char* money = family == "main" ? "mkmoney" : "mnuMakeMoneyOnline";
        platform_->opened.clear();
        window->findChild<QAction*>(money)->trigger();
        QVERIFY(platform_->opened.isEmpty());
        // Checking for an update by hand leaves the reminder's date alone.
        QCOMPARE(platform_->duration(), remembered);
    }

    void fileExitClosesOnlyItsWindow()
    {
        QWidget* result = windowOf("result");
        result->findChild<QAction*>("mnuExit")->trigger();
        FlushDeletes();
        QVERIFY(main_->isVisible());
        QVERIFY(main_->isWelcomeVisible());
        QVERIFY(!main_->readingWindow(ReadingSlot::DescendantResult));
        QWidget* details = windowOf("details");
        details->findChild<QAction*>("mnuExit")->trigger();
        FlushDeletes();
        QVERIFY(!main_->readingWindow(ReadingSlot::DescendantDetails));
        QVERIFY(main_->isVisible());
        main_->findChild<QAction*>("mnuExit")->trigger();
        QVERIFY(!main_->isVisible());
    }

    void resultBackMenuItemActsAsTheButton()
    {
        QWidget* result = windowOf("result");
        result->findChild<QAction*>("mnuFileBack")->trigger();
        FlushDeletes();
        QVERIFY(!main_->readingWindow(ReadingSlot::DescendantResult));
        QVERIFY(main_->readingWindow(ReadingSlot::DescendantDetails)->isVisible());
        QVERIFY(!main_->isWelcomeVisible());
    }

    void promotionalLabels_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("page");
        QTest::newRow("main banner") << "main" << "lblSelvaneBanner" << "home-page";
        QTest::newRow("main strip") << "main" << "Picture6" << "home-page";
        QTest::newRow("main offer") << "main" << "Label7" << "fully-branded";
        for (const char* w : {"rising", "risingResult", "midheaven", "midheavenResult", "descendant",
                              "descendantResult"}) {
            QTest::newRow(qPrintable(QString(w) + " banner")) << w << "Label61" << "home-page";
            QTest::newRow(qPrintable(QString(w) + " in front")) << w << "front" << "";
        }
        QTest::newRow("sun sign caption") << "risingResult" << "Label19" << "co-brand";
    }
    void promotionalLabels()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, page);
        QWidget* root = main_;
        if (window != "main") {
            const ReadingKind kind = window.startsWith("rising") ? ReadingKind::RisingSign
                                     : window.startsWith("mid")  ? ReadingKind::Midheaven
                                                                 : ReadingKind::Descendant;
            main_->OpenReading(kind);
            root = main_->findChild<QMdiSubWindow*>()->widget();
            if (window.endsWith("Result")) {
                root->findChild<QLineEdit*>("txtName")->setText("F");
                QTest::mouseClick(root->findChild<QPushButton*>("cmdProceed"), Qt::LeftButton);
                for (auto* frame : main_->findChildren<QMdiSubWindow*>())
                    if (frame->isVisible())
                        root = frame->widget();
            }
        }
        platform_->opened.clear();
        if (control == "front") {
            // The two offers share one spot; the rising sign windows put co-branding in front.
            auto* fullBrand = root->findChild<QLabel*>("lblFullBrand");
            auto* coBrand = root->findChild<QLabel*>("lblCobrand");
            QCOMPARE(fullBrand->geometry(), coBrand->geometry());
            QVERIFY(coBrand->text().startsWith("Co-brand this software for your site."));
            QVERIFY(coBrand->text().endsWith("Click Here for more info on co-branding."));
            const bool coBrandInFront = window.startsWith("rising");
            QLabel* front = coBrandInFront ? coBrand : fullBrand;
            QTest::mouseClick(front, Qt::LeftButton);
            QCOMPARE(platform_->opened, QList<QUrl>{QUrl(Link(coBrandInFront ? "co-brand" : "fully-branded"))});
            QCOMPARE(front->parentWidget()->childAt(front->geometry().center()), front);
            return;
        }
        auto* label = root->findChild<QLabel*>(control);
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(platform_->opened, QList<QUrl>{QUrl(Link(qPrintable(page)))});
    }

    void sunSignValueOpensNothing()
    {
        main_->OpenReading(ReadingKind::RisingSign);
        QWidget* details = main_->readingWindow(ReadingSlot::RisingSignDetails);
        details->findChild<QLineEdit*>("txtName")->setText("G");
        QTest::mouseClick(details->findChild<QPushButton*>("cmdProceed"), Qt::LeftButton);
        QWidget* result = main_->readingWindow(ReadingSlot::RisingSignResult);
        QTest::mouseClick(result->findChild<QLabel*>("lblYourSunSign"), Qt::LeftButton);
        QVERIFY(platform_->opened.isEmpty());
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
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(about);
            QCOMPARE(about->objectName(), QString("frmAbout"));
            QCOMPARE(about->windowTitle(), QString("Orbis Tessary v1.20"));
            QVERIFY(about->isModal());
            QCOMPARE(about->size(), QSize(454, 258));
            QCOMPARE(about->findChild<QLabel*>("Label2")->text(), QString("Orbis Tessary v1.20"));
            QVERIFY(about->findChild<QLabel*>("Label1")->text().contains("Selvane"));
            QVERIFY(about->findChild<QLabel*>("lblHomePage")->text().contains("www.selvane.example"));
            QCOMPARE(about->findChild<QLabel*>("Label3")->text(),
                     QString("Home Business Opportunity. Start your own Internet business and make "
                             "money online. Get this software fully branded for your website. "));
            auto* details = about->findChild<QLabel*>("lblCobrand");
            QCOMPARE(details->text(), QString("Click here for more details."));
            QTest::mouseClick(details, Qt::LeftButton);
            QTest::mouseClick(about->findChild<QLabel*>("lblHomePage"), Qt::LeftButton);
            QCOMPARE(platform_->opened, QList<QUrl>({QUrl(Link("fully-branded")), QUrl(Link("home-page"))}));
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
            checked = true;
        });
        platform_->opened.clear();
        window->findChild<QAction*>("mnuAbout")->trigger();
        QVERIFY(checked);
        QVERIFY(!QApplication::activeModalWidget());
        FlushDeletes();
        QVERIFY(main_->findChildren<QDialog*>("frmAbout").isEmpty());
    }

    void linksAreExactAndReachTheDesktopUnchanged()
    {
        const std::pair<WebPage, const char*> pages[] = {{WebPage::HelpWebPage, "help-web-page"},
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
