// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The about dialog.
#include "shell/about_window.h"

#include "common/colours.h"
#include "common/form.h"
#include "common/link_label.h"
#include "common/platform.h"
#include "common/program_identity.h"
#include "common/ready_drawn.h"
#include "common/vector_drawn.h"
#include "common/web_pages.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace orbis {

namespace {

// The dialog's places, in twips.
constexpr struct {
    double clientWidth = 6810;
    double clientHeight = 3870;
    TwipsBox icon{.left = 120, .top = 120, .width = 510, .height = 510};
    TwipsBox title{.left = 840, .top = 240, .width = 4000, .height = 300};
    TwipsBox paragraph{.left = 240, .top = 720, .width = 6465, .height = 1215};
    TwipsBox line{.left = 240, .top = 1980, .width = 6345, .height = 30};
    TwipsBox homePage{.left = 2640, .top = 2040, .width = 4080, .height = 225};
    TwipsBox offer{.left = 240, .top = 2280, .width = 6105, .height = 675};
    TwipsBox details{.left = 4320, .top = 2880, .width = 2400, .height = 225};
    TwipsBox ok{.left = 5400, .top = 3360, .width = 1260, .height = 345};
} kLayout{};

constexpr Look kText{.font = Typeface{8.25}};
constexpr Look kLink{.font = Typeface{8.25}, .text = colours::Cyan, .background = colours::Black};

const QString kParagraph = QStringLiteral(
    "Your sun and moon signs are only the start. The ascendant shows the face you turn to the "
    "world, the descendant the partner you look for, and the midheaven the goals and standing you "
    "work towards. Orbis Tessary reads these three points of your natal chart to help you know "
    "yourself better. Copyright (c) Selvane. All rights reserved.");
const QString kOffer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. ");

} // namespace

AboutWindow::AboutWindow(Platform& platform, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ProgramCaption());
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(kLayout.clientWidth, kLayout.clientHeight));
    setAutoFillBackground(true);
    setPalette(ColouredPalette(palette(), colours::Black, colours::White));
    createHeading();
    createTexts(platform);
    createOkButton();
}

void AboutWindow::createHeading()
{
    auto* icon = Place(new QLabel(this), QStringLiteral("Picture1"), kLayout.icon);
    QPixmap picture = VectorDrawnPixmap(QStringLiteral(":/icons/orbis-tessary.svg"), icon->size(),
                                        devicePixelRatioF());
    if (picture.isNull())
        picture = ReadyDrawnPixmap(QStringLiteral(":/icons/program/32.png"),
                                   QStringLiteral(":/icons/program/64.png"), icon->size(),
                                   devicePixelRatioF());
    icon->setPixmap(picture);
    icon->setAccessibleName(QStringLiteral("Program icon"));

    Place(new QLabel(ProgramCaption(), this), QStringLiteral("Label2"), kLayout.title,
          {.font = Typeface{9.75, true}});
}

void AboutWindow::createTexts(Platform& platform)
{
    auto* paragraph =
        Place(new QLabel(kParagraph, this), QStringLiteral("Label1"), kLayout.paragraph, kText);
    paragraph->setWordWrap(true);
    paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* line = Place(new QFrame(this), QStringLiteral("Line1"), kLayout.line);
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: rgb(192, 192, 192);"));

    auto* homePage = Place(new LinkLabel(QStringLiteral("Visit us at ") + SiteHost(), this),
                           QStringLiteral("lblHomePage"), kLayout.homePage, kLink);
    connect(homePage, &LinkLabel::clicked, this,
            [&platform] { OpenWebPage(platform, WebPage::HomePage); });

    auto* offer = Place(new QLabel(kOffer, this), QStringLiteral("Label3"), kLayout.offer, kText);
    offer->setWordWrap(true);
    offer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* details = Place(new LinkLabel(QStringLiteral("Click here for more details."), this),
                          QStringLiteral("lblCobrand"), kLayout.details, kLink);
    connect(details, &LinkLabel::clicked, this,
            [&platform] { OpenWebPage(platform, WebPage::FullyBranded); });
}

void AboutWindow::createOkButton()
{
    auto* ok =
        Place(new QPushButton(QStringLiteral("&OK"), this), QStringLiteral("cmdOK"), kLayout.ok);
    // A light button on the black dialog: a whole palette worked out from its face, so that its
    // frame and text suit it.
    ok->setPalette(QPalette(colours::Silver));
    ok->setDefault(true);
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
