// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The rising sign result window.
#include "windows/rising_sign_display.h"

#include "common/colours.h"
#include "common/engine_text.h"
#include "common/form.h"
#include "common/link_label.h"
#include "common/web_pages.h"

#include "orbis/rising_sign.h"

#include <QLabel>
#include <QPushButton>

#include <utility>

namespace orbis {

namespace {

// The window's places, in twips.
constexpr struct {
    double clientWidth = 10455;
    double clientHeight = 7695;
    TwipsBox topStrip{.width = 10455, .height = 735};
    TwipsBox banner{.left = 120, .top = 120, .width = 10215, .height = 495};
    TwipsBox content{.top = 720, .width = 10455, .height = 6135};
    // In the content area: two columns of six caption and value rows, the picture between them.
    double firstRowTop = 150;
    double rowHeight = 505;
    double leftColumn = 240;
    double rightColumn = 6960;
    double columnWidth = 3360;
    double captionHeight = 225;
    double valueOffset = 240; // from a caption's top to its value's, and to its text box's
    double valueHeight = 255;
    TwipsBox picture{.left = 3690, .top = 150, .width = 3030, .height = 3030};
    // The text boxes: three in a row, then two wider and taller ones.
    TwipsBox looks{.left = 240, .top = 3510, .width = 3245, .height = 1020};
    TwipsBox loveAndDomesticLife{.left = 3605, .top = 3510, .width = 3245, .height = 1020};
    TwipsBox health{.left = 6970, .top = 3510, .width = 3245, .height = 1020};
    TwipsBox careerAndFinance{.left = 240, .top = 4800, .width = 4927, .height = 1290};
    TwipsBox nature{.left = 5287, .top = 4800, .width = 4927, .height = 1290};
    // The bottom strip and what it holds.
    TwipsBox bottomStrip{.top = 6840, .width = 10455, .height = 855};
    TwipsBox promotions{.left = 120, .top = 120, .width = 6225, .height = 615};
    TwipsBox exit{.left = 7800, .top = 195, .width = 1260, .height = 465};
    TwipsBox back{.left = 9120, .top = 195, .width = 1260, .height = 465};
} kLayout{};

// Where a value's text comes from: the reading's own values, or the rising sign's profile.
using ReadingText = std::string ReadingState::*;
using ProfileText = std::string_view SignProfile::*;

// The attribute block row by row: a caption above its value, in the left and the right column.
struct Attribute {
    const char* captionName;
    const char* caption;
    const char* valueName;
    ReadingText reading;
    ProfileText profile;
    Typeface valueFont;
};
constexpr Attribute FromReading(const char* captionName, const char* caption, const char* valueName,
                                ReadingText text, Typeface font = {})
{
    return {captionName, caption, valueName, text, nullptr, font};
}
constexpr Attribute FromProfile(const char* captionName, const char* caption, const char* valueName,
                                ProfileText text)
{
    return {captionName, caption, valueName, nullptr, text, {}};
}
struct AttributeRow {
    Attribute left;
    Attribute right;
};
constexpr AttributeRow kAttributeRows[] = {
    {FromReading("Label18", "Your Rising Sign", "lblYourRisingSign",
                 &ReadingState::currentRisingSign, Typeface{9, true}),
     FromReading("Label19", "Your Sun Sign", "lblYourSunSign", &ReadingState::currentSunSign)},
    {FromProfile("Label15", "Your Element", "lblYourElement", &SignProfile::Element),
     FromProfile("Label10", "Your Lucky Direction", "lblYourLuckyDirection",
                 &SignProfile::LuckyDirection)},
    {FromProfile("Label12", "Your Lucky Days", "lblYourLuckyDays", &SignProfile::LuckyDays),
     FromProfile("Label9", "Your Lucky Colors", "lblYourLuckyColors", &SignProfile::LuckyColors)},
    {FromProfile("Label14", "Your Sign Color", "lblYourSignColor", &SignProfile::SignColor),
     FromProfile("Label8", "Your Lucky Gemstone", "lblYourLuckyGemstone",
                 &SignProfile::LuckyGemstone)},
    {FromProfile("Label16", "Your Symbol", "lblYourSymbol", &SignProfile::Symbol),
     FromProfile("Label17", "Your Ruling Planet", "lblYourRulingPlanet",
                 &SignProfile::RulingPlanet)},
    {FromProfile("Label13", "Your Type of Sign", "lblYourTypeofSign", &SignProfile::TypeofSign),
     FromProfile("Label11", "Your Lucky Numbers", "lblYourLuckyNumbers",
                 &SignProfile::LuckyNumbers)},
};

// The topic boxes in reading order: the row of three, then the row of two.
struct TopicPlace {
    const char* captionName;
    const char* caption;
    const char* boxName;
    TwipsBox box;
    ProfileText text;
};
constexpr TopicPlace kTopics[] = {
    {"Label7", "Your Looks", "txtYourLooks", kLayout.looks, &SignProfile::Looks},
    {"Label4", "Your Love and Domestic Life", "txtYourLoveandDomesticLife",
     kLayout.loveAndDomesticLife, &SignProfile::LoveandDomesticLife},
    {"Label2", "Your Health", "txtYourHealth", kLayout.health, &SignProfile::Health},
    {"Label5", "Your Career and Finance", "txtYourCareerandFinance", kLayout.careerAndFinance,
     &SignProfile::CareerandFinance},
    {"Label6", "Your Nature", "txtYourNature", kLayout.nature, &SignProfile::Nature},
};

constexpr Typeface kCaptionFont{8.25, true, true};

} // namespace

RisingSignDisplay::RisingSignDisplay(ReadingHost& host, BirthDetailsWindow& details)
    : ResultWindow(host, details, QStringLiteral("frmRisingSignDisplay"),
                   QStringLiteral("Orbis Zodiac Rising Sign"))
{
    setUpClient(kLayout.clientWidth, kLayout.clientHeight, colours::SeaBlue, colours::DarkRed);

    QWidget* top = Panel(client(), QStringLiteral("Frame2"), kLayout.topStrip, colours::Wine);
    addBanner(top, kLayout.banner);
    QWidget* content = Panel(client(), QStringLiteral("Frame1"), kLayout.content, colours::SeaBlue);
    createAttributeBlock(content);
    createTopicBoxes(content);
    createButtonsAndOffers();
}

QLabel* RisingSignDisplay::addCaption(QWidget* content, const char* name, const char* text,
                                      const TwipsBox& box)
{
    // "Your Sun Sign" also opens the co-branding page.
    const bool opensPage = qstrcmp(name, "Label19") == 0;
    QLabel* caption =
        opensPage ? new LinkLabel(QString::fromLatin1(text), content, LinkLabel::Pointer::Arrow)
                  : new QLabel(QString::fromLatin1(text), content);
    if (opensPage)
        connect(static_cast<LinkLabel*>(caption), &LinkLabel::clicked, this,
                [this] { OpenWebPage(host_.platform(), WebPage::CoBrand); });
    return Place(caption, QString::fromLatin1(name), box,
                 {.font = kCaptionFont, .text = colours::Brown, .background = colours::SeaBlue});
}

void RisingSignDisplay::createAttributeBlock(QWidget* content)
{
    double top = kLayout.firstRowTop;
    for (const AttributeRow& row : kAttributeRows) {
        for (const auto& [attribute, left] :
             {std::pair{row.left, kLayout.leftColumn}, std::pair{row.right, kLayout.rightColumn}}) {
            QLabel* caption = addCaption(content, attribute.captionName, attribute.caption,
                                         {.left = left,
                                          .top = top,
                                          .width = kLayout.columnWidth,
                                          .height = kLayout.captionHeight});
            auto* value = Place(new QLabel(content), QString::fromLatin1(attribute.valueName),
                                {.left = left,
                                 .top = top + kLayout.valueOffset,
                                 .width = kLayout.columnWidth,
                                 .height = kLayout.valueHeight},
                                {.font = attribute.valueFont});
            // Read out as what it shows, with its caption as the description.
            value->setAccessibleDescription(caption->text());
            if (attribute.reading)
                readingValues_.append({value, attribute.reading});
            else
                profileValues_.append({value, attribute.profile});
        }
        top += kLayout.rowHeight;
    }

    picSign = Place(new QLabel(content), QStringLiteral("picSign"), kLayout.picture);
    picSign->setAlignment(Qt::AlignCenter);
}

void RisingSignDisplay::createTopicBoxes(QWidget* content)
{
    for (const TopicPlace& topic : kTopics) {
        const TwipsBox& box = topic.box;
        QLabel* caption = addCaption(content, topic.captionName, topic.caption,
                                     {.left = box.left,
                                      .top = box.top - kLayout.valueOffset,
                                      .width = box.width,
                                      .height = kLayout.captionHeight});
        auto* text = Place(new TopicBox(QString::fromLatin1(topic.boxName), content),
                           QString::fromLatin1(topic.boxName), box,
                           {.text = colours::DarkRed, .background = colours::SeaBlue});
        text->setAccessibleName(caption->text());
        caption->setBuddy(text);
        topics_.append({text, topic.text});
    }
}

void RisingSignDisplay::createButtonsAndOffers()
{
    QWidget* bottom = Panel(client(), QStringLiteral("Frame5"), kLayout.bottomStrip, colours::Wine);
    addPromotionalLabels(bottom, kLayout.promotions, colours::Wine, true);
    QPushButton* exit = addButton(bottom, QStringLiteral("cmdExit"), QStringLiteral("&Exit"),
                                  kLayout.exit, colours::Peach);
    QPushButton* back = addButton(bottom, QStringLiteral("cmdBack"), QStringLiteral("&Back"),
                                  kLayout.back, colours::Peach);
    finishButtons(back, exit);
    // After Back, the topic boxes in reading order.
    QList<QWidget*> order{exit, back};
    for (const ProfileTopic& topic : topics_)
        order.append(topic.box);
    setKeyboardOrder(order);
}

void RisingSignDisplay::fill()
{
    ReadingState& readings = host_.readings();
    FindRisingSign(readings, readings.currentLookupKey);
    QList<QLabel*> answer;
    for (const ReadingValue& value : readingValues_) {
        value.label->setText(ToQString(readings.*value.text));
        answer.append(value.label);
    }
    setAnswer(answer);

    const SignProfile* profile = GetSignProfile(readings.currentRisingSign);
    if (!profile)
        return;
    for (const ProfileTopic& topic : topics_)
        topic.box->setTopic(ToQString(profile->*topic.text));
    for (const ProfileValue& value : profileValues_)
        value.label->setText(ToQString(profile->*value.text));
    showPicture(picSign, profile->PictureIndex);
    picSign->setAccessibleName(ToQString(readings.currentRisingSign));
}

} // namespace orbis
