// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window.
#include "shell/main_window.h"

#include "common/colours.h"
#include "common/form.h"
#include "common/link_label.h"
#include "common/menus.h"
#include "common/platform.h"
#include "common/program_identity.h"
#include "common/ready_drawn.h"
#include "common/twips.h"
#include "common/web_pages.h"
#include "shell/about_window.h"
#include "shell/reading_windows.h"
#include "shell/welcome_panel.h"
#include "windows/reading_window.h"
#include "work_area.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbis {

namespace {

// The grey of the option buttons and the Exit button.
constexpr Look kGreyButton{
    .font = Typeface{8.25, true}, .text = colours::Black, .background = colours::Silver};

// The strips' heights and the places in them, in twips. Centred controls take their left edge
// from the screen's width (placeFromScreenWidth), the Exit button its distance from the right.
constexpr struct {
    double bannerStripHeight = 560; // Picture6
    TwipsBox forumBanner{.top = 48, .width = 9480, .height = 465};
    double buttonStripHeight = 900; // Picture1
    TwipsBox buttonContainer{.top = 50, .width = 10755, .height = 800};
    double optionTop = 180;
    double optionWidth = 2490;
    double optionHeight = 495;
    double iconTop = 172;
    double iconSize = 510;
    double welcomeHeight = 8640; // picMain
    double footerHeight = 735;   // PicCoBrand
    TwipsBox offer{.left = 120, .top = 60, .width = 6975, .height = 615};
    TwipsBox exit{.top = 120, .width = 1335, .height = 495};
    double exitRightMargin = 120;
} kLayout{};

// The smallest supported screen: no minimum may ask for more.
constexpr QSize kSmallestScreen{1024, 600};

struct OptionButton {
    int index;
    double left;
    double iconLeft;
    const char* iconName;
    const char* caption;
    const char* icon;   // as drawn for ordinary screens
    const char* icon2x; // and for double-density ones
};

// Placed left to right; the index, not the place, decides the reading.
constexpr OptionButton kOptionButtons[] = {
    {2, 840, 240, "Picture4", "Zodiac Rising Sign", ":/icons/options/rising-sign.png",
     ":/icons/options/rising-sign@2x.png"},
    {0, 4440, 3840, "Picture2", "Descendant Astrology", ":/icons/options/descendant.png",
     ":/icons/options/descendant@2x.png"},
    {1, 8040, 7440, "Picture3", "Midheaven Astrology", ":/icons/options/midheaven.png",
     ":/icons/options/midheaven@2x.png"},
};

// A full-width strip of the main window: its height is fixed, the layout gives its width. A
// strip in a colour of the design has black text on it unless a control says otherwise, whatever
// the desktop's theme; one without keeps the desktop's colours.
template <typename Widget>
Widget* Strip(Widget* strip, const QString& name, double height, const QColor& background = {})
{
    strip->setObjectName(name);
    strip->setFixedHeight(TwipsToPixels(height));
    strip->setAutoFillBackground(true);
    if (background.isValid()) {
        QPalette palette = strip->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, colours::Black);
        strip->setPalette(palette);
    }
    return strip;
}

void MoveTwips(QWidget* widget, double left, double top)
{
    widget->move(TwipsToPixels(left), TwipsToPixels(top));
}

} // namespace

MainWindow::MainWindow(Platform& platform, ReadingState& readings)
    : platform_(platform), readings_(readings), screenWidth_(platform.screenWidthTwips())
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(ProgramCaption());
    createActions();
    createStrips();
    createMenus();
    placeFromScreenWidth();
    setMinimumSize(minimumSizeHint());
}

MainWindow::~MainWindow() = default;

void MainWindow::createActions()
{
    // File, Exit and the Exit button close the main window, which ends the program.
    mnuExit_ = CreateCommand(this, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));
    connect(mnuExit_, &QAction::triggered, this, &QWidget::close);
    help_ = new HelpCommands(this, MenuFamily::Main, platform_);
    connect(help_->mnuAbout, &QAction::triggered, this, &MainWindow::mnuAbout_Click);
}

void MainWindow::createStrips()
{
    // Top to bottom: the banner, the option buttons, the welcome panel over the reading windows,
    // and the footer.
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createBannerStrip(central));
    layout->addWidget(createOptionStrip(central));
    layout->addWidget(createWorkArea(central), 1);
    layout->addWidget(createFooter(central));
    setCentralWidget(central);
}

QWidget* MainWindow::createBannerStrip(QWidget* central)
{
    auto* strip = Strip(new LinkLabel(QString(), central), QStringLiteral("Picture6"),
                        kLayout.bannerStripHeight, colours::LightBlue);
    strip->setAccessibleName(QStringLiteral("Selvane home page"));
    connect(strip, &LinkLabel::clicked, this,
            [this] { OpenWebPage(platform_, WebPage::HomePage); });

    lblSelvaneBanner_ = Place(
        new LinkLabel(
            QStringLiteral("Join the Selvane astrology forum: share and discuss your readings"),
            strip),
        QStringLiteral("lblSelvaneBanner"), kLayout.forumBanner,
        {.font = Typeface{9.75, true},
         .text = colours::Black,
         .background = colours::White,
         .filled = true});
    lblSelvaneBanner_->setAlignment(Qt::AlignCenter);
    connect(lblSelvaneBanner_, &LinkLabel::clicked, this,
            [this] { OpenWebPage(platform_, WebPage::HomePage); });
    return strip;
}

QWidget* MainWindow::createOptionStrip(QWidget* central)
{
    // The system window colour.
    QWidget* strip =
        Strip(new QWidget(central), QStringLiteral("Picture1"), kLayout.buttonStripHeight);
    // A plain frame: the style draws a caption-less group box from a picture file, and reading
    // that file would pull in every image plugin before the first paint.
    auto* container =
        Place(new QFrame(strip), QStringLiteral("picButtonContainer"), kLayout.buttonContainer);
    container->setFrameShape(QFrame::StyledPanel);
    picButtonContainer_ = container;
    // The control array: each button's id is its index, which decides the reading.
    cmdSelectOption_ = new QButtonGroup(this);
    cmdSelectOption_->setObjectName(QStringLiteral("cmdSelectOption"));
    cmdSelectOption_->setExclusive(false);
    for (const OptionButton& option : kOptionButtons) {
        auto* icon = Place(new QLabel(container), QString::fromLatin1(option.iconName),
                           {.left = option.iconLeft,
                            .top = kLayout.iconTop,
                            .width = kLayout.iconSize,
                            .height = kLayout.iconSize});
        icon->setPixmap(
            ReadyDrawnPixmap(option.icon, option.icon2x, icon->size(), devicePixelRatioF()));
        icon->setAccessibleName(QString::fromLatin1(option.caption));

        auto* button = Place(new QPushButton(QString::fromLatin1(option.caption), container),
                             QStringLiteral("cmdSelectOption"),
                             {.left = option.left,
                              .top = kLayout.optionTop,
                              .width = kLayout.optionWidth,
                              .height = kLayout.optionHeight},
                             kGreyButton);
        cmdSelectOption_->addButton(button, option.index);
    }
    connect(cmdSelectOption_, &QButtonGroup::idClicked, this, &MainWindow::cmdSelectOption_Click);
    return strip;
}

QWidget* MainWindow::createWorkArea(QWidget* central)
{
    picMain_ = Strip(new WelcomePanel(central), QStringLiteral("picMain"), kLayout.welcomeHeight,
                     colours::Black);
    auto* mdiArea = new QMdiArea(central);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setBackground(Qt::black);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* workArea = new WorkArea(picMain_, mdiArea, central);

    readingWindows_ = std::make_unique<ReadingWindows>(platform_, readings_, picMain_, mdiArea,
                                                       workArea, screenWidth_);
    connect(readingWindows_.get(), &ReadingWindows::activeChanged, this, &MainWindow::showMenusOf);
    connect(picMain_, &WelcomePanel::readingChosen, readingWindows_.get(),
            &ReadingWindows::OpenReading);
    connect(picMain_, &WelcomePanel::welcomeTextClicked, readingWindows_.get(),
            &ReadingWindows::unloadAll);
    return workArea;
}

QWidget* MainWindow::createFooter(QWidget* central)
{
    QWidget* strip = Strip(new QWidget(central), QStringLiteral("PicCoBrand"), kLayout.footerHeight,
                           colours::LightBlue);
    auto* offer = Place(
        new LinkLabel(QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                     "and make money online. Get this software fully branded for "
                                     "your website. Click here for more details."),
                      strip),
        QStringLiteral("Label7"), kLayout.offer, {.font = Typeface{8.25, true, true}});
    offer->setWordWrap(true);
    connect(offer, &LinkLabel::clicked, this,
            [this] { OpenWebPage(platform_, WebPage::FullyBranded); });

    cmdMdiExit_ = Place(new QPushButton(QStringLiteral("&Exit"), strip),
                        QStringLiteral("cmdMdiExit"), kLayout.exit, kGreyButton);
    connect(cmdMdiExit_, &QPushButton::clicked, mnuExit_, &QAction::trigger);
    return strip;
}

void MainWindow::createMenus()
{
    mainMenus_ = ArrangeMenuBar(this, MenuFamily::Main, {mnuExit_}, *help_);
    menuBar()->addActions(mainMenus_);
}

QSize MainWindow::sizeHint() const
{
    // Restored from maximised: the strips' controls, placed from the screen's width, all inside,
    // over the design's height.
    return stripsSize() + QSize(0, TwipsToPixels(kLayout.welcomeHeight));
}

QSize MainWindow::minimumSizeHint() const
{
    // Below this the strips would lose controls; the welcome panel may go entirely. Never more
    // than the smallest screen: on Wayland a minimum the compositor cannot give ends the program.
    return stripsSize().boundedTo(kSmallestScreen);
}

QSize MainWindow::stripsSize() const
{
    // Wide to the right edge of the rightmost control: Exit, or on a very narrow screen the
    // option strip; and a pixel more, which a scale such as 125 % may round away.
    const int width = TwipsToPixels(qMax(screenWidth_ - kLayout.exitRightMargin,
                                         (screenWidth_ + kLayout.buttonContainer.width) / 2)) +
                      1;
    return {width, menuBar()->sizeHint().height() +
                       TwipsToPixels(kLayout.bannerStripHeight + kLayout.buttonStripHeight +
                                     kLayout.footerHeight)};
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button here too, as it does in every reading window.
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (focused && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        focused->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::placeFromScreenWidth()
{
    // From the screen's width, once: a smaller window later keeps these places.
    const double w = screenWidth_;
    auto centred = [w](QWidget* widget, double top) {
        MoveTwips(widget, (w - PixelsToTwips(widget->width())) / 2, top);
    };
    centred(lblSelvaneBanner_, kLayout.forumBanner.top);
    centred(picButtonContainer_, kLayout.buttonContainer.top);
    picMain_->placeFromScreenWidth(w);
    MoveTwips(cmdMdiExit_, w - (PixelsToTwips(cmdMdiExit_->width()) + kLayout.exitRightMargin),
              kLayout.exit.top);
}

void MainWindow::cmdSelectOption_Click(int index)
{
    readingWindows_->OpenReading(static_cast<ReadingKind>(index));
}

void MainWindow::mnuAbout_Click()
{
    AboutWindow::ShowModal(platform_, this);
}

void MainWindow::showMenusOf(const ReadingWindow* reading)
{
    // As in every multiple-document program, the bar carries the menus of the reading window on
    // screen, and the main window's own when there is none.
    menuBar()->clear();
    menuBar()->addActions(reading ? reading->menuBarActions() : mainMenus_);
    // The reading window's "&Exit" shares the letter: its key must not reach the main window's.
    cmdMdiExit_->setShortcut(reading ? QKeySequence()
                                     : QKeySequence::mnemonic(cmdMdiExit_->text()));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // No question and nothing saved: the reading windows are unloaded, then the program ends. Their
    // end comes with this window's, in ~ReadingWindows.
    readingWindows_->unloadAll();
    event->accept();
    emit ended();
}

} // namespace orbis
