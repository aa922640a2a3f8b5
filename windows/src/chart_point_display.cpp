// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The midheaven and descendant result windows.
#include "windows/chart_point_display.h"

#include "common/colours.h"
#include "common/engine_text.h"
#include "common/fonts.h"
#include "common/form.h"

#include "orbis/chart_points.h"
#include "orbis/reading_state.h"
#include "orbis/rising_sign.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace orbis {

namespace {

// The captions' heights are the design's 195 twips and the signs' its 240 and 210, plus room for
// the substitute typeface, which stands taller than Verdana at these sizes.
const ChartPointDesign kMidheaven{
    .objectName = QStringLiteral("frmMidheavenAsrologyDisplay"),
    .caption = QStringLiteral("Orbis Midheaven Astrology"),
    .resultCaption = QStringLiteral("Orbis Midheaven Astrology Result"),
    .signHeading = QStringLiteral("Your Mid Heaven Is In"),
    .moreHeading = QString(),
    .signLabelName = QStringLiteral("lblYourMidheavenSign"),
    .descriptionName = QStringLiteral("lblMidheavenDesc"),
    .layout = {.clientWidth = 10095,
               .clientHeight = 5295,
               .topStrip = {.width = 10095, .height = 735},
               .banner = {.left = 120, .top = 120, .width = 9855, .height = 495},
               .result = {.top = 720, .width = 10095, .height = 3735},
               .signHeading = {.left = 240, .top = 360, .width = 2175, .height = 240},
               .sign = {.left = 2655, .top = 360, .width = 2430, .height = 300},
               .moreHeading = {},
               .description = {.left = 240, .top = 720, .width = 6495, .height = 2775},
               .picture = {.left = 6960, .top = 240, .width = 3030, .height = 3030},
               .bottomStrip = {.top = 4440, .width = 10095, .height = 855},
               .promotions = {.left = 120, .top = 120, .width = 6105, .height = 615},
               .exit = {.left = 7440, .top = 240, .width = 1260, .height = 465},
               .back = {.left = 8760, .top = 240, .width = 1260, .height = 465}},
    .colours = {.window = colours::Lavender,
                .strips = colours::Lavender,
                .resultFrame = colours::Lavender,
                .resultCaption = colours::Red,
                .sign = colours::Blue,
                .buttonFace = colours::Silver},
    .signPoints = 9.75,
    .descriptionPoints = 8.25,
    .signOf = &GetMidheavenSign,
    .descriptionOf = &GetMidheavenDescription,
};

const ChartPointDesign kDescendant{
    .objectName = QStringLiteral("frmDescendantAstrologyDisplay"),
    .caption = QStringLiteral("Orbis Descendant Astrology"),
    .resultCaption = QStringLiteral("Orbis Descendant Astrology Result"),
    .signHeading = QStringLiteral("Your Descendant Sign"),
    .moreHeading = QStringLiteral("More About Your Sign"),
    .signLabelName = QStringLiteral("lblYourDescendantSign"),
    .descriptionName = QStringLiteral("lblMoreAboutSign"),
    .layout = {.clientWidth = 10455,
               .clientHeight = 5520,
               .topStrip = {.width = 10455, .height = 735},
               .banner = {.left = 120, .top = 120, .width = 10215, .height = 495},
               .result = {.top = 720, .width = 10455, .height = 3975},
               .signHeading = {.left = 240, .top = 480, .width = 2145, .height = 240},
               .sign = {.left = 2640, .top = 480, .width = 2310, .height = 270},
               .moreHeading = {.left = 240, .top = 840, .width = 2115, .height = 240},
               .description = {.left = 240, .top = 1080, .width = 6735, .height = 2850},
               .picture = {.left = 7200, .top = 600, .width = 3030, .height = 3030},
               .bottomStrip = {.top = 4680, .width = 10455, .height = 855},
               .promotions = {.left = 120, .top = 120, .width = 6945, .height = 615},
               .exit = {.left = 7680, .top = 240, .width = 1260, .height = 465},
               .back = {.left = 9080, .top = 240, .width = 1260, .height = 465}},
    .colours = {.window = colours::SeaBlue,
                .strips = colours::Wine,
                .resultFrame = colours::Mint,
                .resultCaption = colours::Blue,
                .sign = colours::DarkRed,
                .buttonFace = colours::Peach},
    .signPoints = 9,
    .descriptionPoints = 9,
    .signOf = &GetDescendantSign,
    .descriptionOf = &GetDescendantDescription,
};

constexpr Typeface kHeadingFont{8.25, true, true};

} // namespace

const ChartPointDesign& ChartPointDesign::Midheaven()
{
    return kMidheaven;
}

const ChartPointDesign& ChartPointDesign::Descendant()
{
    return kDescendant;
}

ChartPointDisplay::ChartPointDisplay(ReadingHost& host, BirthDetailsWindow& details,
                                     const ChartPointDesign& design)
    : ResultWindow(host, details, design.objectName, design.caption), design_(design)
{
    setUpClient(design_.layout.clientWidth, design_.layout.clientHeight, design_.colours.window,
                colours::DarkRed);

    createStrips();
    createResult();
    createButtonsAndOffers();
}

void ChartPointDisplay::createStrips()
{
    QWidget* top =
        Panel(client(), QStringLiteral("Frame2"), design_.layout.topStrip, design_.colours.strips);
    addBanner(top, design_.layout.banner);
}

void ChartPointDisplay::createResult()
{
    const ChartPointLayout& layout = design_.layout;
    const QColor& frame = design_.colours.resultFrame;
    auto* result = Place(new QGroupBox(design_.resultCaption, client()), QStringLiteral("Frame1"),
                         layout.result,
                         {.font = Typeface{9.75, true},
                          .text = design_.colours.resultCaption,
                          .background = frame,
                          .filled = true});
    auto heading = [&](const QString& name, const QString& text, const TwipsBox& box) {
        return Place(new QLabel(text, result), name, box,
                     {.font = kHeadingFont, .text = colours::Brown, .background = frame});
    };
    QLabel* signHeading =
        heading(QStringLiteral("Label18"), design_.signHeading, layout.signHeading);
    signLabel_ = Place(new QLabel(result), design_.signLabelName, layout.sign,
                       {.font = Typeface{design_.signPoints, true},
                        .text = design_.colours.sign,
                        .background = frame});
    signLabel_->setAccessibleDescription(signHeading->text());

    QLabel* moreHeading =
        design_.moreHeading.isEmpty()
            ? nullptr
            : heading(QStringLiteral("Label2"), design_.moreHeading, layout.moreHeading);
    description_ = Place(new QLabel(result), design_.descriptionName, layout.description,
                         {.font = Typeface{design_.descriptionPoints, true},
                          .text = colours::DarkRed,
                          .background = frame});
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setTextInteractionFlags(Qt::NoTextInteraction);
    description_->setAccessibleDescription(moreHeading ? moreHeading->text() : signHeading->text());

    picSign = Place(new QLabel(result), QStringLiteral("picSign"), layout.picture);
    picSign->setAlignment(Qt::AlignCenter);
}

void ChartPointDisplay::createButtonsAndOffers()
{
    const ChartPointLayout& layout = design_.layout;
    const ChartPointColours& colours = design_.colours;
    QWidget* bottom = Panel(client(), QStringLiteral("Frame5"), layout.bottomStrip, colours.strips);
    addPromotionalLabels(bottom, layout.promotions, colours.strips, false);
    QPushButton* exit = addButton(bottom, QStringLiteral("cmdExit"), QStringLiteral("&Exit"),
                                  layout.exit, colours.buttonFace);
    QPushButton* back = addButton(bottom, QStringLiteral("cmdBack"), QStringLiteral("&Back"),
                                  layout.back, colours.buttonFace);
    finishButtons(back, exit);
}

void ChartPointDisplay::fill()
{
    ReadingState& readings = host_.readings();
    FindRisingSign(readings, readings.currentLookupKey);
    const auto sign = design_.signOf(readings.currentRisingSign);
    if (!sign)
        return;
    const std::string_view name = SignName(*sign);
    signLabel_->setText(ToQString(name));
    setAnswer({signLabel_});
    showPicture(picSign, PictureNumber(*sign));
    picSign->setAccessibleName(signLabel_->text());
    const std::string_view text = design_.descriptionOf(*sign);
    description_->setText(ToQString(text));
}

} // namespace orbis
