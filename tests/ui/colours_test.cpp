// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The design's colours as the windows are drawn, under a light and a dark desktop theme: a bare
// point of every strip, frame, area and banner, and the text of the captions, looked up in a grab
// of the window.
#include "shell/about_window.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "support/reading_fixture.h"
#include "support/widget_helpers.h"

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include <optional>

using namespace orbis;
using namespace orbis::testing;

namespace {

// A point of `control` where the window shows the control itself: clear of its children and of
// anything over it, off its edges and, in a frame with a caption, below the caption. Top left
// first, where a centred banner leaves the strip bare.
std::optional<QPoint> BarePoint(QWidget* window, QWidget* control)
{
    QRect area = control->rect().adjusted(3, 3, -3, -3);
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        area = frame->contentsRect().adjusted(3, 3, -3, -3);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); x += 4) {
            const QPoint at = control->mapTo(window, QPoint(x, y));
            const QWidget* top = window->childAt(at);
            if (top == control || (!top && control == window))
                return at;
        }
    }
    return std::nullopt;
}

// Whether some pixel of `place` has exactly `colour`: solid strokes of text drawn in it.
bool Shows(const QImage& image, const QRect& place, const QColor& colour)
{
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

// What a dark desktop theme gives every window, near enough: light text on dark grey.
QPalette DarkTheme()
{
    const QColor window(53, 53, 53);
    const QColor text(238, 238, 236);
    QPalette palette(window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Base, QColor(45, 45, 45));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    return palette;
}

QString Name(const QColor& colour)
{
    return QStringLiteral("RGB(%1, %2, %3)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

} // namespace

class ColoursTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ReadingFixture> fixture_;
    std::unique_ptr<AboutWindow> about_;
    QPalette lightTheme_;

    // The window of the row, shown, with nothing else of the program over it.
    QWidget* windowOf(const QString& name)
    {
        MainWindow* main = fixture_->main();
        if (name == "main")
            return main;
        if (name == "about") {
            about_ = std::make_unique<AboutWindow>(fixture_->platform, main);
            about_->show();
            return about_.get();
        }
        if (name == "main with reading") {
            fixture_->read(ReadingKind::Midheaven);
            return main;
        }
        const ReadingKind kind = name.startsWith("rising") ? ReadingKind::RisingSign
                                 : name.startsWith("mid")  ? ReadingKind::Midheaven
                                                           : ReadingKind::Descendant;
        return name.endsWith("Result") ? fixture_->read(kind) : fixture_->open(kind);
    }

    // The application's palette, as a desktop theme sets it; windows take it on a moment later.
    static void setTheme(const QPalette& palette)
    {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
    }

    static void addWindowRows()
    {
        QTest::addColumn<QString>("window");
        for (const char* window : {"main", "main with reading", "rising", "midheaven", "descendant",
                                   "risingResult", "midheavenResult", "descendantResult", "about"})
            QTest::newRow(window) << QString(window);
    }

    // Each widget shown in `window` by its place in the window's tree, with the colour of its
    // background and of its text.
    static QMap<QString, std::pair<QColor, QColor>> colours(QWidget* window)
    {
        QMap<QString, std::pair<QColor, QColor>> found;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            QString path;
            for (QObject* at = widget; at != window; at = at->parent())
                path.prepend('/' + at->objectName() + '#' +
                             QString::number(at->parent()->children().indexOf(at)));
            const QPalette& palette = widget->palette();
            found[path] = {palette.color(widget->backgroundRole()),
                           palette.color(widget->foregroundRole())};
        }
        return found;
    }

private slots:
    void initTestCase()
    {
        ConfigureApplication(*qApp);
        lightTheme_ = QApplication::palette();
    }
    void init()
    {
        setTheme(lightTheme_);
        fixture_ = std::make_unique<ReadingFixture>();
        QVERIFY(fixture_->start());
    }
    void cleanup()
    {
        about_.reset();
        fixture_.reset();
        setTheme(lightTheme_);
    }

    void designColours_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("text"); // the text's colour, else the background's
        QTest::addColumn<QColor>("colour");
        const QColor lightBlue(192, 192, 255);
        const QColor black(0, 0, 0);
        const QColor seaBlue(66, 174, 193);
        const QColor lavender(170, 185, 225);
        const QColor mint(128, 232, 133);
        const QColor wine(103, 10, 35);
        const QColor peach(255, 224, 192);
        const QColor brown(128, 64, 0);
        auto row = [](const char* window, const char* control, bool text, const QColor& colour) {
            for (const char* theme : {"light", "dark"})
                QTest::newRow(qPrintable(
                    QString("%1 %2 %3%4").arg(theme, window, control, text ? " text" : "")))
                    << QString(theme) << QString(window) << QString(control) << text << colour;
        };
        row("main", "Picture6", false, lightBlue);
        // The offer has no colour of its own: black, as on every strip of the design.
        row("main", "Label7", true, black);
        row("main", "lblSelvaneBanner", false, QColor(255, 255, 255));
        row("main", "picMain", false, black);
        row("main", "PicCoBrand", false, lightBlue);
        row("main with reading", "mdiArea", false, black);
        // The welcome texts, by their index in lblCaption.
        const QColor cyan(0, 255, 255);
        const QColor welcome[] = {cyan,
                                  QColor(255, 0, 0),
                                  cyan,
                                  QColor(255, 255, 0),
                                  QColor(255, 0, 255),
                                  QColor(0, 255, 0)};
        for (int index = 0; index < 6; ++index)
            row("main", qPrintable(QString("lblCaption %1").arg(index)), true, welcome[index]);
        // The birth-details windows: the window shows between the middle area and Proceed.
        const std::tuple<const char*, QColor, QColor, QColor, QColor> details[] = {
            {"rising", seaBlue, peach, wine, brown},
            {"midheaven", lavender, lavender, lavender, QColor(64, 0, 0)},
            {"descendant", mint, mint, wine, brown},
        };
        for (const auto& [window, background, middle, strips, inputText] : details) {
            row(window, "client", false, background);
            row(window, "Frame1", false, middle);
            row(window, "Frame2", false, strips);
            row(window, "Label61", false, strips);
            row(window, "Frame5", false, strips);
            row(window, "Frame3", false, background);
            row(window, "Label8", false, background);
            row(window, "Label1", true, inputText);
            row(window, "Frame3", true, inputText);
        }
        row("rising", "Label9", true, QColor(64, 0, 0));
        row("midheaven", "Label9", true, QColor(0, 0, 255));
        row("descendant", "Label9", true, QColor(255, 0, 255));
        row("descendant", "Label8", true, QColor(0, 0, 255));
        // The result windows; the rising sign's content area has no caption.
        const std::tuple<const char*, QColor, QColor, QColor> results[] = {
            {"risingResult", wine, seaBlue, QColor()},
            {"midheavenResult", lavender, lavender, QColor(255, 0, 0)},
            {"descendantResult", wine, mint, QColor(0, 0, 255)},
        };
        for (const auto& [window, strips, content, caption] : results) {
            row(window, "Frame2", false, strips);
            row(window, "Label61", false, strips);
            row(window, "Frame1", false, content);
            row(window, "Frame5", false, strips);
            if (caption.isValid())
                row(window, "Frame1", true, caption);
            row(window, "Label18", true, brown);
        }
        row("risingResult", "txtYourNature", false, seaBlue);
        row("risingResult", "Label19", true, brown);
        row("risingResult", "lblYourRisingSign", true, QColor(64, 0, 0));
        row("midheavenResult", "lblYourMidheavenSign", true, QColor(0, 0, 255));
        row("descendantResult", "lblYourDescendantSign", true, QColor(64, 0, 0));
        row("descendantResult", "lblMoreAboutSign", true, QColor(64, 0, 0));
        row("about", "frmAbout", false, black);
        row("about", "Label2", true, QColor(255, 255, 255));
        row("about", "lblHomePage", true, QColor(0, 255, 255));
    }
    void designColours()
    {
        QFETCH(QString, theme);
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(bool, text);
        QFETCH(QColor, colour);
        if (theme == "dark")
            setTheme(DarkTheme());
        QWidget* shown = windowOf(window);
        QVERIFY(shown);
        QWidget* widget = shown->findChild<QWidget*>(control);
        if (control == shown->objectName())
            widget = shown;
        else if (control.startsWith("lblCaption "))
            widget = Caption(shown, control.back().digitValue());
        QVERIFY2(widget && widget->isVisible(), qPrintable(control));
        const QImage image = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (text) {
            QRect place(widget->mapTo(shown, QPoint(0, 0)), widget->size());
            // A frame's own text is its caption, above what it holds.
            if (auto* frame = qobject_cast<QGroupBox*>(widget))
                place.setHeight(frame->contentsRect().top());
            QVERIFY2(Shows(image, place, colour), qPrintable("no text in " + Name(colour)));
            return;
        }
        // A scrolling area shows its background in its viewport.
        if (auto* scrolling = qobject_cast<QAbstractScrollArea*>(widget))
            widget = scrolling->viewport();
        const auto at = BarePoint(shown, widget);
        QVERIFY2(at, "nothing of it is to be seen");
        // The style draws a frame's inside about one per cent darker; a wrong colour is far off.
        const QColor seen = image.pixelColor(*at);
        const bool close = qAbs(seen.red() - colour.red()) <= 3 &&
                           qAbs(seen.green() - colour.green()) <= 3 &&
                           qAbs(seen.blue() - colour.blue()) <= 3;
        QVERIFY2(close, qPrintable(Name(seen) + " where the design has " + Name(colour)));
    }

    // Where the design fixes a control's background, a dark theme leaves its text colour as it
    // is too; controls in the desktop's colours follow the theme.
    void textOnDesignColoursIgnoresTheTheme_data() { addWindowRows(); }
    void textOnDesignColoursIgnoresTheTheme()
    {
        QFETCH(QString, window);
        QWidget* shown = windowOf(window);
        QVERIFY(shown);
        const auto light = colours(shown);
        setTheme(DarkTheme());
        const auto dark = colours(shown);
        QCOMPARE(dark.keys(), light.keys());
        int fixed = 0;
        for (auto at = light.cbegin(); at != light.cend(); ++at) {
            const auto& [background, text] = at.value();
            if (dark[at.key()].first != background)
                continue;
            ++fixed;
            QVERIFY2(dark[at.key()].second == text,
                     qPrintable(at.key() + ": " + Name(dark[at.key()].second) + " on " +
                                Name(background) + ", " + Name(text) + " in a light theme"));
        }
        QVERIFY(fixed > 0);
        // The theme took: the desktop's colours are its own.
        QCOMPARE(fixture_->main()->palette().color(QPalette::Window), QColor(53, 53, 53));
    }
};

QTEST_MAIN(ColoursTest)
#include "colours_test.moc"
