// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The portrait of a rising sign: ten attributes, five topic texts and its picture number.
#pragma once

#include "orbis/zodiac.h"

#include <optional>
#include <string_view>

namespace orbis {

struct SignProfile {
    std::string_view Looks;
    std::string_view Nature;
    std::string_view CareerandFinance;
    std::string_view LoveandDomesticLife;
    std::string_view Health;
    std::string_view RulingPlanet;
    std::string_view Symbol;
    std::string_view Element;
    std::string_view SignColor;
    std::string_view TypeofSign;
    std::string_view LuckyDays;
    std::string_view LuckyNumbers;
    std::string_view LuckyDirection;
    std::string_view LuckyColors;
    std::string_view LuckyGemstone;
    int PictureIndex;
};

// The table is constant for the life of the program, so the reference may be kept.
const SignProfile& GetSignProfile(ZodiacSign sign);

// By exact sign name; anything else has no profile.
const SignProfile* GetSignProfile(std::string_view signName);

} // namespace orbis
