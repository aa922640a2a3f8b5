// The about dialog.
#include "shell/about_window.h"

#include "common/fonts.h"
#include "common/link_label.h"
#include "common/platform.h"
#include "common/program_title.h"
#include "common/twips.h"
#include "common/web_pages.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace orbis {

AboutWindow::AboutWindow(Platform& platform, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ProgramCaption());
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(6810, 3870));
    setAutoFillBackground(true);
    setPalette(ColouredPalette(palette(), Qt::black, Qt::white));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Picture1"));
    icon->setGeometry(TwipsRect(120, 120, 510, 510));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/orbis-tessary.svg"))
                        .pixmap(icon->size(), devicePixelRatioF()));
    icon->setAccessibleName(QStringLiteral("Program icon"));

    auto* title = new QLabel(ProgramCaption(), this);
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(Verdana(9.75, true));
    title->setGeometry(TwipsRect(840, 240, 4000, 300));

    auto* paragraph = new QLabel(
        QStringLiteral(
            "Your sun and moon signs are only the start. The ascendant shows the face you turn "
            "to the world, the descendant the partner you look for, and the midheaven the goals "
            "and standing you work towards. Orbis Tessary reads these three points of your natal "
            "chart to help you know yourself better. Copyright (c) Selvane. All rights reserved."),
        this);
    paragraph->setObjectName(QStringLiteral("Label1"));
    paragraph->setWordWrap(true);
    paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paragraph->setFont(Verdana(8.25));
    paragraph->setGeometry(TwipsRect(240, 720, 6465, 1215));

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: rgb(192, 192, 192);"));
    line->setGeometry(TwipsRect(240, 1980, 6345, 30));

    auto* homePage = new LinkLabel(
        QStringLiteral("Visit us at ") + SiteHost(), this);
    homePage->setObjectName(QStringLiteral("lblHomePage"));
    homePage->setFont(Verdana(8.25));
    homePage->setPalette(ColouredPalette(homePage->palette(), Qt::black, Qt::cyan));
    homePage->setGeometry(TwipsRect(2640, 2040, 4080, 225));
    connect(homePage, &LinkLabel::clicked, this,
            [&platform] { OpenWebPage(platform, WebPage::HomePage); });

    auto* offer = new QLabel(
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website. "),
        this);
    offer->setObjectName(QStringLiteral("Label3"));
    offer->setWordWrap(true);
    offer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    offer->setFont(Verdana(8.25));
    offer->setGeometry(TwipsRect(240, 2280, 6105, 675));

    auto* details = new LinkLabel(QStringLiteral("Click here for more details."), this);
    details->setObjectName(QStringLiteral("lblCobrand"));
    details->setFont(Verdana(8.25));
    details->setPalette(ColouredPalette(details->palette(), Qt::black, Qt::cyan));
    details->setGeometry(TwipsRect(4320, 2880, 2400, 225));
    connect(details, &LinkLabel::clicked, this,
            [&platform] { OpenWebPage(platform, WebPage::FullyBranded); });

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(TwipsRect(5400, 3360, 1260, 345));
    ok->setDefault(true);
    ok->setPalette(QPalette(QColor(192, 192, 192)));
    // Escape rejects a QDialog, so OK is the cancel button as well.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

void AboutWindow::ShowModal(Platform& platform, QWidget* over)
{
    auto* about = new AboutWindow(platform, over ? over->window() : nullptr);
    about->exec();
}

} // namespace orbis
