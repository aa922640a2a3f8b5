// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The welcome panel: its captions, what a click on one opens, and the hover underline.
#include "shell/welcome_panel.h"

#include "common/colours.h"
#include "common/form.h"
#include "common/link_label.h"
#include "common/twips.h"

#include <QEvent>
#include <QMouseEvent>

#include <algorithm>
#include <optional>

namespace orbis {

namespace {

// The labels by their index in the control array lblCaption.
enum class WelcomeCaption {
    Welcome = 0,
    Introduction = 1,
    ProgramsHeading = 2,
    Descendant = 3,
    Midheaven = 4,
    RisingSign = 5,
};

struct Caption {
    const char* text;
    QColor colour;
    double points;
    double top; // twips
};

constexpr std::array<Caption, kWelcomeCaptionCount> kCaptions{{
    {"Welcome to Orbis Tessary", colours::Cyan, 12, 240},
    {"Welcome to Orbis Tessary! Know more about these important points on your natal chart and "
     "know they affect your personality. Try out The Zodiac Rising Sign / Ascendant, Descendant & "
     "Midheaven / Medium Coeli Astrology softwares for more information.",
     colours::Red, 8.25, 840},
    {"Orbis Tessary includes the following programs", colours::Cyan, 12, 1920},
    {"Descendant Astrology", colours::Yellow, 12, 3600},
    {"Midheaven Astrology", colours::Magenta, 12, 4245},
    {"Zodiac Rising Sign", colours::Green, 12, 2880},
}};

// lblCaption 1, wrapped; the others take their text's size.
constexpr TwipsBox kIntroduction{.width = 8055, .height = 825};

// The reading a caption opens; the welcome texts open none.
std::optional<ReadingKind> ReadingOfCaption(int index)
{
    switch (static_cast<WelcomeCaption>(index)) {
    case WelcomeCaption::Descendant:
        return ReadingKind::Descendant;
    case WelcomeCaption::Midheaven:
        return ReadingKind::Midheaven;
    case WelcomeCaption::RisingSign:
        return ReadingKind::RisingSign;
    case WelcomeCaption::Welcome:
    case WelcomeCaption::Introduction:
    case WelcomeCaption::ProgramsHeading:
        break;
    }
    return std::nullopt;
}

} // namespace

WelcomePanel::WelcomePanel(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    for (int index = 0; index < kWelcomeCaptionCount; ++index) {
        const Caption& caption = kCaptions[static_cast<std::size_t>(index)];
        const bool opensReading = ReadingOfCaption(index).has_value();
        const bool wrapped = static_cast<WelcomeCaption>(index) == WelcomeCaption::Introduction;
        // Placed from the screen's width later.
        auto* label = Place(
            new LinkLabel(QString::fromLatin1(caption.text), this,
                          opensReading ? LinkLabel::Pointer::Link : LinkLabel::Pointer::Arrow),
            QStringLiteral("lblCaption"), wrapped ? kIntroduction : TwipsBox{},
            {.font = Typeface{caption.points, true}, .text = caption.colour});
        label->setMouseTracking(true);
        label->installEventFilter(this);
        if (wrapped) {
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        } else {
            label->adjustSize();
        }
        if (opensReading)
            label->setFocusPolicy(Qt::NoFocus);
        connect(label, &LinkLabel::clicked, this, [this, index] { lblCaption_Click(index); });
        lblCaption_[static_cast<std::size_t>(index)] = label;
    }
}

QLabel* WelcomePanel::caption(int index) const
{
    return index >= 0 && index < kWelcomeCaptionCount ? lblCaption_[static_cast<std::size_t>(index)]
                                                      : nullptr;
}

void WelcomePanel::placeFromScreenWidth(double screenWidth)
{
    for (std::size_t i = 0; i < lblCaption_.size(); ++i) {
        QLabel* label = lblCaption_[i];
        label->move(TwipsToPixels((screenWidth - PixelsToTwips(label->width())) / 2),
                    TwipsToPixels(kCaptions[i].top));
    }
}

void WelcomePanel::lblCaption_Click(int index)
{
    if (const auto kind = ReadingOfCaption(index))
        emit readingChosen(*kind);
    else
        emit welcomeTextClicked();
}

void WelcomePanel::setCaptionUnderline(int index, bool underline)
{
    QLabel* label = lblCaption_[static_cast<std::size_t>(index)];
    QFont font = label->font();
    font.setUnderline(underline);
    label->setFont(font);
}

void WelcomePanel::mouseMoveEvent(QMouseEvent* event)
{
    for (int index = 0; index < kWelcomeCaptionCount; ++index)
        setCaptionUnderline(index, false);
    QWidget::mouseMoveEvent(event);
}

bool WelcomePanel::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(lblCaption_.cbegin(), lblCaption_.cend(), watched);
    if (event->type() != QEvent::MouseMove || found == lblCaption_.cend())
        return QWidget::eventFilter(watched, event);
    const int index = static_cast<int>(found - lblCaption_.cbegin());
    if (ReadingOfCaption(index))
        setCaptionUnderline(index, true);
    // Moves over a label stay there: only the bare panel takes the underlines away.
    return true;
}

} // namespace orbis
