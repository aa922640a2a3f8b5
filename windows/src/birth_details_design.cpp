// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The three birth-details designs.
#include "windows/birth_details_design.h"

#include "common/colours.h"

namespace orbis {

namespace {

constexpr BirthDetailsFoot kExitAndOffersAtTheBottom{
    .exitStrip = {.top = 4800, .width = 7860, .height = 855},
    .exit = {.left = 6360, .top = 180, .width = 1380, .height = 495},
    .promotions = {.left = 120, .top = 120, .width = 6100, .height = 615},
    .promotionsOnStrip = true,
};

constexpr BirthDetailsFoot kExitOverTheTopStrip{
    .exitStrip = {.left = 6120, .top = 160, .width = 1740, .height = 495},
    .exit = {.left = 240, .width = 1380, .height = 450},
    .promotions = {.left = 120, .top = 4800, .width = 7620, .height = 615},
    .promotionsOnStrip = false,
};

const BirthDetailsDesign kRisingSign{
    .kind = ReadingKind::RisingSign,
    .objectName = QStringLiteral("frmRisingSignMain"),
    .caption = QStringLiteral("Orbis Zodiac Rising Sign"),
    .proceedCaption = QStringLiteral("Find My Zodiac &Rising Sign"),
    .heading =
        QStringLiteral("Enter the correct details to know more about how the world sees you"),
    .description = QStringLiteral(
        "Orbis Zodiac Rising Sign calculates your rising sign or ascendant based on Western "
        "astrology concepts. The rising sign describes your outer personality."),
    .clientHeight = 5655,
    .colours = {.window = colours::SeaBlue,
                .middleArea = colours::Peach,
                .strips = colours::Wine,
                .inputText = colours::Brown,
                .headingText = colours::DarkRed,
                .descriptionText = colours::DarkRed,
                .buttonFace = colours::Peach},
    .banner = {.left = 120, .top = 120, .width = 7620, .height = 375},
    .bannerPoints = 9.75,
    .foot = kExitAndOffersAtTheBottom,
    .coBrandInFront = true,
};
const BirthDetailsDesign kMidheaven{
    .kind = ReadingKind::Midheaven,
    .objectName = QStringLiteral("frmMidheavenAsrologyMain"),
    .caption = QStringLiteral("Orbis Midheaven Astrology"),
    .proceedCaption = QStringLiteral("Find My &Midheaven Astrology Sign"),
    .heading = QStringLiteral("Enter the Correct Details and Know More about Yourself "),
    .description = QStringLiteral(
        "Orbis Midheaven Astrology calculates your midheaven sign based on Western Astrology "
        "concepts. The Midheaven represents the life's goal of a person, his standing in "
        "society and reputation"),
    .clientHeight = 5430,
    .colours = {.window = colours::Lavender,
                .middleArea = colours::Lavender,
                .strips = colours::Lavender,
                .inputText = colours::DarkRed,
                .headingText = colours::Blue,
                .descriptionText = colours::DarkRed,
                .buttonFace = colours::Silver},
    // Narrower and smaller: the Exit strip shares the top strip.
    .banner = {.left = 120, .top = 120, .width = 5880, .height = 375},
    .bannerPoints = 8,
    .foot = kExitOverTheTopStrip,
    .coBrandInFront = false,
};
const BirthDetailsDesign kDescendant{
    .kind = ReadingKind::Descendant,
    .objectName = QStringLiteral("frmDescendantAstrologyMain"),
    .caption = QStringLiteral("Orbis Descendant Astrology"),
    .proceedCaption = QStringLiteral("Find My &Descendant Astrology Sign"),
    .heading = QStringLiteral("Enter the Correct Details and Know More."),
    .description = QStringLiteral(
        "Orbis Descendant Astrology calculates your descendant sign based on Western "
        "Astrology concepts. The Descendent represents the kind of connections you make with "
        "people. It describes your infatuations and the kind of life partner you are looking "
        "for. "),
    .clientHeight = 5655,
    .colours = {.window = colours::Mint,
                .middleArea = colours::Mint,
                .strips = colours::Wine,
                .inputText = colours::Brown,
                .headingText = colours::Magenta,
                .descriptionText = colours::Blue,
                .buttonFace = colours::Peach},
    .banner = {.left = 120, .top = 120, .width = 7620, .height = 375},
    .bannerPoints = 9.75,
    .foot = kExitAndOffersAtTheBottom,
    .coBrandInFront = false,
};

} // namespace

const BirthDetailsDesign& DesignOf(ReadingKind kind)
{
    switch (kind) {
    case ReadingKind::Midheaven:
        return kMidheaven;
    case ReadingKind::Descendant:
        return kDescendant;
    case ReadingKind::RisingSign:
        break;
    }
    return kRisingSign;
}

} // namespace orbis
